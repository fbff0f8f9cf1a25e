#include "CListCtrlRowItemColorPack.h"

CListCtrlRowItemColorPack::CListCtrlRowItemColorPack()
{
    setCornerFractions(0.2);
    m_drawFrame = false;
    m_fillBackground = false;
    m_drawGradient = true;
    m_frameColor = 0xFF000000;
    m_textColor = 0x00000000;
    m_selectedColors[0] = 0xFF640000;
    m_selectedColors[1] = 0xFFFF0000;
    m_normalColors[0] = 0xFFDED9D2;
    m_normalColors[1] = 0xFFFFFFFF;
    m_alternateColors[0] = 0xC8DED9D2;
    m_alternateColors[1] = 0xC8FFFFFF;
}

CListCtrlRowItemColorPack::~CListCtrlRowItemColorPack() = default;
