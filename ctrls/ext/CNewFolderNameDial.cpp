#include "CNewFolderNameDial.h"

#include "FileDialIds.h"

#include <CDataExchange.h>

CNewFolderNameDial::CNewFolderNameDial(CWnd* parent) : CDialog(IDD_NEW_FOLDER_NAME, parent) {}

BOOL CNewFolderNameDial::OnInitDialog()
{
    BOOL result = CDialog::OnInitDialog();
    if (!m_caption.IsEmpty())
        SetWindowText(m_caption);
    return result;
}

void CNewFolderNameDial::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_NEW_FOLDER_NAME, m_name);
}
