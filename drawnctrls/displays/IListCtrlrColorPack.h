#pragma once

#include <IGDIpGradientDeepGraphitePack.h>

// The whole look of a drawn list's cell: the gradient pack and the colours
// of its states.
class PRAMBLEGDIP_API IListCtrlrColorPack : public IGDIpGradientDeepGraphitePack
{
public:
    IListCtrlrColorPack();
    IListCtrlrColorPack(const IListCtrlrColorPack& other);
    IListCtrlrColorPack& operator=(const IListCtrlrColorPack& other);
    ~IListCtrlrColorPack() override;

    Gdiplus::ARGB m_trackColors[2] = {0xFF000000, 0xFF000000}; // a header cell being widened
    COLORREF m_textColor = 0;
    Gdiplus::ARGB m_selectedColors[2] = {0xFF000000, 0xFF000000}; // selected row, pressed header
    Gdiplus::ARGB m_normalColors[2] = {0xFF000000, 0xFF000000};
    Gdiplus::ARGB m_alternateColors[2] = {0xFF000000, 0xFF000000};
};
