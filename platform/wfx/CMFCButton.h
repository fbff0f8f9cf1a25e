#pragma once

#include "CButton.h"

// An owner-drawn push button painted through the visual manager: a face
// (not with m_bTransparent), a border and the content (OnDraw, the text by
// default). It knows whether it is pushed and whether the mouse is over it.
class WFX_API CMFCButton : public CButton
{
    DECLARE_DYNCREATE(CMFCButton)

public:
    CMFCButton() = default;

    BOOL m_bTransparent = FALSE;
    BOOL m_bDrawFocus = TRUE;

    BOOL IsPushed() const { return m_bPushed; }
    BOOL IsHighlighted() const { return m_bHighlighted; }

    BOOL Create(LPCWSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void PreSubclassWindow() override;

protected:
    virtual void OnFillBackground(CDC* pDC, const CRect& rectClient);
    // Draws the border and takes it off rectClient.
    virtual void OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState);
    // The content inside the border; uiState is the drawing's ODS_* state.
    virtual void OnDraw(CDC* pDC, const CRect& rect, UINT uiState);
    virtual void OnDrawFocusRect(CDC* pDC, const CRect& rectClient);

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();

    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bPushed = FALSE;
    BOOL m_bHighlighted = FALSE;
};
