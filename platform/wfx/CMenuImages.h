#pragma once

#include "CRect.h"

class CDC;

// The small glyphs of menus and caption buttons (check mark, radio dot,
// arrows, minimise, maximise, restore, close), drawn in one of a few
// colours at any size.
class WFX_API CMenuImages
{
public:
    enum IMAGES_IDS
    {
        IdArrowDown,
        IdArrowRight,
        IdCheck,
        IdRadio,
        IdMinimize,
        IdMaximize,
        IdRestore,
        IdClose
    };
    enum IMAGE_STATE
    {
        ImageBlack,
        ImageGray,
        ImageLtGray,
        ImageWhite,
        ImageDkGray,
        ImageBlack2
    };

    // The natural size of an image.
    static CSize Size();
    // At ptImage (top left) with sizeImage, or the natural size when empty.
    static void Draw(CDC* pDC, IMAGES_IDS id, const CPoint& ptImage, IMAGE_STATE state = ImageBlack,
                     const CSize& sizeImage = CSize(0, 0));
    // Centred in rectImage.
    static void Draw(CDC* pDC, IMAGES_IDS id, const CRect& rectImage, IMAGE_STATE state = ImageBlack,
                     const CSize& sizeImage = CSize(0, 0));
};
