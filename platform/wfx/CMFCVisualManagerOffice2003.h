#pragma once

#include "CBrush.h"
#include "CMFCVisualManager.h"

// The gradient look: bars fade between two colours (menu bars between the
// tool-bar pair, other panes between the bar pair), hot and pressed buttons
// take the highlight colours. Derived managers set these members in their
// constructors; OnUpdateSystemColors derives them from the system again.
class WFX_API CMFCVisualManagerOffice2003 : public CMFCVisualManager
{
    DECLARE_DYNCREATE(CMFCVisualManagerOffice2003)

public:
    CMFCVisualManagerOffice2003();

    void OnUpdateSystemColors() override;
    void OnFillBarBackground(CDC* pDC, CBasePane* pBar, CRect rectClient, CRect rectClip,
                             BOOL bNCArea = FALSE) override;
    void OnFillButtonInterior(CDC* pDC, CMFCButton* pButton, CRect rect, AFX_BUTTON_STATE state) override;
    void OnHighlightMenuItem(CDC* pDC, CRect rect, COLORREF& clrText) override;

protected:
    COLORREF m_clrBarGradientDark;
    COLORREF m_clrBarGradientLight;
    CBrush m_brBarBkgnd; // fills a pane's non-client area
    COLORREF m_clrToolBarGradientDark;
    COLORREF m_clrToolBarGradientLight;
    COLORREF m_clrToolBarGradientVertDark;
    COLORREF m_clrToolBarGradientVertLight;
    COLORREF m_clrHighlight;        // a hot button
    COLORREF m_clrHighlightDn;      // a pressed button
    COLORREF m_clrHighlightChecked; // a hot menu item

    // Fills rect from `from` to `to`, top to bottom or left to right.
    static void FillGradient(CDC* pDC, const CRect& rect, COLORREF from, COLORREF to, BOOL bHorz);

private:
    void setSystemColors();
};
