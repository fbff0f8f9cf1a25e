#include "CCellArray.h"

#include <cmath>
#include <utility>

IMPLEMENT_DYNAMIC(CCellArray, CGDIpTransparentCompCtrl)

BEGIN_MESSAGE_MAP(CCellArray, CGDIpTransparentCompCtrl)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDBLCLK()
ON_WM_SIZE()
ON_WM_SETCURSOR()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

// Inside with one pixel to spare on every side, as header hits are tested.
bool nearlyInside(const CRect& r, CPoint p)
{
    return r.left - 1 < p.x && p.x < r.right + 1 && r.top - 1 < p.y && p.y < r.bottom + 1;
}

bool strictlyInside(const CRect& r, CPoint p)
{
    return r.left < p.x && p.x < r.right && r.top < p.y && p.y < r.bottom;
}

// Cells outside `area` (empty: none) are left alone: a live value repaints
// one or two cells, and drawing every text of the table took milliseconds.
void paintAll(CDC& dc, const std::vector<CCell*>& cells, const CRect& area)
{
    for (CCell* cell : cells) {
        CRect drawn = cell->getRect();
        drawn.InflateRect(0, 0, 1, 1);
        if (area.IsRectEmpty() || CRect().IntersectRect(&drawn, &area))
            cell->paint(dc);
    }
}

} // namespace

CCellArray::CCellArray() : m_corner(this) {}

CCellArray::~CCellArray()
{
    v_cleanUp();
    delete m_editor;
}

CCellArray& CCellArray::operator=(CCellArray& other)
{
    if (this == &other)
        return *this;
    CGDIpTransparentCompCtrl::operator=(other);
    copyCells(other);
    m_cellBack = other.m_cellBack;
    m_selectionBack = other.m_selectionBack;
    CItemCtrl* taken = std::exchange(other.m_editor, nullptr);
    if (m_editor != taken)
        delete m_editor;
    m_editor = taken;
    m_editedCell = nullptr;
    other.m_editedCell = nullptr;
    return *this;
}

// Copies of the cells, owned by this table: sharing the other's pointers
// would delete them twice.
void CCellArray::copyCells(const CCellArray& other)
{
    v_cleanUp();
    auto copyOf = [this](const CCell* cell) {
        CCell* copy = new CCell(*cell);
        copy->setOwner(this);
        return copy;
    };
    for (const CCell* cell : other.m_colHdrs)
        m_colHdrs.push_back(copyOf(cell));
    for (const CCell* cell : other.m_rowHdrs)
        m_rowHdrs.push_back(copyOf(cell));
    for (const auto& column : other.m_table) {
        m_table.emplace_back();
        for (const CCell* cell : column)
            m_table.back().push_back(copyOf(cell));
    }
    m_corner = other.m_corner;
    m_corner.setOwner(this);
}

void CCellArray::setFont(CFont* font)
{
    m_font = font;
    if (m_hWnd)
        SendMessage(WM_SETFONT, WPARAM(font ? HFONT(*font) : nullptr), TRUE);
}

void CCellArray::init(CItemCtrl* editor, const CString& title, int headerHeight, int columnWidth,
                      std::vector<CString>& columnTitles, int rowHeight, int headerWidth,
                      std::vector<CString>& rowTitles, COLORREF headerText, COLORREF headerBack,
                      COLORREF cellText, COLORREF cellBack, COLORREF selectionBack, COLORREF frame,
                      CFont* font, UINT editFlags)
{
    m_editFlags = editFlags;
    setFont(font);
    if (editor) {
        if (m_editor != editor)
            delete m_editor;
        m_editor = editor;
        if (m_hWnd)
            m_editor->create(this);
    }
    m_cellBack = cellBack;
    m_selectionBack = selectionBack;

    auto makeCell = [this](const CRect& rect, const CString& text, COLORREF back, COLORREF textColor,
                           COLORREF frameColor, COLORREF selBack) {
        CCell* cell = new CCell(this);
        cell->setRect(rect);
        cell->setTxt(text);
        cell->setBkColor(back);
        cell->setTxtColor(textColor);
        cell->setFrameColor(frameColor);
        cell->setSelBkColor(selBack);
        return cell;
    };
    m_corner.setRect(CRect(0, 0, headerWidth, headerHeight));
    m_corner.setTxt(title);
    m_corner.setBkColor(headerBack);
    m_corner.setTxtColor(headerText);
    m_corner.setFrameColor(frame);
    for (size_t k = 0; k < columnTitles.size(); ++k) {
        const int left = headerWidth + int(k) * columnWidth;
        m_colHdrs.push_back(makeCell(CRect(left, 0, left + columnWidth, headerHeight), columnTitles[k],
                                     headerBack, headerText, frame, selectionBack));
    }
    for (size_t k = 0; k < rowTitles.size(); ++k) {
        const int top = headerHeight + int(k) * rowHeight;
        m_rowHdrs.push_back(makeCell(CRect(0, top, headerWidth, top + rowHeight), rowTitles[k], headerBack,
                                     headerText, frame, selectionBack));
    }
    for (size_t c = 0; c < columnTitles.size(); ++c) {
        m_table.emplace_back();
        for (size_t r = 0; r < rowTitles.size(); ++r) {
            const CRect rect(headerWidth + int(c) * columnWidth, headerHeight + int(r) * rowHeight,
                             headerWidth + int(c + 1) * columnWidth, headerHeight + int(r + 1) * rowHeight);
            m_table.back().push_back(makeCell(rect, L"", cellBack, cellText, frame, selectionBack));
        }
    }
}

void CCellArray::v_cleanUp()
{
    m_editedCell = nullptr;
    for (auto& column : m_table)
        for (CCell* cell : column)
            delete cell;
    m_table.clear();
    for (CCell* cell : m_colHdrs)
        delete cell;
    m_colHdrs.clear();
    for (CCell* cell : m_rowHdrs)
        delete cell;
    m_rowHdrs.clear();
}

void CCellArray::OnSize(UINT nType, int cx, int cy)
{
    CGDIpTransparentCompCtrl::OnSize(nType, cx, cy);
    layout(cx, cy);
}

void CCellArray::layout(int cx, int cy)
{
    if (m_colHdrs.empty())
        return;
    const int n = int(m_table.size()) + 1;
    const int m = (m_table.empty() ? 0 : int(m_table.front().size())) + 1;
    const int columnWidth = (cx - 5) / n;
    const int rowHeight = (cy - 5) / m;
    const CRect corner(0, 0, columnWidth + (cx - 5) % n, rowHeight + (cy - 5) % m);
    m_corner.setRect(corner);
    for (size_t k = 0; k < m_colHdrs.size(); ++k) {
        const int left = corner.right + int(k) * columnWidth;
        m_colHdrs[k]->setRect(CRect(left, 0, left + columnWidth, corner.bottom));
    }
    for (size_t k = 0; k < m_rowHdrs.size(); ++k) {
        const int top = corner.bottom + int(k) * rowHeight;
        m_rowHdrs[k]->setRect(CRect(0, top, corner.right, top + rowHeight));
    }
    // A window narrower than its margin has no cells to mark.
    const double area = double(std::max(0, columnWidth)) * double(std::max(0, rowHeight));
    const int markSize = int(std::round(10.0 * std::sqrt(area) / 53.0));
    forEachBodyCell([&](CCell& cell, int c, int r) {
        const int left = corner.right + c * columnWidth;
        const int top = corner.bottom + r * rowHeight;
        cell.setRect(CRect(left, top, left + columnWidth, top + rowHeight));
        cell.setMarkSize(markSize);
    });
}

void CCellArray::v_draw(CDC& dc)
{
    CFont* old = m_font ? dc.SelectObject(m_font) : nullptr;
    paintAll(dc, m_colHdrs, m_paintArea);
    paintAll(dc, m_rowHdrs, m_paintArea);
    m_corner.paint(dc);
    for (const auto& column : m_table)
        paintAll(dc, column, m_paintArea);
    if (old)
        dc.SelectObject(old);
}

bool CCellArray::onHeader(CPoint p) const
{
    for (const CCell* cell : m_colHdrs)
        if (nearlyInside(cell->getRect(), p))
            return true;
    for (const CCell* cell : m_rowHdrs)
        if (nearlyInside(cell->getRect(), p))
            return true;
    return false;
}

void CCellArray::toggleAt(CPoint p)
{
    forEachBodyCell([&](CCell& cell, int c, int r) {
        if (strictlyInside(cell.getRect(), p)) {
            cell.setSel(!cell.isSel());
            m_selCell = cell.isSel() ? SCtrlPos{c, r} : SCtrlPos{};
        } else if (cell.isSel()) {
            cell.setSel(false);
            // Whatever was being typed is kept, not dropped.
            hideEditCtrl(true);
        } else {
            return;
        }
        InvalidateRect(&cell.getRect(), TRUE);
    });
}

void CCellArray::OnLButtonDown(UINT, CPoint point)
{
    m_anchor = point;
    if (onHeader(point)) {
        Default();
        return;
    }
    toggleAt(point);
    Default();
    SetFocus();
}

void CCellArray::OnLButtonUp(UINT, CPoint)
{
    Default();
}

void CCellArray::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!onHeader(point) && (nFlags & MK_LBUTTON)) {
        forEachBodyCell([&](CCell& cell, int, int) {
            const CRect& r = cell.getRect();
            const bool inBlock =
                r.right >= m_anchor.x && r.bottom >= m_anchor.y && r.left <= point.x && r.top <= point.y;
            if (inBlock != cell.isSel()) {
                cell.setSel(inBlock);
                InvalidateRect(&r, TRUE);
            }
        });
    }
    Default();
}

bool CCellArray::startEdit(CCell& cell, const CRect& place, SCtrlPos pos)
{
    hideEditCtrl(true); // an edit still open keeps its text
    m_editor->setText(cell.getTxt());
    m_editor->move(place);
    if (m_editor->getWindow().m_hWnd)
        m_editor->getWindow().SendMessage(WM_SETFONT, WPARAM(m_font ? HFONT(*m_font) : nullptr), TRUE);
    m_editor->show(true);
    m_editedCell = &cell;
    m_editPos = pos;
    return true;
}

void CCellArray::OnLButtonDblClk(UINT, CPoint point)
{
    if (m_editor) {
        auto headerPlace = [](const CRect& r) { return CRect(r.left + 1, r.top + 1, r.right, r.bottom); };
        bool started = false;
        if (m_editFlags & EditColumnHeaders)
            for (size_t k = 0; k < m_colHdrs.size() && !started; ++k)
                if (nearlyInside(m_colHdrs[k]->getRect(), point))
                    started = startEdit(*m_colHdrs[k], headerPlace(m_colHdrs[k]->getRect()), {int(k), -1});
        if (!started && (m_editFlags & EditRowHeaders))
            for (size_t k = 0; k < m_rowHdrs.size() && !started; ++k)
                if (nearlyInside(m_rowHdrs[k]->getRect(), point))
                    started = startEdit(*m_rowHdrs[k], headerPlace(m_rowHdrs[k]->getRect()), {-1, int(k)});
        if (!started && (m_editFlags & EditBody))
            forEachBodyCell([&](CCell& cell, int c, int r) {
                const CRect& rc = cell.getRect();
                if (!started && strictlyInside(rc, point))
                    started =
                        startEdit(cell, CRect(rc.left + 1, rc.top + 1, rc.right + 5, rc.bottom + 5), {c, r});
            });
    }
    Default();
}

void CCellArray::hideEditCtrl(bool save)
{
    if (!m_editedCell || !m_editor)
        return;
    // Cleared first: hiding the editor takes its focus away, and the focus
    // loss comes back here. The position stays for the editor's getText.
    CCell* cell = std::exchange(m_editedCell, nullptr);
    CWnd& window = m_editor->getWindow();
    const bool hadFocus = window.m_hWnd && ::GetFocus() == window.m_hWnd;
    if (save)
        cell->setTxt(m_editor->getText());
    else if (window.m_hWnd)
        window.SetWindowText(cell->getTxt());
    m_editor->show(false);
    if (save && window.m_hWnd)
        window.SetWindowText(L"");
    if (hadFocus && m_hWnd && ::GetFocus() != m_hWnd)
        SetFocus();
}

BOOL CCellArray::OnSetCursor(CWnd*, UINT, UINT)
{
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    return TRUE;
}

void CCellArray::OnPaint()
{
    CPaintDC dc(this);
    m_paintArea = dc.m_ps.rcPaint;
    m_backdrop.paint(*this, dc, m_memDC, [this](CDC& mem) { v_draw(mem); });
    m_paintArea.SetRectEmpty();
}

BOOL CCellArray::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CCellArray::releasePictures(bool background)
{
    ITransparentCtrl::releasePictures(background);
    m_backdrop.clear();
}
