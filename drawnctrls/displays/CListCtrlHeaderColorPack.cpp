#include "CListCtrlHeaderColorPack.h"

CListCtrlHeaderColorPack::CListCtrlHeaderColorPack()
{
    setCornerFractions(0.2);
    m_drawFrame = true;
    m_fillBackground = false;
    m_drawGradient = true;
    m_frameColor = 0xFF000000;
    m_trackColors[0] = 0xFF1E1E1E;
    m_trackColors[1] = 0xFFA0A0A0;
    m_textColor = 0x000000FF;
    m_selectedColors[0] = 0xFFEAEAEA;
    m_selectedColors[1] = 0xFF808080;
}

CListCtrlHeaderColorPack::~CListCtrlHeaderColorPack() = default;
