#pragma once

#include "CDC.h"

class CWnd;

// The device contexts of a window: for painting (BeginPaint/EndPaint), of its
// client area and of the whole window; each gives its context back at the end.
class WFX_API CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

class WFX_API CClientDC : public CDC
{
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};

class WFX_API CWindowDC : public CDC
{
public:
    // A null window gives the screen.
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

private:
    HWND m_hWnd;
};
