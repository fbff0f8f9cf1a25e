#include "CMenuImages.h"

#include "CDC.h"

#include <vector>

namespace {

const int kGrid = 9; // images are designed on a 9 x 9 grid

COLORREF colorOf(CMenuImages::IMAGE_STATE state)
{
    switch (state) {
    case CMenuImages::ImageGray:
        return RGB(128, 128, 128);
    case CMenuImages::ImageLtGray:
        return RGB(192, 192, 192);
    case CMenuImages::ImageWhite:
        return RGB(255, 255, 255);
    case CMenuImages::ImageDkGray:
        return RGB(64, 64, 64);
    default:
        return RGB(0, 0, 0);
    }
}

// Grid rectangles (left, top, right, bottom) that make up an image; the
// check mark and the arrows are polygons instead.
std::vector<RECT> blocksOf(CMenuImages::IMAGES_IDS id)
{
    switch (id) {
    case CMenuImages::IdMinimize:
        return {{1, 6, 7, 8}};
    case CMenuImages::IdMaximize:
        return {{0, 0, 9, 2}, {0, 2, 1, 9}, {8, 2, 9, 9}, {0, 8, 9, 9}};
    case CMenuImages::IdRestore:
        return {{2, 0, 9, 2}, {8, 2, 9, 6}, {0, 3, 7, 5}, {0, 5, 1, 9}, {6, 5, 7, 9}, {0, 8, 7, 9}};
    case CMenuImages::IdClose:
        return {{0, 0, 2, 2}, {2, 2, 4, 4}, {4, 4, 5, 5}, {5, 5, 7, 7}, {7, 7, 9, 9},
                {7, 0, 9, 2}, {5, 2, 7, 4}, {2, 5, 4, 7}, {0, 7, 2, 9}};
    default:
        return {};
    }
}

std::vector<POINT> outlineOf(CMenuImages::IMAGES_IDS id)
{
    switch (id) {
    case CMenuImages::IdArrowDown:
        return {{1, 3}, {8, 3}, {4, 7}};
    case CMenuImages::IdArrowRight:
        return {{3, 1}, {7, 5}, {3, 9}};
    case CMenuImages::IdCheck:
        return {{1, 4}, {3, 6}, {8, 1}, {8, 3}, {3, 8}, {1, 6}};
    default:
        return {};
    }
}

LONG scaled(LONG value, LONG size)
{
    return value * size / kGrid;
}

} // namespace

CSize CMenuImages::Size()
{
    return CSize(kGrid, kGrid);
}

void CMenuImages::Draw(CDC* pDC, IMAGES_IDS id, const CPoint& ptImage, IMAGE_STATE state,
                       const CSize& sizeImage)
{
    CSize size = sizeImage.cx > 0 && sizeImage.cy > 0 ? sizeImage : Size();
    HDC dc = pDC->GetSafeHdc();
    HBRUSH brush = ::CreateSolidBrush(colorOf(state));
    if (id == IdRadio) {
        CRect dot(ptImage.x + scaled(2, size.cx), ptImage.y + scaled(2, size.cy),
                  ptImage.x + scaled(7, size.cx), ptImage.y + scaled(7, size.cy));
        HGDIOBJ oldBrush = ::SelectObject(dc, brush);
        HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(NULL_PEN));
        ::Ellipse(dc, dot.left, dot.top, dot.right + 1, dot.bottom + 1);
        ::SelectObject(dc, oldPen);
        ::SelectObject(dc, oldBrush);
    }
    for (RECT block : blocksOf(id)) {
        RECT r{ptImage.x + scaled(block.left, size.cx), ptImage.y + scaled(block.top, size.cy),
               ptImage.x + scaled(block.right, size.cx), ptImage.y + scaled(block.bottom, size.cy)};
        ::FillRect(dc, &r, brush);
    }
    std::vector<POINT> outline = outlineOf(id);
    if (!outline.empty()) {
        for (POINT& p : outline)
            p = POINT{ptImage.x + scaled(p.x, size.cx), ptImage.y + scaled(p.y, size.cy)};
        HRGN region = ::CreatePolygonRgn(outline.data(), int(outline.size()), WINDING);
        ::FillRgn(dc, region, brush);
        ::DeleteObject(region);
    }
    ::DeleteObject(brush);
}

void CMenuImages::Draw(CDC* pDC, IMAGES_IDS id, const CRect& rectImage, IMAGE_STATE state,
                       const CSize& sizeImage)
{
    CSize size = sizeImage.cx > 0 && sizeImage.cy > 0 ? sizeImage : Size();
    CPoint topLeft(rectImage.left + (rectImage.Width() - size.cx) / 2,
                   rectImage.top + (rectImage.Height() - size.cy) / 2);
    Draw(pDC, id, topLeft, state, size);
}
