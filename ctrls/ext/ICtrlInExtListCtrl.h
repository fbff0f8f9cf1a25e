#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

class CExtListCtrl;

// An editor that an extended list shows over one cell of its column. The
// list owns it once registered with SetCtrlInCol.
class PRAMBLE_API ICtrlInExtListCtrl
{
public:
    ICtrlInExtListCtrl() = default;
    ICtrlInExtListCtrl(const ICtrlInExtListCtrl&) = default;
    ICtrlInExtListCtrl& operator=(const ICtrlInExtListCtrl&) = default;
    virtual ~ICtrlInExtListCtrl();

    virtual void init(CExtListCtrl* list);
    // After the editor was moved over its cell and shown.
    virtual void onShow();
    // After the editor was hidden.
    virtual void onHide();
    virtual CWnd* getWnd() = 0;
    virtual void adaptSize(RECT& cell) = 0;
    virtual void onInit() = 0;

protected:
    CExtListCtrl* m_pList = nullptr;
};
