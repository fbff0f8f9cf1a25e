#include "CRect.h"

#include <utility>

void CRect::InflateRect(int l, int t, int r, int b)
{
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

void CRect::MoveToX(int x)
{
    right = x + Width();
    left = x;
}

void CRect::MoveToY(int y)
{
    bottom = y + Height();
    top = y;
}

void CRect::MoveToXY(int x, int y)
{
    MoveToX(x);
    MoveToY(y);
}

void CRect::NormalizeRect()
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

CRect CRect::operator+(POINT p) const
{
    CRect r(*this);
    r.OffsetRect(p);
    return r;
}

CRect CRect::operator-(POINT p) const
{
    CRect r(*this);
    r.OffsetRect(-p.x, -p.y);
    return r;
}

CRect CRect::operator&(const RECT& other) const
{
    CRect r;
    r.IntersectRect(this, &other);
    return r;
}

CRect CRect::operator|(const RECT& other) const
{
    CRect r;
    r.UnionRect(this, &other);
    return r;
}
