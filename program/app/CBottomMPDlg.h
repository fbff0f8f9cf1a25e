#pragma once

#include "COrangeStatic.h"
#include "CUnitsStatic.h"
#include "CValueStatic.h"
#include "FittedFont.h"
#include "IMultilangGUI.h"
#include "ITimerBasedGUI.h"

#include <CExtImage.h>
#include <CGDIpGradientButton.h>
#include <CGDIpMultiPageDialog.h>

class CDiag;

// The status strip under the pages: live values of the newest sample, the
// connection caption and the console button that shows and switches the fuel.
class CBottomMPDlg : public CGDIpMultiPageDialog, public ITimerBasedGUI, public IMultilangGUI
{
    DECLARE_DYNAMIC(CBottomMPDlg)

public:
    static const int kValues = 9;

    explicit CBottomMPDlg(CWnd* pParent = nullptr);
    ~CBottomMPDlg() override;

    BOOL OnInitDialog() override;
    void setConnected(bool connected);
    void v_onTimer() override;
    void v_translate() override;

    // The gas level 0 (reserve) to 4 (full) of a level byte against the four
    // thresholds of the gas level sensor; a falling sensor is read inverted.
    static int gasLevel(unsigned char level, const unsigned char thresholds[4]);

    CGDIpGradientButton& consoleButton() { return m_consoleButton; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnBnClickedButtonauto();
    afx_msg void OnBnDoubleclickedButtonauto();
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    void loadConsoleImages();
    void showValues(const CDiag& sample);
    void showConsole(const CDiag& sample);
    void fitCaptionFont();

    CExtImage m_consoleImages[7];
    CGDIpGradientButton m_consoleButton;
    // The nine column captions, then the connection caption.
    COrangeStatic m_captions[10];
    CValueStatic m_values[kValues];
    CUnitsStatic m_units[kValues];
    // The column captions: the page's font where they fit their columns.
    FittedFont m_captionFont;
};
