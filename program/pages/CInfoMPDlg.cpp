#include "CInfoMPDlg.h"

#include "ShellIds.h"

IMPLEMENT_DYNAMIC(CInfoMPDlg, CGDIpMultiPageDialog)

CInfoMPDlg::CInfoMPDlg(CWnd* pParent) : CGDIpMultiPageDialog(IDD_INFO, pParent) {}

CInfoMPDlg::~CInfoMPDlg() = default;
