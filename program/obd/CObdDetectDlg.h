#pragma once

#include "COrvoButton.h"
#include "COrvoEdit.h"
#include "COrvoSpinButtonCtrl.h"

#include <CSkinDlg.h>
#include <CTransparentStatic.h>

// Asks how far the injector bank detection shifts a cylinder's gas: 20 to
// 200 percent of the injection time in steps of 10.
class CObdDetectDlg : public CSkinDlg
{
public:
    explicit CObdDetectDlg(CWnd* parent = nullptr);
    ~CObdDetectDlg() override;

    BOOL OnInitDialog() override;

    double m_maxShift = 100.0; // percent

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnDeltaposShift(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    void showShift();

    CTransparentStatic m_caption;
    COrvoEdit m_shift;
    COrvoSpinButtonCtrl m_shiftSpin;
    CTransparentStatic m_units;
    COrvoButton m_ok;
};
