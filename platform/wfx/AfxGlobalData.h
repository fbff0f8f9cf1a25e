#pragma once

#include "CFont.h"

// Colours and the menu font shared by the drawing of panes, buttons and
// menus. Taken from the system at first use; a visual manager may change
// them for the whole process, and UpdateSysColors takes the system's again.
struct WFX_API AFX_GLOBAL_DATA
{
    COLORREF clrBtnFace;
    COLORREF clrBtnShadow;
    COLORREF clrBtnHilite;
    COLORREF clrBtnText;
    COLORREF clrBtnDkShadow;
    COLORREF clrBtnLight;
    COLORREF clrBarFace;
    COLORREF clrBarShadow;
    COLORREF clrBarHilite;
    COLORREF clrBarText;
    COLORREF clrBarDkShadow;
    COLORREF clrBarLight;
    COLORREF clrMenuText;
    COLORREF clrGrayedText;
    COLORREF clrHilite;
    COLORREF clrTextHilite;
    COLORREF clrWindow;
    COLORREF clrWindowText;
    COLORREF clrCaptionText;
    COLORREF clrInactiveCaptionText;

    CFont fontRegular; // the system's menu font

    AFX_GLOBAL_DATA();
    AFX_GLOBAL_DATA(const AFX_GLOBAL_DATA&) = delete;
    AFX_GLOBAL_DATA& operator=(const AFX_GLOBAL_DATA&) = delete;

    void UpdateSysColors();
    void UpdateFonts();
    // The system's non-client metrics (caption and menu fonts, caption
    // button size); FALSE when the system gives none.
    BOOL GetNonClientMetrics(NONCLIENTMETRICSW& info) const;
};

WFX_API AFX_GLOBAL_DATA* GetGlobalData();
