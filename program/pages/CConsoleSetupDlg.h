#pragma once

#include "CStrValueCmbBox.h"
#include "COrvoButton.h"

#include <CImageCheckBox.h>
#include <CSkinDlg.h>
#include <CTransparentStatic.h>

// The fuel switch console set-up: the console type and three signalling
// options, opened from the bottom page.
class CConsoleSetupDlg : public CSkinDlg
{
    DECLARE_DYNAMIC(CConsoleSetupDlg)

public:
    explicit CConsoleSetupDlg(CWnd* pParent = nullptr);
    ~CConsoleSetupDlg() override;

    BOOL OnInitDialog() override;

    BOOL m_switchingSignal = FALSE;
    BOOL m_buzzerContinuous = FALSE;
    BOOL m_hidePetrol = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnClickedChkHidePetrol();
    afx_msg void OnClickedChkBuzzerContinous();
    afx_msg void OnClickedChkBuzzerSignalling();
    afx_msg void OnSelendokCmbConsoleType();

    DECLARE_MESSAGE_MAP()

private:
    void loadImages();

    CExtImage m_selectedImage;
    CExtImage m_unselectedImage;
    CTransparentStatic m_caption;
    CStrValueCmbBox m_type;
    CTransparentStatic m_labels[3];
    CImageCheckBox m_checks[3]; // switching signal, buzzer continuous, hide petrol
    COrvoButton m_ok;
};
