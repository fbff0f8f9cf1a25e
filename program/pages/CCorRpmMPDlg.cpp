#include "CCorRpmMPDlg.h"

#include "ShellIds.h"

IMPLEMENT_DYNAMIC(CCorRpmMPDlg, CGDIpMultiPageDialog)

CCorRpmMPDlg::CCorRpmMPDlg(CWnd* pParent) : CGDIpMultiPageDialog(IDD_COR_RPM, pParent) {}

CCorRpmMPDlg::~CCorRpmMPDlg() = default;
