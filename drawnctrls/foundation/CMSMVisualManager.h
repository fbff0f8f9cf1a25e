#pragma once

#include "PrambleGDIpApi.h"

// The dark gray look of the caption bar's frame: bars, buttons, menus and
// combo parts in 0x434343 with 0x808080 lines, and caption buttons drawn
// from a bitmap of twelve images (minimise, maximise, restore, close; each
// normal, highlighted, pressed).
class PRAMBLEGDIP_API CMSMVisualManager : public CMFCVisualManagerOffice2003
{
    DECLARE_DYNCREATE(CMSMVisualManager)

public:
    CMSMVisualManager();
    ~CMSMVisualManager() override;

    // FALSE, and the fallback drawing kept, when the bitmap can't be loaded
    // or is narrower than the twelve images.
    BOOL LoadMSMCaptionButtonsIcons(UINT bitmapId);
    BOOL LoadMSMCaptionButtonsIcons(const wchar_t* name);
    const CSize& GetMSMCaptionButtonsSize() const { return m_captionButtonSize; }
    int GetMSMCaptionButtonsImageCount() const;

    virtual void MSMDrawCaptionButton(CDC* pDC, CRect rect, AFX_BUTTON_STATE state, UINT sysCommand);

    void OnUpdateSystemColors() override {}
    void OnFillBarBackground(CDC* pDC, CBasePane* pBar, CRect rectClient, CRect rectClip,
                             BOOL bNCArea = FALSE) override;
    void OnFillButtonInterior(CDC* pDC, CMFCButton* pButton, CRect rect, AFX_BUTTON_STATE state) override;
    void OnFillOutlookPageButton(CDC* pDC, const CRect& rect, BOOL bIsHighlighted, BOOL bIsPressed,
                                 COLORREF& clrText) override;
    void OnDrawTask(CDC* pDC, CRect rect, BOOL bIsHighlighted, BOOL bIsSelected) override;
    COLORREF GetToolbarButtonTextColor(CMFCButton* pButton, AFX_BUTTON_STATE state) override;
    void OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush, CMFCButton* pButton) override;
    void OnDrawCaptionBarBorder(CDC* pDC, CBasePane* pBar, CRect rect, COLORREF clrBarBorder,
                                BOOL bFlatBorder) override;
    void OnDrawMenuBorder(CDC* pDC, CRect rect) override;
    void OnDrawButtonBorder(CDC* pDC, CMFCButton* pButton, CRect rect, AFX_BUTTON_STATE state) override;
    void OnHighlightMenuItem(CDC* pDC, CRect rect, COLORREF& clrText) override;
    void OnDrawSeparator(CDC* pDC, CBasePane* pBar, CRect rect, BOOL bIsHoriz) override;
    void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                           BOOL bIsHighlighted) override;
    void OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                               BOOL bIsHighlighted) override;
    void OnFillTasksPaneBackground(CDC* pDC, CRect rect) override;
    void OnFillTasksGroupInterior(CDC*, CRect, BOOL = FALSE) override {}
    void OnDrawTasksGroupAreaBorder(CDC*, CRect, BOOL = FALSE, BOOL = FALSE) override {}

protected:
    BOOL loadCaptionButtons(HBITMAP bitmap);
    void frameRect(CDC* pDC, const CRect& rect, COLORREF color);

    CImageList m_captionButtons;
    CSize m_captionButtonSize;
    CBrush m_brBar;
    CPen m_penLine;
    COLORREF m_clrBar = RGB(0x43, 0x43, 0x43);
    COLORREF m_clrMenuFocusLine = RGB(0x80, 0x80, 0x80);
    COLORREF m_clrSecondLine = RGB(0xFF, 0, 0);
    COLORREF m_clrButtonText = RGB(0xFF, 0xFF, 0xFF);
};
