#include "IListCtrlrColorPack.h"

IListCtrlrColorPack::IListCtrlrColorPack()
{
    setMarginFractions(0, 0, 0, 0);
    setCornerFractions(0);
    m_drawFrame = false;
}

IListCtrlrColorPack::IListCtrlrColorPack(const IListCtrlrColorPack& other) = default;
IListCtrlrColorPack& IListCtrlrColorPack::operator=(const IListCtrlrColorPack& other) = default;
IListCtrlrColorPack::~IListCtrlrColorPack() = default;
