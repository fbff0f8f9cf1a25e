#pragma once

#include "IMultilangGUI.h"
#include <CGDIpMultiPageDialog.h>

// Stands in for the petrol change settings page until it is built: its window is an empty page.
class CPetrolChangeSettingsMPD : public CGDIpMultiPageDialog, public IMultilangGUI
{
    DECLARE_DYNAMIC(CPetrolChangeSettingsMPD)

public:
    explicit CPetrolChangeSettingsMPD(CWnd* pParent = nullptr);
    ~CPetrolChangeSettingsMPD() override;

    void v_translate() override {}
};
