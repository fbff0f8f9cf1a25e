#include "CMFCButton.h"

#include "AfxGlobalData.h"
#include "CDC.h"
#include "CMFCVisualManager.h"

IMPLEMENT_DYNCREATE(CMFCButton, CButton)

BEGIN_MESSAGE_MAP(CMFCButton, CButton)
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

namespace {

CMFCVisualManager::AFX_BUTTON_STATE stateOf(const CMFCButton& button)
{
    if (button.IsPushed())
        return CMFCVisualManager::ButtonsIsPressed;
    return button.IsHighlighted() ? CMFCVisualManager::ButtonsIsHighlighted
                                  : CMFCVisualManager::ButtonsIsRegular;
}

} // namespace

BOOL CMFCButton::Create(LPCWSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CButton::Create(lpszCaption, (dwStyle & ~DWORD(BS_TYPEMASK)) | BS_OWNERDRAW, rect, pParentWnd,
                           nID);
}

void CMFCButton::PreSubclassWindow()
{
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
}

void CMFCButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rect(lpDrawItemStruct->rcItem);
    UINT state = lpDrawItemStruct->itemState;
    m_bPushed = (state & ODS_SELECTED) != 0;
    OnFillBackground(dc, rect);
    OnDrawBorder(dc, rect, state);
    OnDraw(dc, rect, state);
    if ((state & ODS_FOCUS) && m_bDrawFocus)
        OnDrawFocusRect(dc, rect);
}

void CMFCButton::OnFillBackground(CDC* pDC, const CRect& rectClient)
{
    if (!m_bTransparent)
        CMFCVisualManager::GetInstance()->OnFillButtonInterior(pDC, this, rectClient, stateOf(*this));
}

void CMFCButton::OnDrawBorder(CDC* pDC, CRect& rectClient, UINT)
{
    CMFCVisualManager::GetInstance()->OnDrawButtonBorder(pDC, this, rectClient, stateOf(*this));
    rectClient.DeflateRect(2, 2);
}

void CMFCButton::OnDraw(CDC* pDC, const CRect& rect, UINT uiState)
{
    CString text;
    GetWindowText(text);
    COLORREF color = (uiState & ODS_DISABLED)
                         ? GetGlobalData()->clrGrayedText
                         : CMFCVisualManager::GetInstance()->GetToolbarButtonTextColor(this, stateOf(*this));
    CRect area(rect);
    int oldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF oldColor = pDC->SetTextColor(color);
    pDC->DrawText(text, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    pDC->SetTextColor(oldColor);
    pDC->SetBkMode(oldMode);
}

void CMFCButton::OnDrawFocusRect(CDC* pDC, const CRect& rectClient)
{
    CRect focus(rectClient);
    focus.DeflateRect(1, 1);
    pDC->DrawFocusRect(&focus);
}

void CMFCButton::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bHighlighted) {
        m_bHighlighted = TRUE;
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&track);
        Invalidate(FALSE);
    }
    CButton::OnMouseMove(nFlags, point);
}

void CMFCButton::OnMouseLeave()
{
    m_bHighlighted = FALSE;
    Invalidate(FALSE);
    CButton::OnMouseLeave();
}
