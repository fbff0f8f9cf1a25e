#pragma once

#include "PrambleApi.h"

#include <CSortHeaderCtrl.h>

#include <vector>

class CExtListCtrlRearange;

// The header of a rearrangeable list: an item dragged along the header and
// dropped elsewhere makes the header call its callback with the source
// index and the drop index; a triangle below the header marks the drop
// position meanwhile.
class PRAMBLE_API CRearangeHeaderCtrl : public CSortHeaderCtrl
{
    DECLARE_DYNAMIC(CRearangeHeaderCtrl)

public:
    typedef void (*DragCallback)(CExtListCtrlRearange* user, int from, int to);

    CRearangeHeaderCtrl() = default;
    CRearangeHeaderCtrl(CExtListCtrlRearange* user, DragCallback callback)
        : m_pCallback(callback), m_pUser(user)
    {
    }

    void setDragCallback(CExtListCtrlRearange* user, DragCallback callback)
    {
        m_pUser = user;
        m_pCallback = callback;
    }
    bool isDragging() const { return m_bDragging; }

protected:
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);

    bool m_bDragArmed = false;
    bool m_bDragging = false;
    std::vector<int> m_itemWidths; // read when a drag starts
    int m_nSource = -1;
    int m_nDrop = -1;
    CRect m_marker;
    DragCallback m_pCallback = nullptr;
    CExtListCtrlRearange* m_pUser = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    void startDrag();
    void moveMarker(int x);
    // Ends a drag; true when one was running.
    bool stopDrag();
};
