#pragma once

#include "COrvoButton.h"
#include "COrvoEdit.h"
#include "COrvoSpinButtonCtrl.h"

#include <CExtImage.h>
#include <CImageCheckBox.h>
#include <CSkinDlg.h>
#include <CTransparentStatic.h>

// "On Board Diagnostic Setup": the controller's own circuit checks switched
// on and off, their limits, and three live readings once a second. Every
// change goes into the record and, when connected, to block 35.
class COnBoardDiagDialog : public CSkinDlg
{
public:
    static const int kChecks = 5;
    static const int kLimits = 4;
    static const int kStatics = 16;

    explicit COnBoardDiagDialog(CWnd* parent = nullptr);
    ~COnBoardDiagDialog() override;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    // Every check box: the bit it stands for, written with block 35.
    afx_msg void onFlagClicked(UINT id);
    afx_msg void OnDeltaposSpinMaxInjCurrent(NMHDR* pHdr, LRESULT* pResult);
    afx_msg void OnDeltaposSpinMinValveCurrent(NMHDR* pHdr, LRESULT* pResult);
    afx_msg void OnDeltaposSpinMaxValveCurrent(NMHDR* pHdr, LRESULT* pResult);
    afx_msg void OnDeltaposSpinMinVcc5Ext(NMHDR* pHdr, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    void spinMoved(int limit, NMHDR* pHdr, LRESULT* pResult, const wchar_t* handler);
    void showLimit(int limit);
    void showReadings();

    CExtImage m_checkedImage;
    CExtImage m_uncheckedImage;
    CTransparentStatic m_statics[kStatics];
    CImageCheckBox m_checkBoxes[kChecks];
    COrvoEdit m_limitEdits[kLimits];
    COrvoSpinButtonCtrl m_spins[kLimits];
    COrvoEdit m_readingEdits[3];
    COrvoButton m_close;
    int m_checks[kChecks] = {};
};
