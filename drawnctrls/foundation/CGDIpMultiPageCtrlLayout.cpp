// The layout of the multi-page host: every conversion truncates.
#include "CGDIpMultiPageCtrl.h"

#include <cstdlib>

namespace {
const UINT place = SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE;
const UINT hideTab = SWP_NOSIZE | SWP_NOMOVE | SWP_HIDEWINDOW | SWP_NOZORDER | SWP_NOACTIVATE;
const UINT showTab = SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW | SWP_NOZORDER | SWP_NOACTIVATE;
} // namespace

void CGDIpMultiPageCtrl::recalcLayout()
{
    if (!m_hWnd || !isAnyCenterTopePageButton())
        return;
    CRect client;
    GetClientRect(&client);
    IGDIpGradientRectPack::v_recalcData(client);
    const int W = client.Width();
    const int H = client.Height();
    const int L = getLeftPage() ? int(W * m_leftWidth) : 0;
    const int C = int(W * m_rightBoundary - L);
    std::vector<Placement> batch;
    if (m_noTabs)
        layoutWithoutTabs(batch, W, H, L, C);
    else if (m_arrangement == 1)
        layoutTabRow(batch, W, H, L, C);
    else
        layoutTabColumn(batch, W, H, L, C);
    applyBatch(batch);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CGDIpMultiPageCtrl::layoutWithoutTabs(std::vector<Placement>& batch, int W, int H, int L, int C)
{
    const int B = int(H * (1 - m_bottomHeight));
    placeCentrePages(batch, CRect(L, 0, L + C, B));
    const bool leftPlaced = getLeftPage() && m_leftWidth > 0;
    const int leftBottom = leftPlaced ? int(H * (1 - m_leftBottomCut)) : H;
    placeSidePanels(batch, W, H, L, C, leftBottom <= B ? 0 : L, B, L + C);
}

void CGDIpMultiPageCtrl::layoutTabRow(std::vector<Placement>& batch, int W, int H, int L, int C)
{
    const int T = tabHeight();
    const int first = getCenterTopePageFirstButtonIdx();
    const int Y = int(H * m_buttons[first]->m_rowPosition);
    const int visible = getCenterTopePageVisibleButtonCount();
    int w = visible > 0 ? C / visible : 0;
    int x0 = L;
    if (w > 0 && UINT(w) > m_maxTabWidth) {
        w = int(m_maxTabWidth);
        x0 = 5;
    }
    int x = x0;
    for (int i = 0; i < int(m_buttons.size()); ++i) {
        if (!isCenterTopPage(i))
            continue;
        if (m_buttons[i]->m_hidden) {
            if (HWND tab = windowOf(m_buttons[i]))
                batch.push_back({tab, CRect(), hideTab});
            continue;
        }
        placeTabCell(batch, m_buttons[i], CRect(x, Y, x + w, Y + T));
        x += w;
    }
    const int right = getRightPage() ? x0 + C : W;
    const int top = T + Y;
    // The bottom panel starts where the pages end, below a row at any height.
    const int pagesBottom = int((H - top) * (1 - m_bottomHeight) + top);
    placeCentrePages(batch, CRect(x0, top, right, pagesBottom));
    placeSidePanels(batch, W, H, L, C, x0, pagesBottom, right);
}

// Tabs stacked at the left in a column W / maximum tab width wide; the
// program never uses it.
void CGDIpMultiPageCtrl::layoutTabColumn(std::vector<Placement>& batch, int W, int H, int L, int C)
{
    const int columnWidth = m_maxTabWidth ? int(UINT(W) / m_maxTabWidth) : 0;
    const int count = getCenterTopePageButtonCount();
    const int baseHeight = m_orientation == 1 && count > 0 ? H / count : tabHeight();
    int y = 0;
    for (int i = 0; i < int(m_buttons.size()); ++i) {
        IMultiPageButton* button = m_buttons[i];
        if (!isCenterTopPage(i))
            continue;
        if (button->m_hidden) {
            if (HWND tab = windowOf(button))
                batch.push_back({tab, CRect(), hideTab});
            continue;
        }
        const int top = button->m_rowPosition != 0 ? int(H * button->m_rowPosition) : y;
        const int height = button->m_vInset != 0 ? int(H * button->m_vInset) : baseHeight;
        CRect cell(0, top, columnWidth, top + height);
        if (HWND tab = windowOf(button)) {
            batch.push_back({tab, CRect(), showTab});
            batch.push_back({tab, cell, place});
        }
        y = cell.bottom;
    }
    const int left = columnWidth > L ? columnWidth : L;
    const int B = int(H * (1 - m_bottomHeight));
    placeCentrePages(batch, CRect(left, 0, L + C, B));
    placeSidePanels(batch, W, H, L, C, left, B, L + C);
}

int CGDIpMultiPageCtrl::tabHeight() const
{
    LOGFONTW font{};
    // Without a tab font the tabs take the height of the dialog font.
    HGDIOBJ handle = m_tabFont && m_tabFont->GetSafeHandle() ? m_tabFont->GetSafeHandle()
                                                             : ::GetStockObject(DEFAULT_GUI_FONT);
    ::GetObjectW(handle, sizeof(font), &font);
    return int(std::abs(font.lfHeight) * m_tabHeightFactor);
}

void CGDIpMultiPageCtrl::placeTabCell(std::vector<Placement>& batch, IMultiPageButton* button,
                                      CRect cell) const
{
    HWND tab = windowOf(button);
    if (!tab)
        return;
    const int dx = int(cell.Width() * button->m_hInset * 0.5);
    const int dy = int(cell.Height() * button->m_vInset * 0.5);
    cell.DeflateRect(dx, dy);
    batch.push_back({tab, CRect(), showTab});
    batch.push_back({tab, cell, place});
}

void CGDIpMultiPageCtrl::placeCentrePages(std::vector<Placement>& batch, const CRect& r) const
{
    for (int i = 0; i < int(m_pages.size()); ++i) {
        if (!isCenterTopPage(i))
            continue;
        if (HWND page = windowOf(m_pages[i]))
            batch.push_back({page, r, place});
    }
}

// A panel at its hidden value gets an empty rectangle.
void CGDIpMultiPageCtrl::placeSidePanels(std::vector<Placement>& batch, int W, int H, int L, int C,
                                         int bottomX, int bottomTop, int bottomRight)
{
    if (HWND left = windowOf(getLeftPage())) {
        CRect r;
        if (m_leftWidth > 0) {
            m_savedLeftWidth = m_leftWidth;
            r.SetRect(0, 0, L, int(H * (1 - m_leftBottomCut)));
        }
        batch.push_back({left, r, place});
    }
    if (HWND right = windowOf(getRightPage())) {
        CRect r;
        if (m_rightBoundary < 1) {
            m_savedRightBoundary = m_rightBoundary;
            r.SetRect(L + C, 0, W, int(H * (1 - m_rightBottomCut)));
        }
        batch.push_back({right, r, place});
    }
    IMultiPageContent* bottomPage = getCenterBottomPage();
    if (HWND bottom = windowOf(bottomPage)) {
        CRect r;
        if (m_bottomHeight != 0) {
            m_savedBottomHeight = m_bottomHeight;
            r.SetRect(bottomX, bottomTop, bottomRight, H);
        } else {
            bottomPage->v_move(CRect(), TRUE);
        }
        batch.push_back({bottom, r, place});
    }
}

// A failed DeferWindowPos has already ended the batch.
void CGDIpMultiPageCtrl::applyBatch(const std::vector<Placement>& batch)
{
    int count = 0;
    for (const Placement& p : batch)
        count += p.hWnd ? 1 : 0;
    HDWP dwp = ::BeginDeferWindowPos(count);
    for (const Placement& p : batch) {
        if (!dwp)
            return;
        if (p.hWnd)
            dwp = ::DeferWindowPos(dwp, p.hWnd, nullptr, p.rect.left, p.rect.top, p.rect.Width(),
                                   p.rect.Height(), p.flags);
    }
    if (dwp)
        ::EndDeferWindowPos(dwp);
}
