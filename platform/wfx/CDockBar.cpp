#include "CDockBar.h"

#include "CFrameWnd.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
ON_MESSAGE(WM_SIZEPARENT, &CDockBar::OnSizeParent)
END_MESSAGE_MAP()

namespace {

// Entries below this are placeholders, not bars.
const UINT_PTR kPlaceholderLimit = 0x10000;

// Bars follow each other along a row overlapping by this much.
const int kOverlap = 2;

} // namespace

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating)
{
    m_arrBars.Add(nullptr);
}

CDockBar::~CDockBar()
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        if (CControlBar* bar = GetDockedControlBar(int(i)); bar && bar->m_pDockBar == this)
            bar->m_pDockBar = nullptr;
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    LPCWSTR wndClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    DWORD style = (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return CreateEx(0, wndClass, nullptr, style, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CDockBar::isHorz() const
{
    return m_bFloating || (m_dwStyle & CBRS_ORIENT_HORZ);
}

CControlBar* CDockBar::GetDockedControlBar(int nPos) const
{
    void* entry = m_arrBars[nPos];
    return reinterpret_cast<UINT_PTR>(entry) < kPlaceholderLimit ? nullptr : static_cast<CControlBar*>(entry);
}

int CDockBar::FindBar(CControlBar* pBar, int nPosExclude) const
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        if (i != nPosExclude && m_arrBars[i] == pBar)
            return int(i);
    return -1;
}

int CDockBar::GetDockedCount() const
{
    int count = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        count += GetDockedControlBar(int(i)) ? 1 : 0;
    return count;
}

int CDockBar::GetDockedVisibleCount() const
{
    int count = 0;
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        if (CControlBar* bar = GetDockedControlBar(int(i)))
            count += bar->IsVisible() ? 1 : 0;
    return count;
}

void CDockBar::removeEmptyRowEnds()
{
    if (m_arrBars.IsEmpty() || m_arrBars[0])
        m_arrBars.InsertAt(0, nullptr);
    for (INT_PTR i = 1; i < m_arrBars.GetSize();)
        if (!m_arrBars[i] && !m_arrBars[i - 1])
            m_arrBars.RemoveAt(i);
        else
            ++i;
}

void CDockBar::forgetBar(CControlBar* pBar)
{
    for (int i = FindBar(pBar); i >= 0; i = FindBar(pBar))
        m_arrBars.RemoveAt(i);
    removeEmptyRowEnds();
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar = nullptr;
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude)
{
    int index = FindBar(pBar, nPosExclude);
    if (index < 0)
        return FALSE;
    m_arrBars.RemoveAt(index);
    removeEmptyRowEnds();
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar = nullptr;
    if (m_bFloating && GetDockedCount() == 0 && m_hWnd) {
        CWnd* frame = GetParent();
        if (frame)
            frame->DestroyWindow(); // takes this dock bar with it
    }
    return TRUE;
}

// The row holding the screen point across the dock bar; insertAt gets the
// index before which a bar dropped there goes.
int CDockBar::rowIndexAt(CPoint screenPoint, int* insertAt) const
{
    BOOL horz = isHorz();
    int rowStart = 1;
    for (INT_PTR i = 1; i <= m_arrBars.GetSize(); ++i) {
        if (i < m_arrBars.GetSize() && m_arrBars[i])
            continue;
        CRect band;
        int before = int(i);
        for (int j = rowStart; j < i; ++j) {
            CControlBar* bar = GetDockedControlBar(j);
            if (!bar || !bar->IsVisible())
                continue;
            CRect rect;
            bar->GetWindowRect(&rect);
            band.UnionRect(&band, &rect);
            CPoint centre = rect.CenterPoint();
            if (before == int(i) && (horz ? screenPoint.x < centre.x : screenPoint.y < centre.y))
                before = j;
        }
        bool inside = horz ? screenPoint.y >= band.top && screenPoint.y < band.bottom
                           : screenPoint.x >= band.left && screenPoint.x < band.right;
        if (!band.IsRectEmpty() && inside) {
            *insertAt = before;
            return rowStart;
        }
        rowStart = int(i) + 1;
    }
    *insertAt = -1;
    return -1;
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    CDockBar* old = pBar->m_pDockBar;
    if (::GetParent(pBar->m_hWnd) != m_hWnd)
        ::SetParent(pBar->m_hWnd, m_hWnd);
    if (old)
        old->RemoveControlBar(pBar); // a floating frame left empty goes now
    int insertAt = -1;
    if (lpRect)
        rowIndexAt(CRect(lpRect).TopLeft(), &insertAt);
    if (insertAt < 0) {
        m_arrBars.Add(pBar);
        m_arrBars.Add(nullptr);
    } else {
        m_arrBars.InsertAt(insertAt, pBar);
    }
    pBar->m_pDockBar = this;
    DWORD align =
        m_bFloating ? (pBar->m_dwStyle & CBRS_ALIGN_ANY) | CBRS_FLOATING : m_dwStyle & CBRS_ALIGN_ANY;
    pBar->m_dwStyle = (pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | align;
}

// Lays out the row starting at `first`, at `cross` across the dock bar;
// returns the row's thickness.
int CDockBar::layoutRow(int first, HDWP& hdwp, int cross)
{
    BOOL horz = isHorz();
    DWORD mode = m_bFloating ? (LM_HORZ | LM_MRUWIDTH) : horz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
    int pos = m_bFloating ? 0 : -kOverlap;
    int thickness = 0;
    for (INT_PTR i = first; i < m_arrBars.GetSize() && m_arrBars[i]; ++i) {
        CControlBar* bar = GetDockedControlBar(int(i));
        if (!bar)
            continue;
        if (!m_bLayoutQuery)
            bar->RecalcDelayShow(nullptr);
        if (!bar->IsVisible())
            continue;
        CSize size = bar->CalcDynamicLayout(-1, mode);
        CRect rect = horz ? CRect(CPoint(pos, cross), size) : CRect(CPoint(cross, pos), size);
        if (!m_bLayoutQuery && hdwp)
            hdwp = ::DeferWindowPos(hdwp, bar->m_hWnd, nullptr, rect.left, rect.top, rect.Width(),
                                    rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        pos += (horz ? size.cx : size.cy) - kOverlap;
        thickness = std::max(thickness, int(horz ? size.cy : size.cx));
    }
    return thickness;
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL)
{
    BOOL horz = isHorz();
    HDWP hdwp = m_bLayoutQuery ? nullptr : ::BeginDeferWindowPos(std::max(GetDockedCount(), 1));
    int cross = 0;
    int longest = 0;
    for (INT_PTR i = 1; i < m_arrBars.GetSize(); ++i) {
        if (!m_arrBars[i] || m_arrBars[i - 1])
            continue; // not the start of a row
        cross += layoutRow(int(i), hdwp, cross);
    }
    if (hdwp)
        ::EndDeferWindowPos(hdwp);
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        if (CControlBar* bar = GetDockedControlBar(int(i)); bar && bar->IsVisible()) {
            CRect rect;
            bar->GetWindowRect(&rect);
            longest = std::max(longest, int(horz ? rect.Width() : rect.Height()));
        }
    if (horz)
        return CSize(bStretch ? 32767 : longest, cross);
    return CSize(cross, bStretch ? 32767 : longest);
}

void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    auto* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    m_rectLayout = layout->rect;
    m_bLayoutQuery = layout->hDWP == nullptr;
    LRESULT result = CControlBar::OnSizeParent(wParam, lParam);
    m_bLayoutQuery = FALSE;
    return result;
}
