#include "CPetrolChangeSettingsMPD.h"

#include "ShellIds.h"

IMPLEMENT_DYNAMIC(CPetrolChangeSettingsMPD, CGDIpMultiPageDialog)

CPetrolChangeSettingsMPD::CPetrolChangeSettingsMPD(CWnd* pParent)
    : CGDIpMultiPageDialog(IDD_PETROL_CHANGE, pParent)
{
}

CPetrolChangeSettingsMPD::~CPetrolChangeSettingsMPD() = default;
