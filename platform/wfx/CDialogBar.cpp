#include "CDialogBar.h"

#include "CCmdUI.h"
#include "CFrameWnd.h"
#include "WfxInternal.h"
#include "WfxResources.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

namespace {

INT_PTR CALLBACK barProcedure(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

LPCDLGTEMPLATEW findTemplate(LPCWSTR name, const CRuntimeClass* asking, HINSTANCE& module)
{
    module = AfxFindResourceHandle(name, RT_DIALOG, asking);
    HRSRC resource = module ? ::FindResourceW(module, name, RT_DIALOG) : nullptr;
    HGLOBAL loaded = resource ? ::LoadResource(module, resource) : nullptr;
    return static_cast<LPCDLGTEMPLATEW>(loaded ? ::LockResource(loaded) : nullptr);
}

} // namespace

CDialogBar::CDialogBar() = default;

BOOL CDialogBar::Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID)
{
    HINSTANCE module = nullptr;
    LPCDLGTEMPLATEW dialogTemplate = findTemplate(MAKEINTRESOURCEW(nIDTemplate), GetRuntimeClass(), module);
    if (!dialogTemplate || !pParentWnd || m_hWnd)
        return FALSE;
    m_dwStyle = nStyle & CBRS_ALL;
    WfxCreationHook::arm(this);
    HWND hWnd = ::CreateDialogIndirectParamW(module, dialogTemplate, pParentWnd->m_hWnd, barProcedure, 0);
    bool taken = WfxCreationHook::disarm();
    if (!hWnd)
        return FALSE;
    if (!taken)
        SubclassWindow(hWnd);
    ::SetWindowLongPtrW(hWnd, GWLP_ID, LONG_PTR(nID));
    CRect rect;
    GetWindowRect(&rect);
    m_sizeDefault = rect.Size();
    if (nStyle & WS_VISIBLE)
        ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (bStretch)
        return bHorz ? CSize(32767, m_sizeDefault.cy) : CSize(m_sizeDefault.cx, 32767);
    return m_sizeDefault;
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        UINT id = UINT(::GetDlgCtrlID(child));
        if (id == 0 || id == 0xFFFF) // labels
            continue;
        CCmdUI ui;
        ui.m_nID = id;
        ui.m_pOther = CWnd::FromHandle(child);
        ui.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

BOOL CDialogBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    CFrameWnd* frame = GetParentFrame();
    if (HIWORD(wParam) != BN_CLICKED || !frame)
        return CControlBar::OnCommand(wParam, lParam);
    // As a menu command: a command disabled meanwhile is not carried out.
    frame->SendMessage(WM_COMMAND, LOWORD(wParam), 0);
    return TRUE;
}
