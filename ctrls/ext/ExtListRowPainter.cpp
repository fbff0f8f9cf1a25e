#include "ExtListRowPainter.h"

namespace {

constexpr UINT kTextFormat = DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_VCENTER;
constexpr int kLabelOffset = 4;
constexpr int kLabelInset = 2;
constexpr int kCellOffset = 12;
constexpr int kCellInset = 6;

UINT justification(int format)
{
    if ((format & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT)
        return DT_RIGHT;
    if ((format & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER)
        return DT_CENTER;
    return DT_LEFT;
}

} // namespace

bool ExtListRowPainter::isSelected(const CListCtrl& list, UINT state)
{
    const bool showing = ::GetFocus() == list.m_hWnd || (list.GetStyle() & LVS_SHOWSELALWAYS);
    return (showing && (state & LVIS_SELECTED)) || (state & LVIS_DROPHILITED);
}

void ExtListRowPainter::draw(const DRAWITEMSTRUCT& item, const RowColors& row)
{
    CDC& dc = *CDC::FromHandle(item.hDC);
    const int saved = dc.SaveDC();
    if (m_style.font)
        dc.SelectObject(m_style.font);
    const int index = int(item.itemID);
    LVITEMW lv{};
    lv.mask = LVIF_IMAGE | LVIF_STATE;
    lv.iItem = index;
    lv.stateMask = 0xFFFF;
    m_list.GetItem(&lv);
    const bool selected = isSelected(m_list, lv.state);

    drawBand(dc, index, selected, row);
    drawImages(dc, index, lv, selected);
    RowText colours{m_style.text, m_style.textBk};
    if (selected)
        colours = RowText{m_style.selText, m_style.selTextBk};
    else if (row.hasText)
        colours.colour = row.text;
    dc.SetBkMode(m_style.paintBackground ? OPAQUE : TRANSPARENT);
    drawLabel(dc, index, m_list.GetItemText(index, 0), colours);
    drawSubItems(dc, index, colours);
    dc.RestoreDC(saved);
}

void ExtListRowPainter::drawBand(CDC& dc, int row, bool selected, const RowColors& colors)
{
    if (!m_style.paintBackground)
        return;
    CRect band, label;
    m_list.GetItemRect(row, &band, LVIR_BOUNDS);
    m_list.GetItemRect(row, &label, LVIR_LABEL);
    band.left = label.left;
    if (band.right < m_style.bandRight)
        band.right = m_style.bandRight;
    COLORREF fill = m_style.textBk;
    if (selected)
        fill = m_style.selTextBk;
    else if (colors.hasBk)
        fill = colors.bk;
    dc.FillSolidRect(&band, fill);
}

void ExtListRowPainter::drawImages(CDC& dc, int row, const LVITEMW& item, bool selected)
{
    UINT blend = 0;
    COLORREF blendColour = CLR_DEFAULT;
    if (selected) {
        blend = ILD_BLEND50;
        blendColour = GetSysColor(COLOR_HIGHLIGHT);
    } else if (item.state & LVIS_CUT) {
        blend = ILD_BLEND50;
        blendColour = m_style.imageBk;
    }
    CRect bounds;
    m_list.GetItemRect(row, &bounds, LVIR_BOUNDS);
    CImageList* states = m_list.GetImageList(LVSIL_STATE);
    if ((item.state & LVIS_STATEIMAGEMASK) && states)
        states->DrawEx(&dc, int(item.state >> 12) - 1, bounds.TopLeft(), CSize(0, 0), CLR_NONE, CLR_NONE,
                       ILD_TRANSPARENT);
    CImageList* small = m_list.GetImageList(LVSIL_SMALL);
    if (small && bounds.Width() > 1) {
        CRect icon;
        m_list.GetItemRect(row, &icon, LVIR_ICON);
        small->DrawEx(&dc, item.iImage, icon.TopLeft(), CSize(16, 16), m_style.imageBk, blendColour,
                      ILD_TRANSPARENT | blend | (item.state & LVIS_OVERLAYMASK));
    }
}

void ExtListRowPainter::drawLabel(CDC& dc, int row, const CString& text, const RowText& colours)
{
    CRect label;
    m_list.GetItemRect(row, &label, LVIR_LABEL);
    label.right -= m_style.stateImageOffset;
    drawCellText(dc, text, label, kLabelInset, kLabelOffset, DT_LEFT, colours);
    CRect grid = label;
    grid.left -= 1;
    grid.top -= 1;
    frameCell(dc, grid);
}

void ExtListRowPainter::drawSubItems(CDC& dc, int row, const RowText& colours)
{
    CRect cell;
    m_list.GetItemRect(row, &cell, LVIR_LABEL);
    cell.right -= m_style.stateImageOffset;
    for (int column = 1;; ++column) {
        LVCOLUMNW lvc{};
        lvc.mask = LVCF_FMT | LVCF_WIDTH;
        if (!m_list.GetColumn(column, &lvc))
            break;
        if (lvc.cx <= 0)
            continue;
        frameCell(
            dc, CRect(cell.right + m_style.stateImageOffset - 1, cell.top, cell.right + lvc.cx, cell.bottom));
        cell.left = cell.right;
        cell.right += lvc.cx;
        const CString text = m_list.GetItemText(row, column);
        if (!text.IsEmpty())
            drawCellText(dc, text, cell, kCellInset, kCellOffset, justification(lvc.fmt), colours);
    }
}

// A shortened text is always drawn left-justified.
void ExtListRowPainter::drawCellText(CDC& dc, const CString& text, CRect cell, int inset, int offset,
                                     UINT justify, const RowText& colours)
{
    const CString shown = MakeShortString(&dc, text, cell.Width(), offset);
    if (shown != text)
        justify = DT_LEFT;
    cell.DeflateRect(inset, 0);
    if (cell.Width() < dc.GetTextExtent(shown).cx)
        return;
    const COLORREF oldText = dc.SetTextColor(colours.colour);
    const COLORREF oldBk = dc.SetBkColor(colours.background);
    dc.DrawText(shown, &cell, kTextFormat | justify);
    dc.SetTextColor(oldText);
    dc.SetBkColor(oldBk);
}

void ExtListRowPainter::frameCell(CDC& dc, const CRect& r)
{
    if (m_style.paintBackground && m_style.grid)
        dc.FrameRect(&r, m_style.grid);
}

CString ExtListRowPainter::MakeShortString(CDC* pDC, const CString& text, int width, int offset)
{
    if (text.IsEmpty() || pDC->GetTextExtent(text).cx + offset <= width)
        return text;
    const CString dots(L"...");
    const int dotsWidth = pDC->GetTextExtent(dots).cx;
    int keep = text.GetLength() - 1;
    while (keep > 1 && pDC->GetTextExtent(text, keep).cx + dotsWidth + offset > width)
        --keep;
    return text.Left(keep) + dots;
}
