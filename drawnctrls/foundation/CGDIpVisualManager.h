#pragma once

#include "CMSMVisualManager.h"

// The visual manager of the program: the dark gray look with a red
// caption, white caption-menu texts and the drawing of the caption bar
// and of the owner-drawn menus.
class PRAMBLEGDIP_API CGDIpVisualManager : public CMSMVisualManager
{
    DECLARE_DYNCREATE(CGDIpVisualManager)

public:
    CGDIpVisualManager();
    ~CGDIpVisualManager() override;

    virtual void drawCaptionBarBackground(CDC* pDC, CBasePane* pBar, CRect rectClient, CRect rectClip);
    virtual void drawCaptionBarText(CDC* pDC, const CString& text, CRect rect, UINT format);
    virtual void drawMenuTextOnCaptionBar(CDC* pDC, const CString& text, CRect rect, UINT format);
    virtual void drawMenuFocusRectOnCaptionBar(CDC* pDC, CRect rect);
    virtual void drawMenuBackground(CDC* pDC, CRect rect);
    virtual void drawPopUpMenuSeparator(CDC* pDC, CRect rect);
    virtual void drawMenuFocusRect(CDC* pDC, CRect rect);

    void OnFillBarBackground(CDC* pDC, CBasePane* pBar, CRect rectClient, CRect rectClip,
                             BOOL bNCArea = FALSE) override;
    void OnDrawMenuCheck(CDC* pDC, CRect rect, BOOL bHighlight, BOOL bIsRadio) override;

    COLORREF getCaptionTextColor() const { return m_clrCaptionText; }

protected:
    // The bar colours' gradient at angle 0 (left to right).
    void fillGradient(CDC* pDC, const CRect& rect, COLORREF first, COLORREF second);
    void drawText(CDC* pDC, const CString& text, CRect rect, UINT format, COLORREF color);
    void drawFocusFrame(CDC* pDC, CRect rect, COLORREF color);

    COLORREF m_clrCaptionText = RGB(0xFF, 0, 0);
    COLORREF m_clrCaptionMenuText = RGB(0xFF, 0xFF, 0xFF);
    COLORREF m_clrBarFirst;
    COLORREF m_clrBarSecond;
    COLORREF m_clrMenuFirst;
    COLORREF m_clrMenuSecond;
};
