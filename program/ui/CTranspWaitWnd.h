#pragma once

#include "CTinyWnd.h"

#include <Wfx.h>

// The small semi-transparent topmost window shown over the main window while
// a long procedure runs: a text, later a seconds counter, and four circling
// dots. Set the members after construction, then show it; it holds the
// mouse capture while it exists.
class CTranspWaitWnd : public CTinyWnd
{
public:
    struct Dot
    {
        POINT start;
        POINT current;
    };

    CTranspWaitWnd();
    ~CTranspWaitWnd() override;

    virtual void setDefaults();
    // Creates and shows the window centred over `parent`; false when it can't be made.
    virtual bool show(HWND parent);
    // The font and the dots' start points for the client size.
    virtual void layout();

    bool onCreate() override;
    bool onDestroy() override;
    bool onPaint(WPARAM) override;
    bool onTimer(UINT_PTR id) override;
    using CTinyWnd::show;

    // The window rectangle `show` gives a window over a parent rectangle.
    RECT placement(const RECT& parent) const;

    static const UINT_PTR kSecondsTimer = 777;
    static const UINT_PTR kDotsTimer = 999;

    CString m_text;
    CString m_fontFace;
    double m_fontFactor;
    COLORREF m_textColor;
    COLORREF m_bkColor;
    COLORREF m_dotColor;
    BYTE m_animate;
    BYTE m_rectangle;
    double m_sizeFactor;
    double m_widthFactor;
    int m_opacity;
    RECT m_clientRect{};
    CFont m_font;
    CBrush m_bkBrush;
    CPen m_dotPen;
    CBrush m_dotBrush;
    int m_seconds;
    Dot m_dots[4]{};
    double m_angle;
    UINT_PTR m_secondsTimer = kSecondsTimer;
    UINT_PTR m_dotsTimer = kDotsTimer;
    // Given to the window, which owns it from then on.
    HRGN m_region = nullptr;
    int m_fontEnlarged;

private:
    void setRegion();
    void paintDots(HDC dc);
    void moveDots();
};
