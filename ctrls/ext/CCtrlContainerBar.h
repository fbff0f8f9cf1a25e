#pragma once

#include "CSizingControlBar.h"
#include "ICtrlContainer.h"
#include "PrambleApi.h"

// A sizing control bar hosting one control: onInit while the bar's window
// is created (before it is shown or docked), onSize after every resize.
class PRAMBLE_API CCtrlContainerBar : public CSizingControlBar, public ICtrlContainer
{
    DECLARE_DYNAMIC(CCtrlContainerBar)

public:
    void onInit() override {}
    void onSize(int, int) override {}

protected:
    CCtrlContainerBar();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()
};
