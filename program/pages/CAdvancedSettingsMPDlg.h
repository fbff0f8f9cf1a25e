#pragma once

#include "CHeaderStatic.h"
#include <CAdvSettings.h>
#include "COrangeCheckBox.h"
#include "COrangeStatic.h"
#include "CUnitsStatic.h"
#include "CValueCmbBox.h"
#include "CheckBoxImages.h"
#include "IMultilangGUI.h"
#include "PageHeadingFont.h"

#include <CGDIpMultiPageDialog.h>

// The "Additional Settings" page: how the petrol injectors are driven, fast
// switching, the gas cut-off (LPG only), petrol post-injection, the extra
// times ignored and the variable-valve-lift engine option.
class CAdvancedSettingsMPDlg : public CGDIpMultiPageDialog, public IMultilangGUI
{
    DECLARE_DYNAMIC(CAdvancedSettingsMPDlg)

public:
    explicit CAdvancedSettingsMPDlg(CWnd* pParent = nullptr);
    ~CAdvancedSettingsMPDlg() override;

    BOOL OnInitDialog() override;
    void v_init() override;
    void v_activate() override;
    void v_translate() override;
    void refreshFromRecord();

    BOOL m_injectors12v = FALSE;
    BOOL m_fastSwitch = FALSE;
    BOOL m_exitCutOff = FALSE;
    BOOL m_valvetronic = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnClickedCheckInj12v();
    afx_msg void OnBnClickedCheckfastswitch();
    afx_msg void OnClickedCheckExitFromCutoff();
    afx_msg void OnSelendokCmbCutoffPressure();
    afx_msg void OnSelendokComboReturnToGas();
    afx_msg void OnSelendokComboReturnToGasEmulatorDelay();
    afx_msg void OnSelendokComboPetrolPostInjection();
    afx_msg void OnSelendokComboRpmForLubrification();
    afx_msg void OnSelendokComboIgnore();
    afx_msg void OnClickedChkStartAuto();

    DECLARE_MESSAGE_MAP()

private:
    void changeAdvValue(const wchar_t* handler, CValueCmbBox& box, double CAdvSettings::*field);
    void run12vSequence();

    PageHeadingFont m_headingFont;
    CExtImage m_selectedImage;
    CExtImage m_unselectedImage;
    CHeaderStatic m_header;
    COrangeCheckBox m_checks[4]; // +12 V, fast switch, exit cut-off, Valvetronic
    COrangeStatic m_labels[6];
    CValueCmbBox m_cutOffPressure;
    CValueCmbBox m_returnDelay;
    CValueCmbBox m_returnEmulatorDelay;
    CValueCmbBox m_postInjection;
    CValueCmbBox m_rpmAbove;
    CValueCmbBox m_ignore;
    CUnitsStatic m_units[6];
};
