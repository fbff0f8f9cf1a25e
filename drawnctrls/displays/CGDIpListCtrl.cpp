#include "CGDIpListCtrl.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

IMPLEMENT_DYNAMIC(CGDIpListCtrl, CGDIpTransparentCompCtrl)

BEGIN_MESSAGE_MAP(CGDIpListCtrl, CGDIpTransparentCompCtrl)
ON_WM_LBUTTONDOWN()
ON_WM_MOUSELEAVE()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_MOUSEWHEEL()
ON_WM_LBUTTONDBLCLK()
ON_WM_VSCROLL()
ON_WM_CREATE()
ON_WM_HSCROLL()
END_MESSAGE_MAP()

CGDIpListCtrl::CGDIpListCtrl()
{
    setMarginFractions(0, 0, 0, 0);
    setCornerFractions(0.01);
    m_gradientStart = 0xFF808080;
    m_gradientEnd = 0xFF808080;
    m_blendFactors[0] = 0.0f;
    m_blendFactors[1] = 0.25f;
    m_blendFactors[2] = 1.0f;
    m_blendPositions[0] = 0.0f;
    m_blendPositions[1] = 0.5f;
    m_blendPositions[2] = 1.0f;
    m_fillBackground = false;
}

CGDIpListCtrl::~CGDIpListCtrl()
{
    deleteHeader();
    deleteRows();
}

bool CGDIpListCtrl::insertHeaderColumn(CGDIpListCtrlHeaderItem* item)
{
    if (!item || !m_rows.empty())
        return false;
    item->m_owner = this;
    m_header.push_back(item);
    return true;
}

bool CGDIpListCtrl::insertHeaderColumn(CGDIpListCtrlHeaderItem* item, IListCtrlrColorPack* pack)
{
    if (pack) {
        static_cast<IListCtrlrColorPack&>(m_colorPack) = *pack;
        if (item) {
            static_cast<IGDIpGradientRectPack&>(*item) = *pack;
            item->m_textColor = pack->m_textColor;
        }
    }
    return insertHeaderColumn(item);
}

void CGDIpListCtrl::deleteRows()
{
    for (CGDIpListCtrlRow* row : m_rows)
        delete row;
    m_rows.clear();
    m_clickedRow = nullptr;
}

void CGDIpListCtrl::deleteHeader()
{
    for (CGDIpListCtrlHeaderItem* item : m_header)
        delete item;
    m_header.clear();
}

void CGDIpListCtrl::deleteItems()
{
    deleteRows();
    m_firstRow = 0;
    relayout();
}

void CGDIpListCtrl::invalidate()
{
    relayout();
}

void CGDIpListCtrl::relayout()
{
    if (!m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    v_recalcData(client);
    Invalidate(FALSE);
}

int CGDIpListCtrl::lastRow() const
{
    return std::max(0, int(m_rows.size()) - 1);
}

bool CGDIpListCtrl::isDisplayed(int n) const
{
    const int first = int(m_firstRow);
    return n >= first && n < first + int(m_rowsPerPage) - 1;
}

// The layout needs a character height (negative); a cell height is taken
// by its size, and a font of no height lays out nothing.
int CGDIpListCtrl::fontPixels() const
{
    LOGFONTW lf{};
    if (!m_font || !m_font->GetLogFont(&lf))
        return 0;
    CDC ic;
    if (!ic.CreateIC(L"DISPLAY", nullptr, nullptr, nullptr))
        return 0;
    return ::MulDiv(std::abs(int(lf.lfHeight)), ic.GetDeviceCaps(LOGPIXELSY), 72);
}

void CGDIpListCtrl::v_recalcData(const CRect& rc)
{
    IGDIpGradientRectPack::v_recalcData(rc);
    const int fontPx = fontPixels();
    const int rowHeight = int(fontPx * m_rowHeightFactor);
    if (rowHeight > 0) {
        const int* d = m_cornerDiameters;
        const CRect inner(rc.left + d[0] / 4, rc.top + d[1] / 4, rc.right - d[2] / 4, rc.bottom - d[3] / 4);
        m_rowsPerPage = unsigned(std::max(0, inner.Height()) / rowHeight);
        m_marginX = int(inner.Width() * m_marginXRatio);
        m_marginY = int(inner.Height() * m_marginYRatio);
        const int headerBottom = layoutHeader(inner, fontPx);
        if (m_firstRow > m_rows.size())
            m_firstRow = 0;
        layoutRows(headerBottom, rowHeight);
    }
    setScrollSettings(rc);
}

int CGDIpListCtrl::layoutHeader(const CRect& inner, int fontPx)
{
    const int available = inner.right - (inner.left + m_marginX);
    const int top = m_marginY;
    const int bottom = m_marginY + int(fontPx * m_headerHeightFactor);
    int x = m_marginX - m_hOffset;
    m_layoutRect.SetRect(x, top, x, bottom);
    m_headerRight = x;
    m_columnCount = 0;
    for (CGDIpListCtrlHeaderItem* item : m_header) {
        if (item->m_widthRatio != 0.0)
            item->m_width = int(available * item->m_widthRatio - m_columnGap);
        item->v_recalcData(CRect(x, top, x + item->m_width, bottom));
        m_headerRight = x + item->m_width;
        x += item->m_width + m_columnGap;
        item->m_font = m_font;
        ++m_columnCount;
    }
    m_layoutRect.right = m_headerRight;
    return bottom;
}

void CGDIpListCtrl::layoutRows(int top, int rowHeight)
{
    const int left = m_header.empty() ? m_layoutRect.left : m_header.front()->m_left;
    const int right = m_header.empty() ? m_layoutRect.right : m_header.back()->m_right;
    forEachDisplayedRow([&](int n, CGDIpListCtrlRow* row) {
        top += m_rowGap;
        row->m_font = m_font;
        row->m_alternate = m_alternateRows && n % 2 == 1;
        row->v_recalcData(CRect(left, top, right, top + rowHeight));
        top += rowHeight;
    });
}

void CGDIpListCtrl::setScrollSettings(const CRect& rc)
{
    m_vScroll = ScrollSettings{0, int(m_rows.size()), int(m_rowsPerPage), int(m_firstRow)};
    m_hScroll = ScrollSettings{0, m_headerRight, rc.Width(), m_hOffset};
    if (m_hScroll.max < m_hScroll.page && m_hOffset != 0)
        m_hScroll.max = m_hScroll.page + m_hOffset;
    UpdateScrollInfo();
}

void CGDIpListCtrl::UpdateScrollInfo()
{
    if (!m_hWnd)
        return;
    for (const auto& [bar, settings] :
         {std::make_pair(SB_VERT, m_vScroll), std::make_pair(SB_HORZ, m_hScroll)}) {
        SCROLLINFO info{sizeof info,  SIF_ALL, settings.min, settings.max, UINT(std::max(0, settings.page)),
                        settings.pos, 0};
        SetScrollInfo(bar, &info, TRUE);
    }
}

void CGDIpListCtrl::v_draw(CDC& dc)
{
    const int saved = dc.SaveDC(); // the clip goes with it
    CRect client;
    GetClientRect(&client);
    dc.IntersectClipRect(client.left + m_marginX, client.top + m_marginY, client.right - m_marginX,
                         client.bottom - m_marginY);
    const int columns = std::min(m_columnCount, int(m_header.size()));
    for (int k = m_firstColumnIsRowHeader ? 1 : 0; k < columns; ++k)
        m_header[size_t(k)]->v_draw(dc);
    if (m_firstRow > m_rows.size())
        m_firstRow = 0;
    IListCtrlrColorPack* pack = m_firstColumnIsRowHeader ? &m_colorPack : nullptr;
    forEachDisplayedRow([&](int, CGDIpListCtrlRow* row) { row->v_draw(dc, 0, m_columnCount, pack); });
    dc.RestoreDC(saved);
}

BOOL CGDIpListCtrl::PreCreateWindow(CREATESTRUCTW& cs)
{
    cs.style |= WS_HSCROLL | WS_VSCROLL;
    return CGDIpTransparentCompCtrl::PreCreateWindow(cs);
}

int CGDIpListCtrl::OnCreate(LPCREATESTRUCT)
{
    if (Default() == -1)
        return -1;
    UpdateScrollInfo();
    return 0;
}

void CGDIpListCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_clickedRow = nullptr;
    SetFocus();
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&track);
    if (!pressHeader(point) && !m_noRowSelection)
        pressRows(nFlags, point);
    Default();
    notifyParent(UINT(NM_CLICK));
}

// A press that starts a column drag or hits a header cell selects no row.
bool CGDIpListCtrl::pressHeader(CPoint& pt)
{
    if (m_headerLocked)
        return false;
    for (size_t k = 0; k < m_header.size(); ++k) {
        CGDIpListCtrlHeaderItem* item = m_header[k];
        if (item->trackHeaderWidth(pt, unsigned(m_trackMargin))) {
            m_trackedColumn = int(k);
            m_trackStart = pt;
            m_trackStartWidth = item->m_width;
            CRect r = item->getRect();
            r.InflateRect(1, 1);
            InvalidateRect(&r, FALSE);
            return true;
        }
    }
    for (CGDIpListCtrlHeaderItem* item : m_header) {
        if (item->mousePressed(true, pt))
            return true;
    }
    return false;
}

void CGDIpListCtrl::pressRows(UINT nFlags, CPoint& pt)
{
    const bool exclusive = m_singleSelection || !(nFlags & MK_CONTROL);
    int n = 0;
    for (CGDIpListCtrlRow* row : m_rows) {
        if (isDisplayed(n)) {
            if (row->hitTest(exclusive, pt))
                m_clickedRow = row;
        } else if (m_singleSelection) {
            row->setSelection(false);
        }
        ++n;
    }
}

void CGDIpListCtrl::notifyParent(UINT code)
{
    NMHDR hdr{m_hWnd, reinterpret_cast<UINT_PTR>(m_clickedRow), code};
    ::SendMessageW(::GetParent(m_hWnd), WM_NOTIFY, WPARAM(GetDlgCtrlID()), LPARAM(&hdr));
}

void CGDIpListCtrl::OnMouseMove(UINT, CPoint point)
{
    if (m_headerLocked)
        return;
    if (m_trackedColumn >= 0 && size_t(m_trackedColumn) < m_header.size()) {
        CGDIpListCtrlHeaderItem* item = m_header[size_t(m_trackedColumn)];
        if (item->m_fixedWidth)
            return;
        const int width = m_trackStartWidth + (point.x - m_trackStart.x);
        item->m_width = width < 0 ? m_trackMargin : width;
        relayout();
    } else {
        for (CGDIpListCtrlHeaderItem* item : m_header)
            item->mouseOver(point, unsigned(m_trackMargin));
    }
    Default();
}

void CGDIpListCtrl::endColumnDrag()
{
    if (m_trackedColumn < 0)
        return;
    if (size_t(m_trackedColumn) < m_header.size()) {
        CGDIpListCtrlHeaderItem* item = m_header[size_t(m_trackedColumn)];
        item->endTrackHeaderWidth();
        CRect r = item->getRect();
        r.InflateRect(1, 1);
        InvalidateRect(&r, FALSE);
    }
    m_trackedColumn = -1;
}

void CGDIpListCtrl::OnLButtonUp(UINT, CPoint)
{
    for (CGDIpListCtrlHeaderItem* item : m_header) {
        item->v_unselect();
        item->invalidate();
    }
    endColumnDrag();
    Default();
}

void CGDIpListCtrl::OnMouseLeave()
{
    endColumnDrag();
    TRACKMOUSEEVENT track{sizeof track, TME_CANCEL | TME_LEAVE, m_hWnd, 1};
    ::TrackMouseEvent(&track);
    Default();
}

void CGDIpListCtrl::OnLButtonDblClk(UINT, CPoint)
{
    Default();
    notifyParent(UINT(NM_DBLCLK));
}

BOOL CGDIpListCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint)
{
    const unsigned firstRow = m_firstRow;
    const int hOffset = m_hOffset;
    if (!(nFlags & MK_CONTROL)) {
        m_firstRow = unsigned(std::clamp(int(m_firstRow) + zDelta / 120, 0, lastRow()));
    } else if (m_headerRight > m_right || zDelta < 0) {
        m_hOffset = std::max(0, m_hOffset + zDelta / 60);
    }
    if (m_firstRow != firstRow || m_hOffset != hOffset)
        relayout();
    return TRUE;
}

void CGDIpListCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    int first = int(m_firstRow);
    const int page = int(m_rowsPerPage);
    switch (nSBCode) {
    case SB_LINEUP:
        first -= 1;
        break;
    case SB_LINEDOWN:
        first += 1;
        break;
    case SB_PAGEUP:
        first -= page;
        break;
    case SB_PAGEDOWN:
        first += page;
        break;
    case SB_THUMBTRACK:
        first = int(nPos) + 1 > 1 ? int(nPos) + 1 : 0;
        break;
    default:
        return;
    }
    m_firstRow = unsigned(std::clamp(first, 0, lastRow()));
    relayout();
    Default();
}

void CGDIpListCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    const int w = m_right - m_left;
    // A header narrower than the list scrolls nowhere by pages.
    const int step = std::max(0, (m_headerRight - w) >> 2);
    int offset = m_hOffset;
    switch (nSBCode) {
    case SB_LINELEFT:
        offset -= 1;
        break;
    case SB_LINERIGHT:
        if (w + offset + 1 < m_headerRight)
            offset += 1;
        break;
    case SB_PAGELEFT:
        offset -= step;
        break;
    case SB_PAGERIGHT:
        offset = w + offset + step < m_headerRight ? offset + step : m_headerRight - w;
        break;
    case SB_THUMBTRACK:
        offset = int(nPos) + 1;
        break;
    default:
        return;
    }
    m_hOffset = std::max(0, offset);
    relayout();
    Default();
}
