#include "CPasswdDlg.h"

#include "PagesUiIds.h"
#include "SkinDialogTitle.h"

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
    m_caption.SetWindowTextW(initTitledSkinDialog(*this, L"Password"));
    return TRUE;
}
