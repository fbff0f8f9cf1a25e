#pragma once

#include "COrvoButton.h"
#include "COrvoEdit.h"
#include "COrvoSpinButtonCtrl.h"
#include "CStrValueCmbBox.h"

#include <CSkinDlg.h>
#include <CTransparentStatic.h>

struct CSensorsSetup;

// The gas level sensor set-up behind the base page's "..." button: the
// sensor type loads a preset of the four gauge voltages, and a spin per
// level moves its voltage by 0.02 V; the gauge input is shown live.
class CCppDlg : public CSkinDlg
{
public:
    explicit CCppDlg(CWnd* parent = nullptr);
    ~CCppDlg() override;

    BOOL OnInitDialog() override;
    void refreshFromRecord();

    struct Preset
    {
        int type;
        unsigned char full, threeQuarters, half, quarter, res;
        bool listed;
    };
    // The preset of a sensor type; null for a type without one.
    static const Preset* preset(int type);

    static const UINT kLiveTimer = 5005;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSelendokComboleveltype();
    afx_msg void OnDeltaposSpinR1(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeltaposSpinR2(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeltaposSpinR3(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeltaposSpinR4(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    void stepLevel(const wchar_t* handler, int level, NMHDR* pNMHDR, LRESULT* pResult);
    void showLevels();

    CTransparentStatic m_header;
    CTransparentStatic m_typeLabel;
    CStrValueCmbBox m_type;
    CTransparentStatic m_levelLabels[5];
    COrvoEdit m_levels[4]; // full, three quarters, half, quarter
    COrvoSpinButtonCtrl m_spins[4];
    COrvoEdit m_live;
    COrvoButton m_ok;
};
