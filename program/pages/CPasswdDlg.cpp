#include "CPasswdDlg.h"

#include "PagesUiIds.h"
#include "translate.h"

namespace {

const Gdiplus::ARGB kDialogGrey = 0xFFC8C8C8;

} // namespace

CPasswdDlg::CPasswdDlg(CWnd* parent) : CSkinDlg(IDD_PASSWD_DLG, parent)
{
    m_gradientStart = m_gradientEnd = kDialogGrey;
    m_titleHeight = 0;
}

CPasswdDlg::~CPasswdDlg() = default;

void CPasswdDlg::DoDataExchange(CDataExchange* pDX)
{
    CSkinDlg::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PASSWD_EDIT, m_password);
    DDX_Control(pDX, IDC_PASSWD_CAPTION, m_caption);
    DDX_Control(pDX, IDOK, m_ok);
}

BOOL CPasswdDlg::OnInitDialog()
{
    const CString title = translate(L"Password").c_str();
    SetWindowTextW(title);
    CWnd::SetWindowTextW(title);
    CSkinDlg::OnInitDialog();
    m_caption.SetWindowTextW(title);
    return TRUE;
}
