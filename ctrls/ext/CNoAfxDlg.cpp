#include "CNoAfxDlg.h"

#include <CWinApp.h>
#include <WfxResources.h>
#include <WfxTestHooks.h>

BEGIN_MESSAGE_MAP(CNoAfxDlg, CDialog)
ON_COMMAND(IDOK, &CNoAfxDlg::onOK)
END_MESSAGE_MAP()

CNoAfxDlg::CNoAfxDlg(UINT templateId, HINSTANCE instance, CWnd* parent)
    : CDialog(templateId, parent), m_templateId(templateId), m_instance(instance)
{
}

void CNoAfxDlg::onOK()
{
    CDialog::OnOK();
}

bool CNoAfxDlg::hasTemplate() const
{
    return FindResourceW(m_instance, MAKEINTRESOURCEW(m_templateId), RT_DIALOG) != nullptr;
}

INT_PTR CNoAfxDlg::DoModal()
{
    if (m_hWnd || !hasTemplate())
        return -1;
    return AfxGetApp() ? frameworkModal() : ownModal();
}

// The framework's modal run, with the template looked for in our module first.
INT_PTR CNoAfxDlg::frameworkModal()
{
    HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(m_instance);
    INT_PTR result = CDialog::DoModal();
    AfxSetResourceHandle(previous);
    return result;
}

INT_PTR CNoAfxDlg::ownModal()
{
    m_nModalResult = -1;
    if (!create(m_templateId, m_pParentWnd))
        return -1;
    WfxRunModalDialogHook(*this);
    while (m_nModalResult < 0 && m_hWnd) {
        MSG msg;
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The outer loop must still see the quit.
            PostQuitMessage(got == 0 ? int(msg.wParam) : 0);
            break;
        }
        if (isOwnKey(msg))
            continue;
        if (msg.hwnd != m_hWnd)
            TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    INT_PTR result = m_nModalResult;
    if (m_hWnd) {
        ShowWindow(SW_HIDE);
        DestroyWindow();
    }
    return result;
}

bool CNoAfxDlg::isOwnKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN || !m_hWnd || (msg.hwnd != m_hWnd && !::IsChild(m_hWnd, msg.hwnd)))
        return false;
    switch (msg.wParam) {
    case VK_TAB:
        focusNextTabStop();
        return true;
    case VK_RETURN: {
        DWORD defId = GetDefID();
        routeCommand(HIWORD(defId) == DC_HASDEFID ? LOWORD(defId) : IDOK);
        return true;
    }
    case VK_ESCAPE:
        routeCommand(IDCANCEL);
        return true;
    }
    return false;
}

void CNoAfxDlg::focusNextTabStop()
{
    HWND next = ::GetNextDlgTabItem(m_hWnd, ::GetFocus(), FALSE);
    if (!next)
        return;
    ::SetFocus(next);
    if (::SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        ::SendMessageW(next, EM_SETSEL, 0, -1);
}

void CNoAfxDlg::routeCommand(UINT id)
{
    OnCmdMsg(id, CN_COMMAND, nullptr, nullptr);
}

INT_PTR CALLBACK CNoAfxDlg::initProcedure(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* dialog = reinterpret_cast<CNoAfxDlg*>(lParam);
    if (!dialog || !dialog->SubclassWindow(hWnd))
        return TRUE;
    return dialog->OnInitDialog();
}

bool CNoAfxDlg::create(UINT templateId, CWnd* parent)
{
    if (m_hWnd)
        return false;
    HWND owner = parent ? parent->GetSafeHwnd() : nullptr;
    if (!owner)
        owner = AfxGetApp() && AfxGetMainWnd() ? AfxGetMainWnd()->GetSafeHwnd() : ::GetDesktopWindow();
    HRSRC resource = FindResourceW(m_instance, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    HGLOBAL loaded = resource ? LoadResource(m_instance, resource) : nullptr;
    auto* dialogTemplate = static_cast<LPCDLGTEMPLATEW>(loaded ? LockResource(loaded) : nullptr);
    if (!dialogTemplate)
        return false;
    HWND hWnd = CreateDialogIndirectParamW(m_instance, dialogTemplate, owner, initProcedure,
                                           reinterpret_cast<LPARAM>(this));
    if (!hWnd)
        return false;
    if (!m_hWnd)
        SubclassWindow(hWnd);
    ShowWindow(SW_SHOW);
    CenterWindow();
    return true;
}
