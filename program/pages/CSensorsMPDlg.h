#pragma once

#include "CHeaderStatic.h"
#include "COrangeCheckBox.h"
#include "COrangeStatic.h"
#include "COrvoButton.h"
#include "CStrValueCmbBox.h"
#include "CUnitsStatic.h"
#include "CValueCmbBox.h"
#include "IMultilangGUI.h"
#include "InjectorGrouping.h"
#include "PageHeadingFont.h"

#include <CExtImage.h>
#include <CSettingsRecord.h>
#include <CGDIpMultiPageDialog.h>
#include <CInjConfigMap.h>
#include <CTransparentStatic.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class CLPGDevice;
class ProcedureRunner;

// The page "Sensors": sensor types, injector warming, early gas valve, and
// the grouping of the petrol injectors, set from a list, from the map, by
// detection on the running engine, and the sequence advance order.
class CSensorsMPDlg : public CGDIpMultiPageDialog, public IMultilangGUI
{
    DECLARE_DYNAMIC(CSensorsMPDlg)

public:
    // Posted at a press on the page, so the map is read after the press.
    static const UINT kMapPressedMessage = WM_APP + 0x122;

    explicit CSensorsMPDlg(CWnd* pParent = nullptr);
    ~CSensorsMPDlg() override;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void v_activate() override;
    void v_translate() override;

    CInjConfigMap& injectorMap() { return m_injMap; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnMapPressed(WPARAM, LPARAM);
    afx_msg void OnSelendokCmbTemprEngineSensor();
    afx_msg void OnSelendokCmbTemprLpgSensor();
    afx_msg void OnSelendokCmbLambdaType();
    afx_msg void OnSelendokCombopresstype();
    afx_msg void OnSelendokComboWarmingTime();
    afx_msg void OnSelendokComboWarmingImpulse();
    afx_msg void OnBnClickedCheckwarming();
    afx_msg void OnBnClickedCheckdelayvalves();
    afx_msg void OnClickedCheckWarmingExt();
    afx_msg void OnSelendokComboinjdefinition();
    afx_msg void OnBtnDetect();
    afx_msg void OnClickedChkOvertaking180();

    DECLARE_MESSAGE_MAP()

private:
    void fillLists();
    void fillControls(const CSettingsRecord& record);
    void showSequenceAdvance(const CSettingsRecord& record);
    void temperatureSensorChanged(uint8_t CSensorsSetup::*field, const CStrValueCmbBox& list,
                                  const wchar_t* handler);
    // The check state into the record; written when connected.
    void checkBoxChanged(const wchar_t* handler, bool (CLPGDevice::*write)(),
                         const std::function<void(CSettingsRecord&)>& change);
    void writeMapChange(CLPGDevice& device);
    void detect(CLPGDevice& device);
    bool detectedGrouping(CLPGDevice& device);
    void sequenceAdvanceOff(ProcedureRunner& runner);
    void sequenceAdvanceOn(ProcedureRunner& runner);
    bool computeAdvanceOrder(CLPGDevice& device, Grouping& order);
    void enableGrouping(bool enable);
    void mapFromRecord();
    Grouping mapBytes();
    bool resetWithoutOwner(ProcedureRunner& runner);
    bool writeStep(ProcedureRunner& runner, bool (CLPGDevice::*block)());

    PageHeadingFont m_headerFont;
    CStrValueCmbBox m_cmbLambda;
    CStrValueCmbBox m_cmbPressure;
    CStrValueCmbBox m_cmbGasTempr;
    CStrValueCmbBox m_cmbEngineTempr;
    CHeaderStatic m_heading;
    COrangeStatic m_labels[7];
    CUnitsStatic m_unitSec;
    COrvoButton m_detect;
    CExtImage m_selectedImage;
    CExtImage m_unselectedImage;
    COrangeCheckBox m_chkWarming;
    COrangeCheckBox m_chkDelayValves;
    CStrValueCmbBox m_cmbInjConfig;
    CValueCmbBox m_cmbWarmingTime;
    CInjConfigMap m_injMap;
    BOOL m_warming = FALSE;
    BOOL m_delayValves = FALSE;
    CValueCmbBox m_cmbWarmingImpulse;
    CUnitsStatic m_unitMs;
    BOOL m_warmingExt = FALSE;
    COrangeCheckBox m_chkWarmingExt;
    COrangeCheckBox m_chkSeqAdvance;
    CTransparentStatic m_orderText;
    BOOL m_seqAdvance = FALSE;
};
