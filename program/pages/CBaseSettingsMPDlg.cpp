#include "CBaseSettingsMPDlg.h"

#include "ShellIds.h"

IMPLEMENT_DYNAMIC(CBaseSettingsMPDlg, CGDIpMultiPageDialog)

CBaseSettingsMPDlg::CBaseSettingsMPDlg(CWnd* pParent) : CGDIpMultiPageDialog(IDD_BASE_SETTINGS, pParent) {}

CBaseSettingsMPDlg::~CBaseSettingsMPDlg() = default;
