#pragma once

#include "CSize.h"

// The Win32 POINT with arithmetic.
class CPoint : public POINT
{
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x0, int y0) : POINT{x0, y0} {}
    CPoint(POINT p) : POINT(p) {}
    CPoint(SIZE s) : POINT{s.cx, s.cy} {}
    // Packed as by mouse messages: x in the low, y in the high 16 bits (signed).
    explicit CPoint(LPARAM packed) : POINT{short(LOWORD(packed)), short(HIWORD(packed))} {}

    void Offset(int dx, int dy) { x += dx, y += dy; }
    void Offset(POINT p) { Offset(p.x, p.y); }
    void SetPoint(int x0, int y0) { x = x0, y = y0; }
    bool operator==(POINT p) const { return x == p.x && y == p.y; }
    bool operator!=(POINT p) const { return !(*this == p); }
    void operator+=(SIZE s) { x += s.cx, y += s.cy; }
    void operator-=(SIZE s) { x -= s.cx, y -= s.cy; }
    void operator+=(POINT p) { x += p.x, y += p.y; }
    void operator-=(POINT p) { x -= p.x, y -= p.y; }
    CPoint operator+(SIZE s) const { return CPoint(x + s.cx, y + s.cy); }
    CPoint operator-(SIZE s) const { return CPoint(x - s.cx, y - s.cy); }
    CPoint operator+(POINT p) const { return CPoint(x + p.x, y + p.y); }
    CSize operator-(POINT p) const { return CSize(x - p.x, y - p.y); }
    CPoint operator-() const { return CPoint(-x, -y); }
};
