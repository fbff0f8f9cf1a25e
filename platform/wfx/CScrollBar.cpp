#include "CScrollBar.h"

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

CScrollBar* WfxScrollBarFromHandle(HWND hWnd)
{
    // Sliders and spin buttons report as scroll bars do; handlers only use
    // the CWnd part of what they get.
    return static_cast<CScrollBar*>(CWnd::FromHandle(hWnd));
}
