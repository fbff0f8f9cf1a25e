#pragma once

#include "CExtListCtrlRearange.h"
#include "CCtrlContainerView.h"
#include "TCtrlContainer.h"

// A view whose whole client area is a CExtListCtrlRearange.
class PRAMBLE_API CExtListViewRearange : public CCtrlContainerView,
                                         public TCtrlContainer<CExtListCtrlRearange, CExtListViewRearange>
{
    DECLARE_DYNCREATE(CExtListViewRearange)

public:
    void onInit() override;
    void onSize(int cx, int cy) override;

protected:
    CExtListViewRearange() = default;
};
