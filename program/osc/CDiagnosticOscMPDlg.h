#pragma once

#include "CDiagnosticChart.h"
#include "COrangeCheckBox.h"
#include "COrvoEdit.h"
#include "IMultilangGUI.h"
#include "ITimerBasedGUI.h"

#include <CExtImage.h>
#include <CGDIpGradientButton.h>
#include <CGDIpMultiPageDialog.h>

class CDiag;

// The "Oscilloscope" page: the live-data chart, its player buttons and the
// nine channel boxes with their values.
class CDiagnosticOscMPDlg : public CGDIpMultiPageDialog, public ITimerBasedGUI, public IMultilangGUI
{
    DECLARE_DYNAMIC(CDiagnosticOscMPDlg)

public:
    static const int kChannels = 9;
    static const int kButtons = 7;

    explicit CDiagnosticOscMPDlg(CWnd* pParent = nullptr);
    ~CDiagnosticOscMPDlg() override;

    BOOL OnInitDialog() override;
    void v_activate() override;
    void v_onTimer() override;
    void v_translate() override;

    CDiagnosticChart& chart() { return m_chart; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    DECLARE_MESSAGE_MAP()

private:
    void loadImages();
    void setupChart();
    void onChannelClicked(int channel);
    void showLiveValues(const CDiag& sample);
    void showCursorValues();
    void onButton(int button);

    CDiagnosticChart m_chart;
    CExtImage m_checkImages[2];
    CExtImage m_buttonImages[kButtons];
    CGDIpGradientButton m_buttons[kButtons];
    COrvoEdit m_values[kChannels];
    COrangeCheckBox m_checks[kChannels];
    int m_checkStates[kChannels];
};
