// Message dispatch of CWnd: the window procedure boundary, handler tables,
// commands, notifications and their reflection to the controls.

#include "CWnd.h"

#include "CCmdUI.h"
#include "CMenu.h"
#include "WfxInternal.h"

#include <IError.h>

#include <exception>

namespace {

bool isCtlColor(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// Reports what escaped a handler. Messages whose failure would otherwise
// repeat forever or leave a half-made window get a safe answer.
LRESULT answerAfterFailure(HWND hWnd, UINT message)
{
    if (message == WM_PAINT)
        ::ValidateRect(hWnd, nullptr);
    if (message == WM_CREATE)
        return -1;
    return 0;
}

} // namespace

LRESULT CWnd::guardedWindowProc(CWnd* wnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        return wnd->WindowProc(message, wParam, lParam);
    } catch (IError* error) {
        wfxReportError(error);
    } catch (const std::exception& e) {
        CString text(e.what());
        wfxReportFailure(text);
    } catch (...) {
        wfxReportFailure(L"unknown exception");
    }
    return answerAfterFailure(hWnd, message);
}

LRESULT CALLBACK CWnd::windowProcedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hWnd);
    if (!wnd) {
        WNDPROC super = reinterpret_cast<WNDPROC>(GetPropW(hWnd, kWfxSuperProcProp));
        return super ? CallWindowProcW(super, hWnd, message, wParam, lParam)
                     : ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
    WfxThreadState& ts = wfxThreadState();
    if (message == WM_NCCREATE)
        WfxCreationHook::keepStyleChange(hWnd);
    MSG saved = ts.current;
    ts.current = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
    ProcFrame frame{wnd->m_pFrames, true};
    wnd->m_pFrames = &frame;

    LRESULT result = guardedWindowProc(wnd, hWnd, message, wParam, lParam);

    ts.current = saved;
    if (!frame.alive)
        return result; // the object was deleted by a handler
    wnd->m_pFrames = frame.outer;
    if (message == WM_NCDESTROY && wnd->m_hWnd == hWnd) {
        wnd->forgetWindow(hWnd);
        wnd->m_bPostNcDestroyPending = TRUE;
    }
    if (!wnd->m_pFrames && wnd->m_bPostNcDestroyPending) {
        wnd->m_bPostNcDestroyPending = FALSE;
        try {
            wnd->PostNcDestroy(); // may delete the object
        } catch (IError* error) {
            wfxReportError(error);
        } catch (...) {
            wfxReportFailure(L"PostNcDestroy");
        }
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& current = wfxThreadState().current;
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT result = 0;
    BOOL handled = FALSE;
    if (message == WM_COMMAND)
        handled = OnCommand(wParam, lParam);
    else if (message == WM_NOTIFY)
        handled = OnNotify(wParam, lParam, &result);
    else
        handled = reflectToChild(message, wParam, lParam, &result) ||
                  dispatchToMap(message, wParam, lParam, &result);
    if (handled && pResult)
        *pResult = result;
    return handled;
}

BOOL CWnd::dispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const WfxMsgMapEntry* entry = FindMessageEntry(isCtlColor(message) ? WFX_MSG_CTLCOLOR : message, 0, 0);
    if (!entry)
        return FALSE;
    WfxMsgCall call{message, wParam, lParam, 0, 0, nullptr};
    BOOL handled = entry->handler(this, call);
    *pResult = call.result;
    return handled;
}

// The control a parent's message is about, when it is a child of ours.
BOOL CWnd::reflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    HWND child = nullptr;
    if (message == WM_DRAWITEM) {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        child = item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    } else if (message == WM_MEASUREITEM) {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        child = item->CtlType == ODT_MENU ? nullptr : ::GetDlgItem(m_hWnd, int(item->CtlID));
    } else if (message == WM_COMPAREITEM) {
        child = reinterpret_cast<COMPAREITEMSTRUCT*>(lParam)->hwndItem;
    } else if (message == WM_DELETEITEM) {
        child = reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->hwndItem;
    } else if (isCtlColor(message) || message == WM_HSCROLL || message == WM_VSCROLL) {
        child = reinterpret_cast<HWND>(lParam);
    }
    if (!child || child == m_hWnd)
        return FALSE;
    CWnd* control = FromHandlePermanent(child);
    return control && control->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    UINT code = 0;
    WfxMsgCall call{message, wParam, lParam, 0, 0, nullptr};
    WfxNotifyInfo notify{reinterpret_cast<NMHDR*>(lParam), pResult};
    if (message == WM_COMMAND) {
        code = HIWORD(wParam);
    } else if (message == WM_NOTIFY) {
        code = notify.hdr->code;
        call.extra = &notify;
    }
    UINT key = WFX_REFLECT + (isCtlColor(message) ? WFX_MSG_CTLCOLOR : message);
    const WfxMsgMapEntry* entry = FindMessageEntry(key, code, 0);
    if (!entry)
        return FALSE;
    BOOL handled = entry->handler(this, call);
    if (handled && pResult && message != WM_NOTIFY)
        *pResult = call.result;
    return handled;
}

// A command whose update handler disables it is not carried out (accelerators
// reach disabled commands too).
BOOL CWnd::isCommandEnabled(UINT nID)
{
    class Probe : public CCmdUI
    {
    public:
        BOOL enabled = TRUE;
        void Enable(BOOL bOn) override
        {
            enabled = bOn;
            m_bEnableChanged = TRUE;
        }
        void SetCheck(int) override {}
        void SetText(LPCWSTR) override {}
    } probe;
    probe.m_nID = nID;
    probe.DoUpdate(this, FALSE);
    return probe.enabled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    int code = HIWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control) {
        CWnd* child = control != m_hWnd ? FromHandlePermanent(control) : nullptr;
        LRESULT ignored = 0;
        if (child && child->OnChildNotify(WM_COMMAND, wParam, lParam, &ignored))
            return TRUE;
    } else {
        code = CN_COMMAND; // menus and accelerators alike
        if (!isCommandEnabled(id))
            return TRUE;
    }
    return OnCmdMsg(id, code, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* hdr = reinterpret_cast<NMHDR*>(lParam);
    if (!hdr)
        return FALSE;
    CWnd* control = hdr->hwndFrom != m_hWnd ? FromHandlePermanent(hdr->hwndFrom) : nullptr;
    if (control && control->OnChildNotify(WM_NOTIFY, hdr->idFrom, lParam, pResult))
        return TRUE;
    WfxNotifyInfo notify{hdr, pResult};
    // A child is known by its control id: some controls carry data of their
    // own in idFrom (the drawn list sends the clicked row there).
    const UINT id = hdr->hwndFrom && ::IsChild(m_hWnd, hdr->hwndFrom) ? UINT(::GetDlgCtrlID(hdr->hwndFrom))
                                                                      : UINT(hdr->idFrom);
    return OnCmdMsg(id, CN_NOTIFY, &notify, nullptr);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND h = pMsg->hwnd; h; h = ::GetParent(h)) {
        CWnd* wnd = FromHandlePermanent(h);
        if (wnd && wnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (h == hWndStop)
            break;
    }
    return FALSE;
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT item)
{
    CMenu* menu = item->CtlType == ODT_MENU
                      ? CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(item->hwndItem))
                      : nullptr;
    if (menu)
        menu->DrawItem(item);
    else
        Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT item)
{
    CMenu* menu = item->CtlType == ODT_MENU ? CMenu::FindOwnerOfItem(item->itemID, item->itemData) : nullptr;
    if (menu)
        menu->MeasureItem(item);
    else
        Default();
}

void CWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (!bSysMenu && pPopupMenu)
        CCmdUI::UpdateMenu(pPopupMenu, this, FALSE);
    Default();
}
