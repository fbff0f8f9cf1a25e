#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

// A view that draws its printed pages for ExtPreviewView.
class PRAMBLE_API IPrintView
{
public:
    virtual ~IPrintView();

    // Draws page info->m_nCurPage into dc (already scaled, offset and
    // clipped to the page), in printer pixels.
    virtual void printPage(CDC* dc, CPrintInfo* info) = 0;
};
