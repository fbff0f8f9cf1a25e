#include "CExtListCtrl.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CExtListCtrl, CListCtrl)

// Mouse messages that close the open editor before the control sees them.
#define EXTLIST_HIDE_THEN_DEFAULT(msg)                                                                       \
    WFX_ENTRY(msg, 0, 0, 0, self->HideCtrl(); call.result = self->Default(); return TRUE;)

BEGIN_MESSAGE_MAP(CExtListCtrl, CListCtrl)
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_CREATE()
ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, &CExtListCtrl::OnColumnclick)
ON_WM_RBUTTONDOWN()
EXTLIST_HIDE_THEN_DEFAULT(WM_NCLBUTTONDOWN)
EXTLIST_HIDE_THEN_DEFAULT(WM_NCLBUTTONDBLCLK)
EXTLIST_HIDE_THEN_DEFAULT(WM_RBUTTONDBLCLK)
EXTLIST_HIDE_THEN_DEFAULT(WM_NCRBUTTONDOWN)
EXTLIST_HIDE_THEN_DEFAULT(WM_NCRBUTTONDBLCLK)
EXTLIST_HIDE_THEN_DEFAULT(WM_NCMBUTTONDBLCLK)
EXTLIST_HIDE_THEN_DEFAULT(WM_NCMBUTTONDOWN)
EXTLIST_HIDE_THEN_DEFAULT(WM_MBUTTONDOWN)
EXTLIST_HIDE_THEN_DEFAULT(WM_MBUTTONDBLCLK)
ON_MESSAGE(LVM_SETIMAGELIST, &CExtListCtrl::OnSetImageList)
ON_MESSAGE(LVM_SETTEXTCOLOR, &CExtListCtrl::OnSetTextColorMsg)
ON_MESSAGE(LVM_SETTEXTBKCOLOR, &CExtListCtrl::OnSetTextBkColorMsg)
ON_MESSAGE(LVM_SETBKCOLOR, &CExtListCtrl::OnSetBkColorMsg)
END_MESSAGE_MAP()

CExtListCtrl::CExtListCtrl()
    : m_crText(GetSysColor(COLOR_WINDOWTEXT)), m_crTextBk(GetSysColor(COLOR_WINDOW)),
      m_crImgBk(GetSysColor(COLOR_WINDOW)), m_crSelText(GetSysColor(COLOR_HIGHLIGHTTEXT)),
      m_crSelTextBk(GetSysColor(COLOR_HIGHLIGHT)), m_pGridBrush(std::make_unique<CBrush>(RGB(255, 0, 0)))
{
    AddColor(m_crText);
    AddColor(m_crTextBk);
}

CExtListCtrl::~CExtListCtrl()
{
    m_editors.clear();
}

// Colours

COLORREF CExtListCtrl::GetColor(char id)
{
    if (id == 0)
        return m_crText;
    if (id == 1)
        return m_crTextBk;
    return m_ids.paletteColor(id);
}

ExtListRowPainter::RowColors CExtListCtrl::rowColors(int row)
{
    ExtListRowPainter::RowColors colors;
    if ((colors.hasBk = m_ids.hasBk(row)))
        colors.bk = GetColor(m_ids.bk(row));
    if ((colors.hasText = m_ids.hasText(row)))
        colors.text = GetColor(m_ids.text(row));
    return colors;
}

void CExtListCtrl::SetGridColor(COLORREF cr)
{
    m_pGridBrush = std::make_unique<CBrush>(cr);
}

void CExtListCtrl::SetGridBrush(CBrush* brush)
{
    if (brush != m_pGridBrush.get())
        m_pGridBrush.reset(brush);
}

// Drawing

void CExtListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    ExtListRowPainter::Style style;
    style.grid = m_pGridBrush.get();
    style.text = m_crText;
    style.textBk = m_crTextBk;
    style.imageBk = m_crImgBk;
    style.selText = m_crSelText;
    style.selTextBk = m_crSelTextBk;
    style.stateImageOffset = m_cxStateImageOffset;
    style.bandRight = m_bClientWidthSel ? m_cxClient : 0;
    ExtListRowPainter(*this, style).draw(*lpDrawItemStruct, rowColors(int(lpDrawItemStruct->itemID)));
}

void CExtListCtrl::RepaintSelectedItems()
{
    auto invalidateBand = [this](int row) {
        CRect band, label;
        GetItemRect(row, &band, LVIR_BOUNDS);
        GetItemRect(row, &label, LVIR_LABEL);
        band.left = label.left;
        InvalidateRect(&band, FALSE);
    };
    const int focused = GetNextItem(-1, LVNI_FOCUSED);
    if (focused >= 0)
        invalidateBand(focused);
    if (!(GetStyle() & LVS_SHOWSELALWAYS))
        for (int row = GetNextItem(-1, LVNI_SELECTED); row >= 0; row = GetNextItem(row, LVNI_SELECTED))
            invalidateBand(row);
    UpdateWindow();
}

void CExtListCtrl::OnSize(UINT, int cx, int)
{
    m_cxClient = cx;
    Default();
}

// Rows end before the client width; the band beyond them must repaint too.
void CExtListCtrl::OnPaint()
{
    if (m_bClientWidthSel && fullRowReport() && GetItemCount() > 0) {
        CRect bounds, clip;
        GetItemRect(0, &bounds, LVIR_BOUNDS);
        if (bounds.right < m_cxClient && GetUpdateRect(&clip)) {
            clip.left = std::min(bounds.right - 1, clip.left);
            clip.right = m_cxClient;
            InvalidateRect(&clip, FALSE);
        }
    }
    Default();
}

// Focus

void CExtListCtrl::OnSetFocus(CWnd* pOldWnd)
{
    Default();
    onFocusGained(pOldWnd);
}

void CExtListCtrl::OnKillFocus(CWnd* pNewWnd)
{
    onFocusLeaving(pNewWnd);
    Default();
    onFocusLost(pNewWnd);
}

// Mouse

void CExtListCtrl::OnLButtonDown(UINT, CPoint)
{
    HideCtrl();
    Default();
}

void CExtListCtrl::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}

// A right click opens the cell's editor and leaves the selection alone.
void CExtListCtrl::OnRButtonDown(UINT, CPoint point)
{
    onRightClick(point);
}

BOOL CExtListCtrl::PreTranslateMessage(MSG* pMsg)
{
    onHeaderMessage(*pMsg);
    return CListCtrl::PreTranslateMessage(pMsg);
}

// Window set-up

BOOL CExtListCtrl::PreCreateWindow(CREATESTRUCTW& cs)
{
    onPreCreate(cs);
    return CListCtrl::PreCreateWindow(cs);
}

void CExtListCtrl::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    subclass();
}

int CExtListCtrl::OnCreate(LPCREATESTRUCT)
{
    const int result = int(Default());
    if (result != -1)
        subclass();
    return result;
}

LRESULT CExtListCtrl::OnSetImageList(WPARAM wParam, LPARAM lParam)
{
    if (wParam == LVSIL_STATE) {
        int cx = 0, cy = 0;
        m_cxStateImageOffset = ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(lParam), &cx, &cy) ? cx : 0;
    }
    return Default();
}

LRESULT CExtListCtrl::OnSetTextColorMsg(WPARAM, LPARAM lParam)
{
    m_crText = COLORREF(lParam);
    return Default();
}

LRESULT CExtListCtrl::OnSetTextBkColorMsg(WPARAM, LPARAM lParam)
{
    m_crTextBk = COLORREF(lParam);
    return Default();
}

LRESULT CExtListCtrl::OnSetBkColorMsg(WPARAM, LPARAM lParam)
{
    m_crImgBk = COLORREF(lParam);
    return Default();
}

void CExtListCtrl::OnColumnclick(NMHDR* pNMHDR, LRESULT* pResult)
{
    onColumnClicked(pNMHDR);
    *pResult = 0;
}
