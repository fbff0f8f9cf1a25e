#pragma once

#include "AutoMapMath.h"
#include "COrangeStatic.h"
#include "COrvoButton.h"
#include "CStrValueCmbBox.h"
#include "CTimeCorrChart.h"
#include "IMultilangGUI.h"
#include "ITimerBasedGUI.h"

#include <CExtImage.h>
#include <CGDIpMultiPageDialog.h>
#include <CGDIpProgressBar.h>
#include <CImageCheckBox.h>

class CLPGDevice;
class CSettingsRecord;

// The "Auto Mapping" page: the time correction curve with the load points
// the controller collected on petrol and on gas, the collection progress,
// the auto-mapping mode, the map scale, the padlocks of the petrol map and
// of the low curve rows, clearing, and corrections counted from the points.
class CGasInjectionMapMPDlg : public CGDIpMultiPageDialog,
                              public ITimerBasedGUI,
                              public IMultilangGUI,
                              public ITimeCorrChartParentDlg
{
    DECLARE_DYNAMIC(CGasInjectionMapMPDlg)

public:
    explicit CGasInjectionMapMPDlg(CWnd* pParent = nullptr);
    ~CGasInjectionMapMPDlg() override;

    BOOL OnInitDialog() override;
    void v_activate() override;
    void v_onTimer() override;
    void v_translate() override;
    void onCorrChanged() override;
    void onIncrementAll(bool up) override;

    // The chart from the record's curve and anchor rows.
    void refreshCurve();
    // Both point tables read, cleaned and shown.
    void readMapPoints();
    void showMapPoints();
    // The curve smoothed, then written as both tables.
    bool OnBnClickedBtnAverage();

    CTimeCorrChart& chart() { return m_chart; }
    const LoadPoints& petrolPoints() const { return m_petrolPoints; }
    const LoadPoints& gasPoints() const { return m_gasPoints; }
    int lockRow() const { return m_lockRow; }
    int progress(bool gas) const { return (gas ? m_gasProgress : m_petrolProgress).getPos(); }

    afx_msg void OnBtnClrMap();
    afx_msg void OnBtnClrMapLpg();
    afx_msg void OnBtnCreate();
    afx_msg void OnBnClickedBtnClearCorr();
    afx_msg void OnBnClickedChkLockPetrolMap();
    afx_msg void OnBnClickedChkLockCorrections();
    afx_msg void OnSelendokCmbAutomap();
    afx_msg void OnSelendokCmbScale();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnSize(UINT type, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    static const uint16_t kPetrolMapLocked = 0x0004;
    static const uint16_t kCorrectionsLocked = 0x0040;
    static const uint16_t kMap40ms = 0x1000;

    void loadImages();
    void styleProgressBars();
    void fitControlFont();
    void deriveLockRow();
    void applyCorrectionLocks();
    void showModeSelection();
    void showScaleSelection();
    void markCurveAnchors(const CSettingsRecord& r);
    bool countCorrection(CLPGDevice& device);
    bool averageCurve(CLPGDevice& device);
    bool clearCorrection(CLPGDevice& device);
    bool writeLockFlag(CLPGDevice& device, uint16_t flag, bool on);
    bool writeMode(CLPGDevice& device, int value);
    bool writeCurveA(CLPGDevice& device, const CurveValues& a);
    bool automapping();
    // Shows `message` and is true while the controller maps by itself.
    bool refusedWhileMapping(const wchar_t* message);
    void clearPointTable(CLPGDevice& device, bool gas);

    CTimeCorrChart m_chart;
    COrangeStatic m_petrolCaption;
    COrangeStatic m_gasCaption;
    COrangeStatic m_automapCaption;
    CGDIpProgressBar m_petrolProgress;
    CGDIpProgressBar m_gasProgress;
    CImageCheckBox m_lockPetrolCheck;
    CImageCheckBox m_lockCorrCheck;
    COrvoButton m_clearPetrolButton;
    COrvoButton m_clearGasButton;
    COrvoButton m_clearCorrButton;
    COrvoButton m_countButton;
    CStrValueCmbBox m_modeCombo;
    CStrValueCmbBox m_scaleCombo;
    LoadPoints m_petrolPoints;
    LoadPoints m_gasPoints;
    int m_lockPetrolMap = 0;
    int m_lockCorrections = 0;
    int m_lockRow = 6;
    CExtImage m_redLocked;
    CExtImage m_redUnlocked;
    CExtImage m_greenLocked;
    CExtImage m_greenUnlocked;
    CExtImage m_clearPetrolImage;
    CExtImage m_clearGasImage;
    CFont m_controlFont;
};
