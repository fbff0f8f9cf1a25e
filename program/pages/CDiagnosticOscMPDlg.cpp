#include "CDiagnosticOscMPDlg.h"

#include "ShellIds.h"

IMPLEMENT_DYNAMIC(CDiagnosticOscMPDlg, CGDIpMultiPageDialog)

CDiagnosticOscMPDlg::CDiagnosticOscMPDlg(CWnd* pParent) : CGDIpMultiPageDialog(IDD_DIAGNOSTIC_OSC, pParent) {}

CDiagnosticOscMPDlg::~CDiagnosticOscMPDlg() = default;
