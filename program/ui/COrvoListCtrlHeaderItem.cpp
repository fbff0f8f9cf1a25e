#include "COrvoListCtrlHeaderItem.h"

#include "SkinnedStyle.h"

namespace {
const UINT kHeaderFormat = 0x8025; // centred, vertically centred, single line, end ellipsis
const Gdiplus::ARGB kHeaderGrey = 0xFFBEBEBE;
} // namespace

COrvoListCtrlHeaderItem::COrvoListCtrlHeaderItem()
{
    setSkinnedGeometry(*this);
    m_format = kHeaderFormat;
    for (Gdiplus::ARGB* slot : {&m_frameColor, &m_gradientStart, &m_gradientEnd, &m_disabledStart,
                                &m_disabledEnd, &m_selectedColors[0], &m_selectedColors[1], &m_trackColors[0],
                                &m_trackColors[1], &m_savedColors[0], &m_savedColors[1]})
        *slot = kHeaderGrey;
}

COrvoListCtrlHeaderItem::~COrvoListCtrlHeaderItem() = default;
