#include "CWinThread.h"

#include "CDC.h"
#include "CGdiObject.h"
#include "CImageList.h"
#include "CMenu.h"
#include "CWinApp.h"
#include "CWnd.h"
#include "WfxInternal.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace {

// Whether the parent (or owner) chain of `from` reaches `target`.
bool leadsTo(HWND from, HWND target)
{
    for (HWND h = from; h; h = ::GetParent(h))
        if (h == target)
            return true;
    return false;
}

} // namespace

CWinThread* AfxGetThread()
{
    static CWinThread defaultThread;
    CWinApp* app = AfxGetApp();
    return app ? static_cast<CWinThread*>(app) : &defaultThread;
}

CWnd* AfxGetMainWnd()
{
    return AfxGetThread()->GetMainWnd();
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return int(m_msgCur.wParam);
}

int CWinThread::Run()
{
    bool idle = true;
    LONG idleCount = 0;
    MSG peek;
    for (;;) {
        while (idle && !PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE))
            idle = OnIdle(idleCount++) != FALSE;
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                idle = true;
                idleCount = 0;
            }
        } while (PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage()
{
    if (GetMessageW(&m_msgCur, nullptr, 0, 0) <= 0)
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        TranslateMessage(&m_msgCur);
        DispatchMessageW(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (!pMsg->hwnd)
        return FALSE;
    wfxRelayToolTip(pMsg);
    CWnd* mainWnd = GetMainWnd();
    HWND stop = mainWnd ? mainWnd->m_hWnd : nullptr;
    if (CWnd::WalkPreTranslateTree(stop, pMsg))
        return TRUE;
    // A window that the walk does not lead to the main window (a popup
    // without owner) still shows its messages to the main window.
    return stop && !leadsTo(pMsg->hwnd, stop) && mainWnd->PreTranslateMessage(pMsg);
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        CPoint point(pMsg->pt);
        bool same = point == m_lastMousePoint && pMsg->message == m_lastMouseMessage;
        m_lastMousePoint = point;
        m_lastMouseMessage = pMsg->message;
        return !same;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118; // WM_SYSTIMER: caret blinks
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount == 0) {
        CWnd* mainWnd = GetMainWnd();
        if (mainWnd && mainWnd->m_hWnd && mainWnd->IsWindowVisible()) {
            mainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
            wfxSendToHandlingDescendants(mainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE);
        }
        return TRUE;
    }
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CMenu::DeleteTempMap();
    CImageList::DeleteTempMap();
    return FALSE;
}
