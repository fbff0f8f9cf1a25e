#include "CConsoleSetupDlg.h"

#include "ShellIds.h"

IMPLEMENT_DYNAMIC(CConsoleSetupDlg, CSkinDlg)

CConsoleSetupDlg::CConsoleSetupDlg(CWnd* pParent) : CSkinDlg(IDD_CONSOLE_SETUP, pParent) {}

CConsoleSetupDlg::~CConsoleSetupDlg() = default;
