#include "CGasInjectionMapMPDlg.h"

#include "ShellIds.h"

IMPLEMENT_DYNAMIC(CGasInjectionMapMPDlg, CGDIpMultiPageDialog)

CGasInjectionMapMPDlg::CGasInjectionMapMPDlg(CWnd* pParent)
    : CGDIpMultiPageDialog(IDD_GAS_INJECTION_MAP, pParent)
{
}

CGasInjectionMapMPDlg::~CGasInjectionMapMPDlg() = default;
