#include "CDialog.h"

#include "CWinThread.h"
#include "WfxInternal.h"
#include "WfxResources.h"
#include "WfxTestHooks.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

namespace {

// The dialog manager's procedure: the object's handler tables come first,
// so this only sees what they passed on.
INT_PTR CALLBACK dialogProcedure(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

} // namespace

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_pParentWnd(pParentWnd)
{
    setTemplate(MAKEINTRESOURCEW(nIDTemplate));
}

CDialog::CDialog(LPCWSTR lpszTemplateName, CWnd* pParentWnd) : m_pParentWnd(pParentWnd)
{
    setTemplate(lpszTemplateName);
}

void CDialog::setTemplate(LPCWSTR name)
{
    if (IS_INTRESOURCE(name)) {
        m_lpszTemplateName = name;
        return;
    }
    m_templateNameText = name;
    m_lpszTemplateName = m_templateNameText;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEW(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCWSTR lpszTemplateName, CWnd* pParentWnd)
{
    if (m_hWnd || !lpszTemplateName)
        return FALSE;
    setTemplate(lpszTemplateName);
    m_pParentWnd = pParentWnd;
    return createFromTemplate(m_lpszTemplateName, pParentWnd ? pParentWnd->m_hWnd : nullptr);
}

BOOL CDialog::createFromTemplate(LPCWSTR name, HWND hWndParent)
{
    HINSTANCE module = AfxFindResourceHandle(name, RT_DIALOG, GetRuntimeClass());
    HRSRC resource = module ? FindResourceW(module, name, RT_DIALOG) : nullptr;
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    auto* dialogTemplate = static_cast<LPCDLGTEMPLATEW>(loaded ? LockResource(loaded) : nullptr);
    if (!dialogTemplate)
        return FALSE;
    wfxInitCommonControls();
    WfxCreationHook::arm(this);
    HWND hWnd = CreateDialogIndirectParamW(module, dialogTemplate, hWndParent, dialogProcedure, 0);
    bool taken = WfxCreationHook::disarm();
    if (!hWnd)
        return FALSE;
    if (!taken)
        SubclassWindow(hWnd);
    return TRUE;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    else
        m_nModalResult = nResult;
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (!m_hWnd || pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    return ::IsDialogMessageW(m_hWnd, pMsg);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl)
        ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), 1);
}

HWND wfxModalOwner(CWnd* pParentWnd)
{
    CWnd* owner = pParentWnd ? pParentWnd : AfxGetMainWnd();
    HWND hWnd = owner ? owner->m_hWnd : nullptr;
    return hWnd ? GetAncestor(hWnd, GA_ROOT) : nullptr;
}

INT_PTR wfxRunModalOver(CWnd& modal, CWnd* pParentWnd, const std::function<INT_PTR(HWND owner)>& run)
{
    HWND owner = wfxModalOwner(pParentWnd);
    bool disabledOwner = owner && ::IsWindowEnabled(owner);
    if (disabledOwner)
        ::EnableWindow(owner, FALSE);
    INT_PTR result = run(owner);
    if (disabledOwner)
        ::EnableWindow(owner, TRUE);
    if (owner && modal.m_hWnd && ::GetActiveWindow() == modal.m_hWnd)
        ::SetActiveWindow(owner);
    modal.DestroyWindow();
    return result;
}

INT_PTR CDialog::DoModal()
{
    if (m_hWnd || !m_lpszTemplateName)
        return -1;
    return wfxRunModalOver(*this, m_pParentWnd, [this](HWND owner) { return runModal(owner); });
}

INT_PTR CDialog::runModal(HWND owner)
{
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    if (!createFromTemplate(m_lpszTemplateName, owner)) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        return -1;
    }
    if (ContinueModal())
        WfxRunModalDialogHook(*this);
    if (ContinueModal()) {
        if (!IsWindowVisible())
            ShowWindow(SW_SHOWNORMAL);
        RunModalLoop();
    }
    m_nFlags &= ~WF_CONTINUEMODAL;
    return m_nModalResult;
}
