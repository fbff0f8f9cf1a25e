#include "CSplitterWnd.h"

#include "CCreateContext.h"
#include "CPaintDC.h"
#include "CView.h"
#include "WfxInternal.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_MESSAGE(WM_CAPTURECHANGED, &CSplitterWnd::OnCaptureChanged)
END_MESSAGE_MAP()

namespace {

const int kMaxLines = 16; // pane ids hold 16 columns per row

} // namespace

CSplitterWnd::CSplitterWnd() = default;

CSplitterWnd::~CSplitterWnd() = default;

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    if (m_hWnd || !pParentWnd || nRows < 1 || nCols < 1 || nRows > kMaxLines || nCols > kMaxLines)
        return FALSE;
    m_rows.assign(size_t(nRows), CRowColInfo());
    m_cols.assign(size_t(nCols), CRowColInfo());
    LPCWSTR wndClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    CRect place;
    pParentWnd->GetClientRect(&place);
    return CreateEx(0, wndClass, nullptr, dwStyle | WS_CHILD | WS_CLIPCHILDREN, place, pParentWnd, nID);
}

int CSplitterWnd::IdFromRowCol(int row, int col) const
{
    return AFX_IDW_PANE_FIRST + row * kMaxLines + col;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    if (row < 0 || col < 0 || row >= GetRowCount() || col >= GetColumnCount())
        return nullptr;
    return GetDlgItem(IdFromRowCol(row, col));
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                              CCreateContext* pContext)
{
    if (!m_hWnd || !pViewClass || row < 0 || col < 0 || row >= GetRowCount() || col >= GetColumnCount() ||
        GetPane(row, col))
        return FALSE;
    if (sizeInit.cx)
        m_cols[size_t(col)].nIdealSize = sizeInit.cx;
    if (sizeInit.cy)
        m_rows[size_t(row)].nIdealSize = sizeInit.cy;
    CObject* object = pViewClass->CreateObject();
    CWnd* view = DYNAMIC_DOWNCAST(CWnd, object);
    if (!view) {
        delete object;
        return FALSE;
    }
    if (CView* asView = DYNAMIC_DOWNCAST(CView, view))
        asView->m_bAutoDelete = TRUE;
    WfxLifeWatch watch(view);
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this,
                      UINT(IdFromRowCol(row, col)), pContext)) {
        if (watch.alive())
            delete view;
        return FALSE;
    }
    RecalcLayout();
    return TRUE;
}

void CSplitterWnd::DeleteView(int row, int col)
{
    if (CWnd* pane = GetPane(row, col))
        pane->DestroyWindow();
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin)
{
    if (row >= 0 && row < GetRowCount()) {
        m_rows[size_t(row)].nIdealSize = cyIdeal;
        m_rows[size_t(row)].nMinSize = cyMin;
    }
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin)
{
    if (col >= 0 && col < GetColumnCount()) {
        m_cols[size_t(col)].nIdealSize = cxIdeal;
        m_cols[size_t(col)].nMinSize = cxMin;
    }
}

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const
{
    cyCur = cyMin = 0;
    if (row >= 0 && row < GetRowCount()) {
        cyCur = m_rows[size_t(row)].nCurSize;
        cyMin = m_rows[size_t(row)].nMinSize;
    }
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const
{
    cxCur = cxMin = 0;
    if (col >= 0 && col < GetColumnCount()) {
        cxCur = m_cols[size_t(col)].nCurSize;
        cxMin = m_cols[size_t(col)].nMinSize;
    }
}

// Every line but the last gets its ideal size (at least its minimum) while
// there is room; the last one what is left.
void CSplitterWnd::layoutLine(std::vector<CRowColInfo>& line, int room, int gap)
{
    int left = room - gap * int(line.size() - 1);
    for (size_t i = 0; i < line.size(); ++i) {
        int wanted = i + 1 < line.size() ? std::max(line[i].nIdealSize, line[i].nMinSize) : left;
        line[i].nCurSize = std::max(0, std::min(wanted, left));
        left -= line[i].nCurSize;
    }
}

CRect CSplitterWnd::paneRect(int row, int col) const
{
    int x = m_cxBorder;
    for (int c = 0; c < col; ++c)
        x += m_cols[size_t(c)].nCurSize + m_cxSplitter;
    int y = m_cyBorder;
    for (int r = 0; r < row; ++r)
        y += m_rows[size_t(r)].nCurSize + m_cySplitter;
    return CRect(x, y, x + m_cols[size_t(col)].nCurSize, y + m_rows[size_t(row)].nCurSize);
}

void CSplitterWnd::RecalcLayout()
{
    if (!m_hWnd || m_rows.empty())
        return;
    CRect client;
    GetClientRect(&client);
    layoutLine(m_cols, client.Width() - 2 * m_cxBorder, m_cxSplitter);
    layoutLine(m_rows, client.Height() - 2 * m_cyBorder, m_cySplitter);
    for (int row = 0; row < GetRowCount(); ++row)
        for (int col = 0; col < GetColumnCount(); ++col)
            if (CWnd* pane = GetPane(row, col)) {
                CRect place = paneRect(row, col);
                pane->SetWindowPos(nullptr, place.left, place.top, place.Width(), place.Height(),
                                   SWP_NOZORDER | SWP_NOACTIVATE);
            }
    Invalidate();
}

void CSplitterWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

void CSplitterWnd::OnPaint()
{
    CPaintDC dc(this);
    COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    CRect client;
    GetClientRect(&client);
    for (int col = 0; col + 1 < GetColumnCount(); ++col)
        dc.Draw3dRect(paneRect(0, col).right, client.top, m_cxSplitter, client.Height(), light, shadow);
    for (int row = 0; row + 1 < GetRowCount(); ++row)
        dc.Draw3dRect(client.left, paneRect(row, 0).bottom, client.Width(), m_cySplitter, light, shadow);
}

int CSplitterWnd::barAt(CPoint point) const
{
    if (m_rows.empty())
        return -1;
    for (int col = 0; col + 1 < GetColumnCount(); ++col) {
        int right = paneRect(0, col).right;
        if (point.x >= right && point.x < right + m_cxSplitter)
            return col;
    }
    for (int row = 0; row + 1 < GetRowCount(); ++row) {
        int bottom = paneRect(row, 0).bottom;
        if (point.y >= bottom && point.y < bottom + m_cySplitter)
            return -2 - row;
    }
    return -1;
}

BOOL CSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    int bar = nHitTest == HTCLIENT && pWnd == this ? barAt(point) : -1;
    if (bar == -1)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(::LoadCursorW(nullptr, bar >= 0 ? IDC_SIZEWE : IDC_SIZENS));
    return TRUE;
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint point)
{
    m_trackedBar = barAt(point);
    if (m_trackedBar == -1)
        return;
    m_trackStart = point;
    const std::vector<CRowColInfo>& line = m_trackedBar >= 0 ? m_cols : m_rows;
    m_trackStartSize = line[size_t(m_trackedBar >= 0 ? m_trackedBar : -2 - m_trackedBar)].nCurSize;
    SetCapture();
}

// The bar follows the mouse from where it was taken: the line before it
// takes the new size, kept between its minimum and what leaves the next
// line its minimum.
void CSplitterWnd::OnMouseMove(UINT, CPoint point)
{
    if (m_trackedBar == -1 || ::GetCapture() != m_hWnd)
        return;
    bool column = m_trackedBar >= 0;
    int index = column ? m_trackedBar : -2 - m_trackedBar;
    std::vector<CRowColInfo>& line = column ? m_cols : m_rows;
    int available = line[size_t(index)].nCurSize + line[size_t(index) + 1].nCurSize;
    int wanted = m_trackStartSize + (column ? point.x - m_trackStart.x : point.y - m_trackStart.y);
    wanted = std::min(wanted, available - line[size_t(index) + 1].nMinSize);
    line[size_t(index)].nIdealSize = std::max(wanted, line[size_t(index)].nMinSize);
    if (size_t(index) + 2 < line.size())
        line[size_t(index) + 1].nIdealSize = available - line[size_t(index)].nIdealSize;
    RecalcLayout();
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint)
{
    m_trackedBar = -1;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

LRESULT CSplitterWnd::OnCaptureChanged(WPARAM, LPARAM)
{
    m_trackedBar = -1;
    return Default();
}
