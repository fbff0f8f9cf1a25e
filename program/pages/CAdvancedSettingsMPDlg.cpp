#include "CAdvancedSettingsMPDlg.h"

#include "ShellIds.h"

IMPLEMENT_DYNAMIC(CAdvancedSettingsMPDlg, CGDIpMultiPageDialog)

CAdvancedSettingsMPDlg::CAdvancedSettingsMPDlg(CWnd* pParent)
    : CGDIpMultiPageDialog(IDD_ADVANCED_SETTINGS, pParent)
{
}

CAdvancedSettingsMPDlg::~CAdvancedSettingsMPDlg() = default;
