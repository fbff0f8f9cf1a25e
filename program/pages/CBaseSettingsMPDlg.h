#pragma once

#include "CHeaderStatic.h"
#include <CBaseSettings.h>
#include "COrangeStatic.h"
#include "COrvoButton.h"
#include "COrvoEdit.h"
#include "CStrValueCmbBox.h"
#include "CUnitsStatic.h"
#include "CValueCmbBox.h"
#include "CValueStatic.h"
#include "IMultilangGUI.h"
#include "ITimerBasedGUI.h"
#include "PageHeadingFont.h"

#include <CGDIpMultiPageDialog.h>

struct CAdvSettings;
struct CSensorsSetup;

// The "Base Settings" page: engine-speed signal, fuel, engine and injector
// type, the change-over from petrol to gas and the fuel gauge. Each control
// edits one field of the controller object's record and writes its block.
class CBaseSettingsMPDlg : public CGDIpMultiPageDialog, public IMultilangGUI, public ITimerBasedGUI
{
    DECLARE_DYNAMIC(CBaseSettingsMPDlg)

public:
    explicit CBaseSettingsMPDlg(CWnd* pParent = nullptr);
    ~CBaseSettingsMPDlg() override;

    BOOL OnInitDialog() override;
    void v_init() override;
    void v_activate() override;
    void v_translate() override;
    void v_onTimer() override;

    // Every control from the record.
    void refreshFromRecord();
    // The type and its timing preset.
    static void applyInjectorPreset(CAdvSettings& adv, unsigned char type);
    // Mirrors the gauge values when they run against `reverse`, then sets the direction.
    static void applyGaugeDirection(CSensorsSetup& sensors, bool reverse);

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnCbnSelendokComborpmsource();
    afx_msg void OnSelendokCmbRatio();
    afx_msg void OnSelendokCmbFuelType();
    afx_msg void OnSelendokCmbLpgInj();
    afx_msg void OnSelendokCmbSwitchDelay();
    afx_msg void OnSelendokCmbTemprSwitch();
    afx_msg void OnSelendokCmbRpmSwitch();
    afx_msg void OnSelendokCmbSeqDelay();
    afx_msg void OnSelendokCmbFuelMeterDirection();
    afx_msg void OnCbnSelendokComborpmtype();
    afx_msg void OnClickedBtnFuelMeter();
    afx_msg void OnClickedBtnInjCalculator();

    DECLARE_MESSAGE_MAP()

private:
    void rebuildRpmSourceLists();
    void rebuildOtherLists();
    void translateCaptions();
    void showDivider(unsigned divider);
    void showGauge();
    void selectRpmSource();
    void changeSwitchValue(const wchar_t* handler, CValueCmbBox& box, double CBaseSettings::*field);
    void runFuelChange();

    PageHeadingFont m_headingFont;
    CHeaderStatic m_headers[3];
    COrangeStatic m_labels[16];
    COrangeStatic m_levelNumbers[5];
    CUnitsStatic m_units[5];
    CValueStatic m_fuelLevel;
    CStrValueCmbBox m_rpmSource;
    CStrValueCmbBox m_ratio;
    COrvoEdit m_divider;
    CStrValueCmbBox m_fuelType;
    CStrValueCmbBox m_engineType;
    CStrValueCmbBox m_injectorType;
    CValueCmbBox m_waitTime;
    CValueCmbBox m_switchTemp;
    CValueCmbBox m_switchRpm;
    CValueCmbBox m_seqDelay;
    COrvoEdit m_gauge[4]; // quarter, half, three quarters, full
    CStrValueCmbBox m_direction;
    COrvoButton m_fuelMeterButton;
    COrvoButton m_calculatorButton;
};
