#pragma once

#include "COrvoButton.h"
#include "COrvoEdit.h"
#include "COrvoSpinButtonCtrl.h"
#include "CStrValueCmbBox.h"
#include "CValueCmbBox.h"

#include <CSkinDlg.h>
#include <CTransparentStatic.h>

// Suggests the gas injectors' nozzle diameter from the engine's power and
// cylinder count, for 1.2 and 1.5 bar. Reads and writes nothing of the
// controller.
class CInjSizeCalcDlg : public CSkinDlg
{
public:
    explicit CInjSizeCalcDlg(CWnd* parent = nullptr);
    ~CInjSizeCalcDlg() override;

    BOOL OnInitDialog() override;

    struct Nozzles
    {
        double lowPressure;  // 1.2 bar, mm
        double highPressure; // 1.5 bar, mm
    };
    // False when there is nothing to suggest: no cylinder count, or a power
    // that is not a positive number.
    static bool calculate(double power, int cylinders, bool cng, Nozzles& out);

    CString m_power;
    CString m_lowResult;
    CString m_highResult;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnDeltaposPower(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnCalculate();

    DECLARE_MESSAGE_MAP()

private:
    CTransparentStatic m_labels[7];
    COrvoEdit m_powerEdit;
    COrvoSpinButtonCtrl m_powerSpin;
    CValueCmbBox m_cylinders;
    CStrValueCmbBox m_injectionType;
    COrvoButton m_calculate;
    COrvoEdit m_lowEdit;
    COrvoEdit m_highEdit;
};
