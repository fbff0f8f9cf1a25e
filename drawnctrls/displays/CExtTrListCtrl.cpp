#include "CExtTrListCtrl.h"

#include <cstdlib>

IMPLEMENT_DYNCREATE(CExtTrListCtrl, CListCtrl)

// Mouse messages that close the open editor before the control sees them.
#define TRLIST_HIDE_THEN_DEFAULT(msg)                                                                        \
    WFX_ENTRY(msg, 0, 0, 0, self->HideCtrl(); call.result = self->Default(); return TRUE;)

BEGIN_MESSAGE_MAP(CExtTrListCtrl, CListCtrl)
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_LBUTTONDOWN()
ON_WM_CREATE()
ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, &CExtTrListCtrl::OnColumnclick)
ON_WM_RBUTTONDOWN()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
ON_WM_MOUSEHWHEEL()
TRLIST_HIDE_THEN_DEFAULT(WM_NCLBUTTONDOWN)
TRLIST_HIDE_THEN_DEFAULT(WM_NCLBUTTONDBLCLK)
TRLIST_HIDE_THEN_DEFAULT(WM_RBUTTONDBLCLK)
TRLIST_HIDE_THEN_DEFAULT(WM_NCRBUTTONDOWN)
TRLIST_HIDE_THEN_DEFAULT(WM_NCRBUTTONDBLCLK)
TRLIST_HIDE_THEN_DEFAULT(WM_NCMBUTTONDBLCLK)
TRLIST_HIDE_THEN_DEFAULT(WM_NCMBUTTONDOWN)
TRLIST_HIDE_THEN_DEFAULT(WM_MBUTTONDOWN)
TRLIST_HIDE_THEN_DEFAULT(WM_MBUTTONDBLCLK)
ON_MESSAGE(LVM_SETIMAGELIST, &CExtTrListCtrl::OnSetImageList)
ON_MESSAGE(LVM_SETTEXTCOLOR, &CExtTrListCtrl::OnSetTextColorMsg)
END_MESSAGE_MAP()

CExtTrListCtrl::CExtTrListCtrl()
    : m_crText(GetSysColor(COLOR_WINDOWTEXT)), m_crSelText(GetSysColor(COLOR_HIGHLIGHTTEXT)),
      m_crSelTextBk(GetSysColor(COLOR_HIGHLIGHT))
{
    AddColor(m_crText);
}

CExtTrListCtrl::~CExtTrListCtrl()
{
    m_editors.clear();
}

// Colours

COLORREF CExtTrListCtrl::GetColor(char id)
{
    return id == 0 ? m_crText : m_ids.paletteColor(id);
}

// Drawing

void CExtTrListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    ExtListRowPainter::Style style;
    style.paintBackground = false;
    style.font = m_font;
    style.text = m_crText;
    style.selText = m_crSelText;
    style.selTextBk = m_crSelTextBk;
    style.stateImageOffset = m_cxStateImageOffset;
    // No background is painted: only the text id shows.
    const int row = int(lpDrawItemStruct->itemID);
    ExtListRowPainter::RowColors colors;
    if ((colors.hasText = m_ids.hasText(row)))
        colors.text = GetColor(m_ids.text(row));
    ExtListRowPainter(*this, style).draw(*lpDrawItemStruct, colors);
}

// Positive font heights are cell heights; a negative 7 - height would wrap.
void CExtTrListCtrl::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    LOGFONTW font{};
    if (m_font && m_font->GetLogFont(&font))
        lpMeasureItemStruct->itemHeight = UINT(7 + std::abs(font.lfHeight));
}

void CExtTrListCtrl::lineRect(CRect& rect, CDC* pDC)
{
    CPen pen(PS_SOLID, 1, m_crGrid);
    CPen* old = pDC->SelectObject(&pen);
    pDC->MoveTo(rect.left, rect.bottom);
    pDC->LineTo(rect.right, rect.bottom);
    pDC->LineTo(rect.right, rect.top);
    pDC->LineTo(rect.left, rect.top);
    pDC->LineTo(rect.left, rect.bottom);
    pDC->SelectObject(old);
}

void CExtTrListCtrl::invalidateParent()
{
    CRect client;
    GetClientRect(&client);
    invalidateParentRect(client);
}

void CExtTrListCtrl::invalidateParentRect(CRect& rect)
{
    CWnd* parent = GetParent();
    if (!parent)
        return;
    CRect inParent = rect;
    MapWindowPoints(parent, &inParent);
    parent->InvalidateRect(&inParent, TRUE);
}

// Rows are drawn over the parent's background, so the parent repaints too.
void CExtTrListCtrl::RepaintSelectedItems()
{
    invalidateParent();
    Invalidate(FALSE);
    UpdateWindow();
}

void CExtTrListCtrl::OnSize(UINT, int cx, int)
{
    m_cxClient = cx;
    Default();
}

BOOL CExtTrListCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

// Moving content: the parent repaints the gradient under the list.

void CExtTrListCtrl::OnHScroll(UINT, UINT, CScrollBar*)
{
    Default();
    invalidateParent();
}

void CExtTrListCtrl::OnVScroll(UINT, UINT, CScrollBar*)
{
    Default();
    invalidateParent();
}

// Also after the scroll: the parent may have repainted before the rows moved.
BOOL CExtTrListCtrl::OnMouseWheel(UINT, short, CPoint)
{
    invalidateParent();
    const BOOL result = BOOL(Default());
    invalidateParent();
    return result;
}

void CExtTrListCtrl::OnMouseHWheel(UINT, short, CPoint)
{
    Default();
    invalidateParent();
}

// Focus

void CExtTrListCtrl::OnSetFocus(CWnd* pOldWnd)
{
    Default();
    onFocusGained(pOldWnd);
}

void CExtTrListCtrl::OnKillFocus(CWnd* pNewWnd)
{
    onFocusLeaving(pNewWnd);
    Default();
    onFocusLost(pNewWnd);
}

// Mouse

void CExtTrListCtrl::OnLButtonDown(UINT, CPoint)
{
    HideCtrl();
    invalidateParent();
    Default();
    invalidateParent();
}

void CExtTrListCtrl::OnRButtonDown(UINT, CPoint point)
{
    onRightClick(point);
}

BOOL CExtTrListCtrl::PreTranslateMessage(MSG* pMsg)
{
    onHeaderMessage(*pMsg);
    return CListCtrl::PreTranslateMessage(pMsg);
}

// Window set-up

BOOL CExtTrListCtrl::PreCreateWindow(CREATESTRUCTW& cs)
{
    onPreCreate(cs);
    return CListCtrl::PreCreateWindow(cs);
}

void CExtTrListCtrl::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    subclass();
}

int CExtTrListCtrl::OnCreate(LPCREATESTRUCT)
{
    const int result = int(Default());
    if (result != -1)
        subclass();
    return result;
}

LRESULT CExtTrListCtrl::OnSetImageList(WPARAM wParam, LPARAM lParam)
{
    onStateImageList(wParam, lParam);
    return Default();
}

LRESULT CExtTrListCtrl::OnSetTextColorMsg(WPARAM, LPARAM lParam)
{
    m_crText = COLORREF(lParam);
    return Default();
}

void CExtTrListCtrl::OnColumnclick(NMHDR* pNMHDR, LRESULT* pResult)
{
    onColumnClicked(pNMHDR);
    *pResult = 0;
}
