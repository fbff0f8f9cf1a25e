#include "CRearangeHeaderCtrl.h"

IMPLEMENT_DYNAMIC(CRearangeHeaderCtrl, CSortHeaderCtrl)

BEGIN_MESSAGE_MAP(CRearangeHeaderCtrl, CSortHeaderCtrl)
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDOWN()
ON_MESSAGE(WM_CAPTURECHANGED, &CRearangeHeaderCtrl::OnCaptureChanged)
END_MESSAGE_MAP()

void CRearangeHeaderCtrl::OnLButtonDown(UINT, CPoint point)
{
    HDHITTESTINFO hit{};
    hit.pt = point;
    const int item = int(SendMessage(HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (item >= 0 && (hit.flags & HHT_ONHEADER)) {
        m_nSource = item;
        m_bDragArmed = true;
    }
    Default();
}

void CRearangeHeaderCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!(nFlags & MK_LBUTTON)) {
        m_bDragArmed = false;
        stopDrag();
        Default();
    } else if (m_bDragging) {
        moveMarker(point.x);
    } else if (m_bDragArmed) {
        startDrag();
    } else {
        Default();
    }
}

void CRearangeHeaderCtrl::OnLButtonUp(UINT, CPoint)
{
    if (stopDrag() && m_nDrop != m_nSource && m_nDrop != m_nSource + 1 && m_pCallback)
        m_pCallback(m_pUser, m_nSource, m_nDrop);
    Default();
}

// Losing the mouse to another window ends the drag without a drop.
LRESULT CRearangeHeaderCtrl::OnCaptureChanged(WPARAM, LPARAM lParam)
{
    if (reinterpret_cast<HWND>(lParam) != m_hWnd && m_bDragging) {
        m_bDragging = false;
        m_itemWidths.clear();
        Invalidate(TRUE);
    }
    return Default();
}

void CRearangeHeaderCtrl::startDrag()
{
    m_bDragArmed = false;
    m_bDragging = true;
    m_nDrop = m_nSource;
    SetCapture();
    m_itemWidths.clear();
    const int count = GetItemCount();
    for (int i = 0; i < count; ++i) {
        HDITEMW item{};
        item.mask = HDI_WIDTH;
        GetItem(i, &item);
        m_itemWidths.push_back(item.cxy);
    }
}

void CRearangeHeaderCtrl::moveMarker(int x)
{
    int i = 0;
    int left = 0;
    if (x > 0)
        for (; i < int(m_itemWidths.size()); ++i) {
            if (left <= x && x < left + m_itemWidths[size_t(i)])
                break;
            left += m_itemWidths[size_t(i)];
        }
    if (i == m_nDrop)
        return;
    m_nDrop = i;
    InvalidateRect(&m_marker, TRUE);
    CRect client;
    GetClientRect(&client);
    const int h = client.Height();
    const POINT marker[] = {{left, h}, {left - 3, h - 7}, {left + 3, h - 7}};
    CClientDC dc(this);
    dc.Polygon(marker, 3);
    m_marker = CRect(left - 4, h - 8, left + 4, h);
}

bool CRearangeHeaderCtrl::stopDrag()
{
    if (!m_bDragging)
        return false;
    m_bDragging = false;
    m_itemWidths.clear();
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    Invalidate(TRUE);
    return true;
}
