#include "CSortHeaderCtrl.h"

IMPLEMENT_DYNAMIC(CSortHeaderCtrl, CHeaderCtrl)

void CSortHeaderCtrl::SetSortArrow(int column, BOOL ascending)
{
    m_nSortColumn = column;
    m_bSortAscending = ascending;
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    if (column >= 0 && column < GetItemCount() && GetItem(column, &item)) {
        item.fmt |= HDF_OWNERDRAW;
        SetItem(column, &item);
    }
    Invalidate(TRUE);
}

void CSortHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    const int saved = dc->SaveDC();
    const CRect item(lpDrawItemStruct->rcItem);
    dc->IntersectClipRect(&item);
    dc->FillSolidRect(&item, GetSysColor(COLOR_BTNFACE));

    wchar_t text[256] = {};
    HDITEMW hdi{};
    hdi.mask = HDI_TEXT | HDI_FORMAT;
    hdi.pszText = text;
    hdi.cchTextMax = 255;
    GetItem(int(lpDrawItemStruct->itemID), &hdi);
    UINT format = DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (hdi.fmt & HDF_CENTER)
        format |= DT_CENTER;
    else if (hdi.fmt & HDF_RIGHT)
        format |= DT_RIGHT;

    CRect textRect = item;
    if (lpDrawItemStruct->itemState == ODS_SELECTED) { // pressed
        textRect.OffsetRect(1, 0);
        textRect.top += 2;
    }
    const int m = item.Height() / 4;
    const bool sorted = int(lpDrawItemStruct->itemID) == m_nSortColumn;
    if (sorted)
        textRect.right -= 3 * m;
    textRect.DeflateRect(m, 0);
    if (textRect.Width() > 0) {
        dc->SetBkMode(TRANSPARENT);
        dc->DrawText(text, -1, &textRect, format);
    }
    if (sorted)
        drawArrow(*dc, item);
    dc->RestoreDC(saved);
}

// A triangle in the right part of the item, lit from the top left.
void CSortHeaderCtrl::drawArrow(CDC& dc, const CRect& item)
{
    const int m = item.Height() / 4;
    const int r = item.right;
    const int b = item.bottom;
    CPen light(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    CPen dark(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    CPen* old = dc.SelectObject(&light);
    if (m_bSortAscending) {
        dc.MoveTo(r - 2 * m, m);
        dc.LineTo(r - m, b - m - 1);
        dc.LineTo(r - 3 * m - 2, b - m - 1);
        dc.SelectObject(&dark);
        dc.MoveTo(r - 3 * m - 1, b - m - 1);
        dc.LineTo(r - 2 * m, m - 1);
    } else {
        dc.MoveTo(r - m - 1, m);
        dc.LineTo(r - 2 * m - 1, b - m);
        dc.SelectObject(&dark);
        dc.MoveTo(r - 2 * m - 2, b - m);
        dc.LineTo(r - 3 * m - 1, m);
        dc.LineTo(r - m - 1, m);
    }
    dc.SelectObject(old);
}
