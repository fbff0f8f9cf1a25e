#pragma once

#include "COrvoButton.h"
#include "CStrValueCmbBox.h"
#include "CValueCmbBox.h"

#include <CExtImage.h>
#include <CImageCheckBox.h>
#include <CSkinDlg.h>
#include <CTransparentStatic.h>

#include <cstdint>

// "Advanced": the less common OBD correction settings of block 27: how the
// controller takes the petrol ECU's trims, the RPM from which it corrects,
// and which trouble codes it clears in the car by itself. Every change is
// written at once.
class COBDAdvancedDlg : public CSkinDlg
{
public:
    static const int kChecks = 7;
    static const int kCodeLists = 4;

    explicit COBDAdvancedDlg(CWnd* parent = nullptr);
    ~COBDAdvancedDlg() override;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    // Every check box: the bit it stands for, written with block 27.
    afx_msg void onFlagClicked(UINT id);
    // Every list of codes to clear.
    afx_msg void onCodeSelected(UINT id);
    afx_msg void OnSelendokCmbRpmForCorr();

    DECLARE_MESSAGE_MAP()

private:
    void translateCaptions();
    void fillRpmList(uint16_t rpm);
    void fillCodeList(CStrValueCmbBox& list, uint16_t code);
    void checksFromFlags(uint8_t flags);
    bool showRecordIfRefused();

    CTransparentStatic m_lblRpm;
    CValueCmbBox m_cmbRpm;
    CTransparentStatic m_labels[5];
    CExtImage m_selectedImage;
    CExtImage m_unselectedImage;
    CImageCheckBox m_checkBoxes[kChecks];
    CTransparentStatic m_lblFuelTrim;
    CStrValueCmbBox m_codeLists[kCodeLists];
    COrvoButton m_ok;
    CTransparentStatic m_lblPending;
    int m_checks[kChecks] = {};
};
