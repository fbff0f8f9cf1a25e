#include "CListCtrlEx.h"

IMPLEMENT_DYNCREATE(CListCtrlEx, CExtListCtrl)

BEGIN_MESSAGE_MAP(CListCtrlEx, CExtListCtrl)
ON_WM_LBUTTONDBLCLK()
ON_WM_LBUTTONDOWN()
ON_WM_KEYDOWN()
ON_NOTIFY_REFLECT(LVN_INSERTITEM, &CListCtrlEx::OnInsertItem)
ON_NOTIFY_REFLECT(LVN_DELETEITEM, &CListCtrlEx::OnDeleteItem)
ON_NOTIFY_REFLECT(LVN_DELETEALLITEMS, &CListCtrlEx::OnDeleteAllItems)
ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, &CListCtrlEx::OnItemChanged)
END_MESSAGE_MAP()

CListCtrlEx::~CListCtrlEx()
{
    m_grid.clear();
}

bool CListCtrlEx::inRange(int row, int col) const
{
    return row >= 0 && col >= 0 && size_t(row) < m_grid.size() && size_t(col) < m_grid[size_t(row)].size();
}

bool CListCtrlEx::inResizedRange(int row, int col)
{
    CHeaderCtrl* header = GetHeaderCtrl();
    if (row < 0 || col < 0 || row >= GetItemCount() || !header || col >= header->GetItemCount())
        return false;
    if (size_t(row) >= m_grid.size())
        m_grid.resize(size_t(row) + 1);
    auto& cells = m_grid[size_t(row)];
    if (size_t(col) >= cells.size())
        cells.resize(size_t(col) + 1);
    return true;
}

void CListCtrlEx::setCtrl(int row, int col, CItemCtrl* ctrl)
{
    std::shared_ptr<CItemCtrl> owned = heldEditor(ctrl);
    const bool known = owned != nullptr;
    if (!known)
        owned.reset(ctrl);
    if (!inResizedRange(row, col))
        return;
    auto& cell = m_grid[size_t(row)][size_t(col)];
    if (cell == owned)
        return;
    if (m_active.row == row && m_active.col == col)
        dropActive();
    if (ctrl && !known)
        ctrl->create(this);
    cell = std::move(owned);
}

std::shared_ptr<CItemCtrl> CListCtrlEx::heldEditor(const CItemCtrl* ctrl) const
{
    if (ctrl)
        for (const auto& cells : m_grid)
            for (const auto& cell : cells)
                if (cell.get() == ctrl)
                    return cell;
    return nullptr;
}

CItemCtrl* CListCtrlEx::getCtrl(int row, int col) const
{
    return inRange(row, col) ? m_grid[size_t(row)][size_t(col)].get() : nullptr;
}

bool CListCtrlEx::hitTest(CPoint point, Item& item)
{
    LVHITTESTINFO info{};
    info.pt = point;
    SubItemHitTest(&info);
    item.row = info.iItem;
    item.col = info.iItem < 0 ? -1 : info.iSubItem;
    return item.row >= 0;
}

CRect CListCtrlEx::getActiveRect()
{
    CRect rect;
    if (m_active.row >= 0 && m_active.col >= 0)
        GetSubItemRect(m_active.row, m_active.col, LVIR_LABEL, rect);
    return rect;
}

void CListCtrlEx::showActive(bool show)
{
    if (CItemCtrl* ctrl = getCtrl(m_active.row, m_active.col)) {
        if (show) {
            ctrl->show(true);
            ctrl->setText(GetItemText(m_active.row, m_active.col));
        } else {
            SetItemText(m_active.row, m_active.col, ctrl->getText());
            ctrl->show(false);
        }
    }
    if (!show)
        m_active = Item();
}

void CListCtrlEx::dropActive()
{
    if (CItemCtrl* ctrl = getCtrl(m_active.row, m_active.col))
        ctrl->show(false);
    m_active = Item();
}

void CListCtrlEx::resizeActive()
{
    if (CItemCtrl* ctrl = getCtrl(m_active.row, m_active.col))
        ctrl->move(getActiveRect());
}

void CListCtrlEx::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    Item hit;
    if (hitTest(point, hit)) {
        m_active = hit;
        resizeActive();
        showActive(true);
    }
    CExtListCtrl::OnLButtonDblClk(nFlags, point);
}

void CListCtrlEx::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!getActiveRect().PtInRect(point))
        showActive(false);
    CExtListCtrl::OnLButtonDown(nFlags, point);
}

void CListCtrlEx::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_UP || nChar == VK_DOWN)
        showActive(false);
    Default();
}

// A column being resized takes the open editor with it.
BOOL CListCtrlEx::PreTranslateMessage(MSG* pMsg)
{
    CHeaderCtrl* header = GetHeaderCtrl();
    if (header && pMsg->hwnd == header->m_hWnd &&
        ((pMsg->message == WM_MOUSEMOVE && (pMsg->wParam & MK_LBUTTON)) || pMsg->message == WM_LBUTTONUP))
        resizeActive();
    return CExtListCtrl::PreTranslateMessage(pMsg);
}

void CListCtrlEx::OnInsertItem(NMHDR* pNMHDR, LRESULT* pResult)
{
    const int row = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iItem;
    if (row >= 0 && size_t(row) <= m_grid.size())
        m_grid.emplace(m_grid.begin() + row);
    if (m_active.row >= row && row >= 0)
        ++m_active.row; // the open editor stays with its row
    *pResult = 0;
}

void CListCtrlEx::OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult)
{
    const int row = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iItem;
    if (row == m_active.row)
        dropActive();
    else if (row >= 0 && row < m_active.row)
        --m_active.row;
    if (row >= 0 && size_t(row) < m_grid.size())
        m_grid.erase(m_grid.begin() + row);
    *pResult = 0;
}

void CListCtrlEx::OnDeleteAllItems(NMHDR*, LRESULT* pResult)
{
    dropActive();
    m_grid.clear();
    *pResult = 0;
}

void CListCtrlEx::OnItemChanged(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
}
