#pragma once

#include "CHeaderStatic.h"
#include "COrangeCheckBox.h"
#include "COrangeStatic.h"
#include "CUnitsStatic.h"
#include "CValueCmbBox.h"
#include "CheckBoxImages.h"
#include "IMultilangGUI.h"
#include "PageHeadingFont.h"

#include <CGDIpMultiPageDialog.h>

// The "Petrol Change Settings" page: when the controller goes back from gas
// to petrol (low gas pressure, high engine speed or injection time, low gas
// temperature) and the reducer's working pressure.
class CPetrolChangeSettingsMPD : public CGDIpMultiPageDialog, public IMultilangGUI
{
    DECLARE_DYNAMIC(CPetrolChangeSettingsMPD)

public:
    explicit CPetrolChangeSettingsMPD(CWnd* pParent = nullptr);
    ~CPetrolChangeSettingsMPD() override;

    BOOL OnInitDialog() override;
    void v_init() override;
    void v_activate() override;
    void v_translate() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSelendokCmbPressSwitch();
    afx_msg void OnSelendokCmbPressAverage();
    afx_msg void OnSelendokComboWorkingPressure();
    afx_msg void OnBnClickedCheckrpmmax();
    afx_msg void OnSelendokCmbMaxRpm();
    afx_msg void OnSelendokCmbMaxLoad();
    afx_msg void OnClickedCheckChangeLowGasTempMode();
    afx_msg void OnSelendokCmbMinLpgTempr();

    DECLARE_MESSAGE_MAP()

private:
    void changeBaseFlag(const wchar_t* handler, const BOOL& state, unsigned char mask);

    PageHeadingFont m_headingFont;
    CExtImage m_selectedImage;
    CExtImage m_unselectedImage;
    CHeaderStatic m_header;
    COrangeCheckBox m_rpmMaxCheck;
    COrangeCheckBox m_lowTempCheck;
    CValueCmbBox m_pressSwitch;
    CValueCmbBox m_pressAverage;
    CValueCmbBox m_maxLoad;
    CValueCmbBox m_maxRpm;
    CValueCmbBox m_minLpgTempr;
    CValueCmbBox m_workingPressure;
    COrangeStatic m_labels[7];
    CUnitsStatic m_units[6];
    BOOL m_rpmMaxMode = FALSE;
    BOOL m_lowTempMode = FALSE;
};
