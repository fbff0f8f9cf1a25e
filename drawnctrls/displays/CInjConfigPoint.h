#pragma once

#include <PrambleGDIpApi.h>

// One cell of the injector configuration map: its place, state and the
// colours of its two halves.
class PRAMBLEGDIP_API CInjConfigPoint
{
public:
    CInjConfigPoint() = default;
    CInjConfigPoint(const CInjConfigPoint&) = default;
    CInjConfigPoint& operator=(const CInjConfigPoint&) = default;
    virtual ~CInjConfigPoint();

    bool hitTest(CPoint& pt) const { return ::PtInRect(&m_rect, pt) != FALSE; }
    // Both halves in one colour.
    void setColors(COLORREF color) { m_lowerColor = m_upperColor = color; }

    RECT m_rect{};
    bool m_enabled = false; // inside the active n x n square
    bool m_selected = false;
    COLORREF m_lowerColor = 0; // below the diagonal
    COLORREF m_upperColor = 0;
};
