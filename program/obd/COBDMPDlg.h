#pragma once

#include "COBDCodes.h"
#include "COrangeCheckBox.h"
#include "COrangeStatic.h"
#include "COrvoButton.h"
#include "COrvoDescribedDisplay.h"
#include "COrvoEdit.h"
#include "COrvoSpinButtonCtrl.h"
#include "CStrValueCmbBox.h"
#include "CUnitsStatic.h"
#include "IMultilangGUI.h"
#include "ITimerBasedGUI.h"
#include "ObdLinkSetup.h"

#include <CExtImage.h>
#include <CGDIpMultiPageDialog.h>
#include <CGDIpTextListCtrl.h>

#include <cstdint>
#include <vector>

class CLPGDevice;
struct COBDAdvSetup;
struct COBDSetup;

// The page "Petrol OBD": the petrol ECU's fuel trims live, its trouble
// codes read and cleared, the OBD link chosen and tested, and the
// controller's OBD correction settings (block 27).
class COBDMPDlg : public CGDIpMultiPageDialog, public ITimerBasedGUI, public IMultilangGUI, public COBDCodes
{
    DECLARE_DYNAMIC(COBDMPDlg)

public:
    static const int kInjectors = 8;
    static const int kBankBoxes = 2 * kInjectors;

    explicit COBDMPDlg(CWnd* pParent = nullptr);
    ~COBDMPDlg() override;

    BOOL OnInitDialog() override;
    void v_activate() override;
    void v_onTimer() override;
    void v_translate() override;

    // The link tries of the page; the outcome shows in combo 1197.
    void setupAuto(ObdLinkRun run = ObdLinkRun::UserChoice);
    void setupForProtocol(uint8_t proto);

    // Bank assignment and detection (COBDMPDlgBanks.cpp).
    // Checks "Bank 2" of injector i when bit i of `mask` is set, else "Bank 1".
    void setBankBoxes(uint8_t mask);
    // Box (injector, bank) clicked: the other box of the injector flips and
    // the mask goes to the controller; afterwards both boxes of the injector
    // show the record, so a refused click leaves no box changed.
    void onInjActive(int injector, int bank);

    // The rows of the trouble-code list, top down.
    const std::vector<CString>& errorRows() const { return m_errList.m_textLines; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnBnClickedButtonread();
    afx_msg void OnBnClickedButtonclear();
    afx_msg void OnBnClickedAdvanced();
    afx_msg void OnCbnSelendokCombocorron();
    afx_msg void OnCbnSelendokComboEnable();
    afx_msg void OnDeltaposSpinNeutral1(NMHDR* pHdr, LRESULT* pResult);
    afx_msg void OnDeltaposSpinNeutral2(NMHDR* pHdr, LRESULT* pResult);
    afx_msg void OnDeltaposSpinAverageCorr(NMHDR* pHdr, LRESULT* pResult);
    afx_msg void OnDeltaposSpinMaxCorr(NMHDR* pHdr, LRESULT* pResult);
    afx_msg void OnBankBoxClicked(UINT id);
    afx_msg void OnClickedBtnDetect();

    DECLARE_MESSAGE_MAP()

private:
    void init();
    void fillLists();
    void showCorrectionSettings(const COBDAdvSetup& setup);
    void showBank2(bool show);
    // The two box values of `injector` from bank mask `mask`, not yet shown.
    void checkBank(int injector, uint8_t mask);
    void pollTrims(CLPGDevice& device);
    void updateActualCorrection();
    void showActualCorrection(double bank1, double bank2);
    void clearPidTexts(CLPGDevice& device);
    void setErrorRows(const std::vector<uint16_t>& codes);
    void showLinkChoice(const COBDSetup& link);
    void showLinkResult(ObdLinkResult result);
    bool showRecordIfRefused();
    bool writeDefaultCorrections(CLPGDevice& device);
    void switchLinkOff(CLPGDevice& device);
    struct SpinField;
    // Moves one field of block 27 by a spin's step and writes the block
    // when it changed.
    void spinMoved(NMHDR* pHdr, LRESULT* pResult, const wchar_t* handler, const SpinField& spin);

    CExtImage m_selectedImage;
    CExtImage m_unselectedImage;
    COrangeCheckBox m_bankBoxes[kBankBoxes];
    int m_bankChecks[kBankBoxes] = {};
    CStrValueCmbBox m_cmbLink;
    CStrValueCmbBox m_cmbCorrState;
    COrvoEdit m_edits[6];
    COrvoSpinButtonCtrl m_spins[4];
    COrangeStatic m_labels[11];
    CUnitsStatic m_units[6];
    CGDIpTextListCtrl m_errList;
    COrvoDescribedDisplay m_trims[4];
    COrangeStatic m_headings[3];
    COrvoButton m_buttons[4];
    uint8_t m_obdCorrOn = 0;
    uint8_t m_ltftBank1Seen = 0;
    uint8_t m_ltftBank2Seen = 0;
};
