#pragma once

#include "ICtrlContainer.h"

#include <Wfx.h>

// A view that hosts one control over its whole client area: created on the
// first initial update, fitted on every size change. It paints nothing of
// its own.
class PRAMBLE_API CCtrlContainerView : public CView, public ICtrlContainer
{
    DECLARE_DYNCREATE(CCtrlContainerView)

public:
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    void onInit() override;
    void onSize(int cx, int cy) override;

protected:
    CCtrlContainerView() = default;

    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()
};
