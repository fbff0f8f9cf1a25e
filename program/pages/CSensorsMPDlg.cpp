#include "CSensorsMPDlg.h"

#include "ShellIds.h"

IMPLEMENT_DYNAMIC(CSensorsMPDlg, CGDIpMultiPageDialog)

CSensorsMPDlg::CSensorsMPDlg(CWnd* pParent) : CGDIpMultiPageDialog(IDD_SENSORS, pParent) {}

CSensorsMPDlg::~CSensorsMPDlg() = default;
