#include "CExtListCtrl.h"

#include "ExtListGeometry.h"

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

// Rows

int CExtListCtrl::insertWithIds(int index, char bk, char text)
{
    if (index < 0)
        return index;
    m_ids.inserted(index, static_cast<unsigned char>(bk), static_cast<unsigned char>(text));
    onRowInserted(index);
    return index;
}

int CExtListCtrl::InsertItem(int nItem, CString text, char bkColorId, char textColorId)
{
    HideCtrl();
    return insertWithIds(CListCtrl::InsertItem(nItem, text), bkColorId, textColorId);
}

int CExtListCtrl::InsertItem(const LVITEMW* pItem, char bkColorId, char textColorId)
{
    HideCtrl();
    return insertWithIds(CListCtrl::InsertItem(pItem), bkColorId, textColorId);
}

int CExtListCtrl::InsertItem(const LVITEMW* pItem)
{
    return InsertItem(pItem, char(ExtListColorIds::kDefaultBk), char(ExtListColorIds::kDefaultText));
}

int CExtListCtrl::InsertItem(int nItem, LPCWSTR lpszItem)
{
    return InsertItem(nItem, CString(lpszItem), char(ExtListColorIds::kDefaultBk),
                      char(ExtListColorIds::kDefaultText));
}

int CExtListCtrl::InsertItem(int nItem, LPCWSTR lpszItem, int nImage)
{
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

int CExtListCtrl::InsertItem(UINT nMask, int nItem, LPCWSTR lpszItem, UINT nState, UINT nStateMask,
                             int nImage, LPARAM lParam)
{
    LVITEMW item{};
    item.mask = nMask;
    item.iItem = nItem;
    item.pszText = const_cast<LPWSTR>(lpszItem);
    item.state = nState;
    item.stateMask = nStateMask;
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

BOOL CExtListCtrl::DeleteItem(int nItem)
{
    HideCtrl();
    if (!CListCtrl::DeleteItem(nItem))
        return FALSE;
    m_ids.deleted(nItem);
    onRowDeleted(nItem);
    return TRUE;
}

BOOL CExtListCtrl::DeleteAllItems()
{
    HideCtrl();
    m_ids.clear();
    onAllRowsDeleted();
    return CListCtrl::DeleteAllItems();
}

void CExtListCtrl::onRowInserted(int) {}

void CExtListCtrl::onRowDeleted(int) {}

void CExtListCtrl::onAllRowsDeleted() {}

// Colours

char CExtListCtrl::setBkColor(int row, char id)
{
    return m_ids.setBk(row, id);
}

char CExtListCtrl::setTextColor(int row, char id)
{
    return m_ids.setText(row, id);
}

char CExtListCtrl::GetItemBkColorId(int row) const
{
    return m_ids.bk(row);
}

char CExtListCtrl::GetItemTextColorId(int row) const
{
    return m_ids.text(row);
}

char CExtListCtrl::AddColor(const COLORREF& color)
{
    return m_ids.addColor(color);
}

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

BOOL CExtListCtrl::SetFullRowSel(BOOL bFullRowSel)
{
    ::LockWindowUpdate(m_hWnd);
    m_bFullRowSel = bFullRowSel;
    const DWORD before = GetStyle();
    if (bFullRowSel)
        ModifyStyle(0, LVS_OWNERDRAWFIXED);
    else
        ModifyStyle(LVS_OWNERDRAWFIXED, 0);
    const BOOL changed = before != GetStyle();
    if (changed && (GetStyle() & LVS_TYPEMASK) == LVS_REPORT)
        Invalidate();
    ::LockWindowUpdate(nullptr);
    return changed;
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

bool CExtListCtrl::fullRowReport() const
{
    return m_bFullRowSel && (GetStyle() & LVS_TYPEMASK) == LVS_REPORT;
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
    if (pOldWnd && ::IsChild(m_hWnd, pOldWnd->m_hWnd))
        return;
    if (fullRowReport())
        RepaintSelectedItems();
    if (m_editors.current() && m_editors.current()->getWnd()->IsWindowVisible())
        m_editors.current()->getWnd()->SetFocus();
}

void CExtListCtrl::OnKillFocus(CWnd* pNewWnd)
{
    if (m_editors.current() && !m_editors.isOpenEditor(pNewWnd))
        HideCtrl();
    Default();
    if (pNewWnd && ::IsChild(m_hWnd, pNewWnd->m_hWnd))
        return;
    if (fullRowReport())
        RepaintSelectedItems();
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
    HideCtrl();
    int col = -1, row = -1;
    if (GetCellAtPoint(point, col, row))
        OnCellClk(col, row);
}

void CExtListCtrl::hideThenDefault(UINT, CPoint)
{
    HideCtrl();
    Default();
}

BOOL CExtListCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (ExtListGeometry::closesEditor(*this, *pMsg))
        HideCtrl();
    return CListCtrl::PreTranslateMessage(pMsg);
}

// Window set-up

BOOL CExtListCtrl::PreCreateWindow(CREATESTRUCTW& cs)
{
    cs.style = (cs.style & ~LVS_TYPEMASK) | LVS_REPORT | LVS_OWNERDRAWFIXED;
    m_bFullRowSel = TRUE;
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

void CExtListCtrl::subclass()
{
    HWND header = m_hWnd ? reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)) : nullptr;
    if (!header || header == m_header.m_hWnd)
        return;
    if (m_header.m_hWnd)
        m_header.UnsubclassWindow();
    m_header.SubclassWindow(header);
}

CSortHeaderCtrl* CExtListCtrl::getHeaderCtrl()
{
    HWND header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    if (header && !FromHandlePermanent(header))
        subclass(); // the control made its header after we took it over
    return DYNAMIC_DOWNCAST(CSortHeaderCtrl, FromHandlePermanent(header));
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

// Header states and the click history

void CExtListCtrl::OnColumnclick(NMHDR* pNMHDR, LRESULT* pResult)
{
    int col = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
    if (col >= 0) {
        m_headerStates.clicked(col);
        InvertColHeaderState(col);
    }
    onSort();
    *pResult = 0;
}

void CExtListCtrl::onSort()
{
    int latest = 0;
    const int col = getClickedCol(latest);
    if (col >= 0)
        GetColHeaderState(col);
}

void CExtListCtrl::OnHeaderLButtonDown(int& x)
{
    int col = -1;
    GetColumnAtX(x, col);
    if (col == -1)
        return;
    m_headerStates.clicked(col);
    InvertColHeaderState(col);
}

HeaderColState CExtListCtrl::GetColHeaderState(const int& col)
{
    return m_headerStates.get(col);
}

void CExtListCtrl::SetColHeaderState(int& col, HeaderColState& state)
{
    if (m_headerStates.set(col, state))
        onChangeColState(col);
}

void CExtListCtrl::InvertColHeaderState(int& col)
{
    HeaderColState state = ExtListHeaderStates::opposite(GetColHeaderState(col));
    SetColHeaderState(col, state);
}

void CExtListCtrl::onChangeColState(int& col)
{
    if (GetColHeaderState(col) == HeaderColAscending)
        DrawArrowUpOnColHeader(col);
    else
        DrawArrowDownOnColHeader(col);
}

void CExtListCtrl::DrawArrowDownOnColHeader(int& col)
{
    if (CSortHeaderCtrl* header = getHeaderCtrl())
        header->SetSortArrow(col, FALSE);
}

void CExtListCtrl::DrawArrowUpOnColHeader(int& col)
{
    if (CSortHeaderCtrl* header = getHeaderCtrl())
        header->SetSortArrow(col, TRUE);
}

// Cells and editors

void CExtListCtrl::GetColumnAtX(const int& x, int& col)
{
    col = ExtListGeometry::columnAtX(*this, x);
}

bool CExtListCtrl::GetCellAtPoint(CPoint& point, int& col, int& row)
{
    return ExtListGeometry::cellAtPoint(*this, point, col, row);
}

CPoint CExtListCtrl::GetPosCtrlToDisp()
{
    return m_editors.pos();
}

void CExtListCtrl::OnCellClk(int col, int row)
{
    m_editors.setPos(CPoint(col, row));
    DrawCtrl(col, row);
}

void CExtListCtrl::DrawCtrl(int& col, int& row)
{
    m_editors.open(col, ExtListGeometry::editorRect(*this, col, row));
}

void CExtListCtrl::HideCtrl()
{
    m_editors.hide();
}

void CExtListCtrl::SetCtrlInCol(ICtrlInExtListCtrl* ctrl, const int& col, formatingCtrls format)
{
    if (!m_editors.set(ctrl, col))
        return;
    if (format == useListFont && ctrl->getWnd() && ctrl->getWnd()->m_hWnd)
        ctrl->getWnd()->SetFont(GetFont(), TRUE);
    ctrl->init(this);
}

ICtrlInExtListCtrl* CExtListCtrl::GetCtrlInCol(const int& col)
{
    return m_editors.get(col);
}
