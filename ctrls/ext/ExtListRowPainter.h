#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

// Draws one owner-drawn report row of an extended list: the selection band
// or row background, state image and small icon, the label and the sub-item
// texts with their grid. Shared by the extended lists of both control
// libraries, which differ only in what they paint behind the texts.
class PRAMBLE_API ExtListRowPainter
{
public:
    struct Style
    {
        bool paintBackground = true; // band, text background and grid
        CBrush* grid = nullptr;      // frames every cell when set
        CFont* font = nullptr;       // selected for the row when set
        COLORREF text = 0;
        COLORREF textBk = 0;
        COLORREF imageBk = CLR_NONE;
        COLORREF selText = 0;
        COLORREF selTextBk = 0;
        int stateImageOffset = 0;
        int bandRight = 0; // the selection band reaches at least this far (0: the row's own width)
    };
    // Colours a row's ids resolve to; unset fields keep the list's colours.
    struct RowColors
    {
        bool hasBk = false;
        COLORREF bk = 0;
        bool hasText = false;
        COLORREF text = 0;
    };

    ExtListRowPainter(CListCtrl& list, const Style& style) : m_list(list), m_style(style) {}

    void draw(const DRAWITEMSTRUCT& item, const RowColors& row);

    // The text itself when it fits width with offset to spare, otherwise as
    // many leading characters as fit (at least one) followed by "...".
    static CString MakeShortString(CDC* pDC, const CString& text, int width, int offset);
    // Whether the list shows row as selected.
    static bool isSelected(const CListCtrl& list, UINT state);

private:
    struct RowText
    {
        COLORREF colour;
        COLORREF background;
    };

    void drawBand(CDC& dc, int row, bool selected, const RowColors& colors);
    void drawImages(CDC& dc, int row, const LVITEMW& item, bool selected);
    void drawLabel(CDC& dc, int row, const CString& text, const RowText& colours);
    void drawSubItems(CDC& dc, int row, const RowText& colours);
    void drawCellText(CDC& dc, const CString& text, CRect cell, int inset, int offset, UINT justify,
                      const RowText& colours);
    void frameCell(CDC& dc, const CRect& r);

    CListCtrl& m_list;
    Style m_style;
};
