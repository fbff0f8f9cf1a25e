#pragma once

// Small geometry values shared by the program and the drawn-control library.
// Plain value templates: no Windows types, so they suit both pixel (int) and
// model (double) coordinates.
template <class T> class TPoint
{
public:
    T x{};
    T y{};

    TPoint() = default;
    TPoint(T px, T py) : x(px), y(py) {}
    TPoint(const TPoint&) = default;
    TPoint& operator=(const TPoint&) = default;
    virtual ~TPoint() = default;

    bool operator==(const TPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const TPoint& o) const { return !(*this == o); }
    TPoint operator+(const TPoint& o) const { return TPoint(x + o.x, y + o.y); }
    TPoint operator-(const TPoint& o) const { return TPoint(x - o.x, y - o.y); }
    TPoint& operator+=(const TPoint& o)
    {
        x += o.x;
        y += o.y;
        return *this;
    }
    TPoint& operator-=(const TPoint& o)
    {
        x -= o.x;
        y -= o.y;
        return *this;
    }
};

template <class T> class TSize
{
public:
    T cx{};
    T cy{};

    TSize() = default;
    TSize(T w, T h) : cx(w), cy(h) {}
    TSize(const TSize&) = default;
    TSize& operator=(const TSize&) = default;
    virtual ~TSize() = default;

    bool operator==(const TSize& o) const { return cx == o.cx && cy == o.cy; }
    bool operator!=(const TSize& o) const { return !(*this == o); }
    TSize operator+(const TSize& o) const { return TSize(cx + o.cx, cy + o.cy); }
    TSize operator-(const TSize& o) const { return TSize(cx - o.cx, cy - o.cy); }
};

template <class T> class TRect
{
public:
    T left{};
    T top{};
    T right{};
    T bottom{};

    TRect() = default;
    TRect(T l, T t, T r, T b) : left(l), top(t), right(r), bottom(b) {}
    TRect(const TPoint<T>& topLeft, const TSize<T>& size)
        : left(topLeft.x), top(topLeft.y), right(topLeft.x + size.cx), bottom(topLeft.y + size.cy)
    {
    }
    TRect(const TRect&) = default;
    TRect& operator=(const TRect&) = default;
    virtual ~TRect() = default;

    T width() const { return right - left; }
    T height() const { return bottom - top; }
    TSize<T> size() const { return TSize<T>(width(), height()); }
    TPoint<T> topLeft() const { return TPoint<T>(left, top); }
    TPoint<T> bottomRight() const { return TPoint<T>(right, bottom); }
    bool isEmpty() const { return !(left < right) || !(top < bottom); }
    // Half-open, as Windows rectangles are: the right and bottom edges are outside.
    bool contains(const TPoint<T>& p) const
    {
        return !(p.x < left) && p.x < right && !(p.y < top) && p.y < bottom;
    }
    bool operator==(const TRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const TRect& o) const { return !(*this == o); }
};

template <class T> class TLine
{
public:
    TPoint<T> start;
    TPoint<T> end;

    TLine() = default;
    TLine(const TPoint<T>& s, const TPoint<T>& e) : start(s), end(e) {}
    TLine(T x1, T y1, T x2, T y2) : start(x1, y1), end(x2, y2) {}
    TLine(const TLine&) = default;
    TLine& operator=(const TLine&) = default;
    virtual ~TLine() = default;

    bool operator==(const TLine& o) const { return start == o.start && end == o.end; }
    bool operator!=(const TLine& o) const { return !(*this == o); }
};
