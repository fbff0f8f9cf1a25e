#pragma once

#include <Wfx.h>

// An editor that an extended list (List) shows over one cell of its column.
// The list owns it once registered with SetCtrlInCol.
template <class List> class TCtrlInExtListCtrl
{
public:
    TCtrlInExtListCtrl() = default;
    TCtrlInExtListCtrl(const TCtrlInExtListCtrl&) = default;
    TCtrlInExtListCtrl& operator=(const TCtrlInExtListCtrl&) = default;
    virtual ~TCtrlInExtListCtrl() = default;

    virtual void init(List* list)
    {
        m_pList = list;
        onInit();
    }
    // After the editor was moved over its cell and shown.
    virtual void onShow() {}
    // After the editor was hidden.
    virtual void onHide() {}
    virtual CWnd* getWnd() = 0;
    virtual void adaptSize(RECT& cell) = 0;
    virtual void onInit() = 0;

protected:
    List* m_pList = nullptr;
};
