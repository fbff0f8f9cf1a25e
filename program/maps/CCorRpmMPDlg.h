#pragma once

#include "CMapArray.h"
#include "CMapFromOBD.h"
#include "COrangeCheckBox.h"
#include "COrvoButton.h"
#include "CStrValueCmbBox.h"
#include "IMultilangGUI.h"
#include "MapAxes.h"
#include "ITimerBasedGUI.h"

#include <CExtImage.h>
#include <CGDIpMultiPageDialog.h>
#include <COBDAdvSetup.h>

class CLPGDevice;

// The "RPM Map" page: the controller's RPM correction map as a table with
// the engine's operating point, steps of the selected cells, clearing, the
// map type, the map coordinates and the mapping from the engine computer's
// fuel trims.
class CCorRpmMPDlg : public CGDIpMultiPageDialog, public IMultilangGUI, public ITimerBasedGUI
{
    DECLARE_DYNAMIC(CCorRpmMPDlg)

public:
    explicit CCorRpmMPDlg(CWnd* pParent = nullptr);
    ~CCorRpmMPDlg() override;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void v_activate() override;
    void v_onTimer() override;
    void v_translate() override;

    // Shows the record's map, axes and map type.
    void refreshMap();
    void showObdResults();
    CMapArray& mapTable() { return m_mapTable; }
    bool isMapping() const { return m_mappingRunning; }
    CMapFromOBD& obdMapping() { return m_mapFromOBD; }

    afx_msg void OnClickedChkNeighbours();
    afx_msg void OnBnClickedBtnClearMap();
    afx_msg void OnClickedChkObdMapping();
    afx_msg void OnClickedBtnObdMapStart();
    afx_msg void OnClickedBtnObdMapStop();
    afx_msg void OnClickedBtnObdMapCalculate();
    afx_msg void OnClickedBtnPlus1() { stepSelected(+1); }
    afx_msg void OnClickedBtnPlus2() { stepSelected(+2); }
    afx_msg void OnClickedBtnPlus5() { stepSelected(+5); }
    afx_msg void OnClickedBtnMinus1() { stepSelected(-1); }
    afx_msg void OnClickedBtnMinus2() { stepSelected(-2); }
    afx_msg void OnClickedBtnMinus5() { stepSelected(-5); }
    afx_msg void OnSelendokCmbMapType();
    afx_msg void OnClickedBtnDefinition();
    afx_msg void OnDestroy();

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()

private:
    void createMapTable();
    void initControls();
    void stepSelected(int step);
    bool handleMapKey(const MSG& msg);
    void showObdButtons();
    // Map type and coordinates: the new settings go to the controller, and
    // a failure puts the old ones back.
    bool changeMapType(CLPGDevice& device, bool vacuum);
    bool writeAxes(CLPGDevice& device, const LoadAxis& load, const RpmAxis& rpm);
    // OBD mapping: ends it and gives the controller its automatic correction back.
    void endMapping(CLPGDevice* device);
    bool startMapping(CLPGDevice& device);
    bool storeObdCorrections(CLPGDevice& device, const CCorrMap& corrected);

    CMapArray m_mapTable;
    CExtImage m_checkSelected;
    CExtImage m_checkUnselected;
    COrvoButton m_stepButtons[6];
    COrangeCheckBox m_neighboursCheck;
    COrvoButton m_clearButton;
    COrvoButton m_calculateButton;
    COrvoButton m_stopButton;
    COrvoButton m_startButton;
    COrangeCheckBox m_obdMappingCheck;
    CStrValueCmbBox m_mapTypeCombo;
    COrvoButton m_definitionButton;
    CMapFromOBD m_mapFromOBD;
    int m_obdMapping = 0;
    int m_neighbours = 0;
    bool m_mappingRunning = false;
    // Byte 0 of block 27 as read when mapping started: the automatic OBD correction.
    bool m_correctionSaved = false;
    uint8_t m_savedCorrection = 0;
};
