#include "CChart3DMPDlg.h"

#include "ShellIds.h"

IMPLEMENT_DYNAMIC(CChart3DMPDlg, CGDIpMultiPageDialog)

CChart3DMPDlg::CChart3DMPDlg(CWnd* pParent) : CGDIpMultiPageDialog(IDD_CHART_3D, pParent) {}

CChart3DMPDlg::~CChart3DMPDlg() = default;
