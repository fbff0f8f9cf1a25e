#pragma once

#include "CExtListCtrl.h"
#include "CCtrlContainerView.h"
#include "TCtrlContainer.h"

// A view whose whole client area is a CExtListCtrl.
class PRAMBLE_API ExtListView : public CCtrlContainerView, public TCtrlContainer<CExtListCtrl, ExtListView>
{
    DECLARE_DYNCREATE(ExtListView)

public:
    void onInit() override;
    void onSize(int cx, int cy) override;

protected:
    ExtListView() = default;
};
