#include "AfxGlobalData.h"

AFX_GLOBAL_DATA* GetGlobalData()
{
    static AFX_GLOBAL_DATA data;
    return &data;
}

AFX_GLOBAL_DATA::AFX_GLOBAL_DATA()
{
    UpdateSysColors();
    UpdateFonts();
}

void AFX_GLOBAL_DATA::UpdateSysColors()
{
    clrBtnFace = clrBarFace = ::GetSysColor(COLOR_BTNFACE);
    clrBtnShadow = clrBarShadow = ::GetSysColor(COLOR_BTNSHADOW);
    clrBtnHilite = clrBarHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    clrBtnText = clrBarText = ::GetSysColor(COLOR_BTNTEXT);
    clrBtnDkShadow = clrBarDkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    clrBtnLight = clrBarLight = ::GetSysColor(COLOR_3DLIGHT);
    clrMenuText = ::GetSysColor(COLOR_MENUTEXT);
    clrGrayedText = ::GetSysColor(COLOR_GRAYTEXT);
    clrHilite = ::GetSysColor(COLOR_HIGHLIGHT);
    clrTextHilite = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    clrWindow = ::GetSysColor(COLOR_WINDOW);
    clrWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    clrCaptionText = ::GetSysColor(COLOR_CAPTIONTEXT);
    clrInactiveCaptionText = ::GetSysColor(COLOR_INACTIVECAPTIONTEXT);
}

void AFX_GLOBAL_DATA::UpdateFonts()
{
    NONCLIENTMETRICSW metrics{};
    fontRegular.DeleteObject();
    if (GetNonClientMetrics(metrics))
        fontRegular.CreateFontIndirect(&metrics.lfMenuFont);
    else
        fontRegular.Attach(::GetStockObject(DEFAULT_GUI_FONT));
}

BOOL AFX_GLOBAL_DATA::GetNonClientMetrics(NONCLIENTMETRICSW& info) const
{
    info = NONCLIENTMETRICSW{};
    info.cbSize = sizeof(info);
    return ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(info), &info, 0);
}
