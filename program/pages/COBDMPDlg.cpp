#include "COBDMPDlg.h"

#include "ShellIds.h"

IMPLEMENT_DYNAMIC(COBDMPDlg, CGDIpMultiPageDialog)

COBDMPDlg::COBDMPDlg(CWnd* pParent) : CGDIpMultiPageDialog(IDD_OBD_PAGE, pParent) {}

COBDMPDlg::~COBDMPDlg() = default;
