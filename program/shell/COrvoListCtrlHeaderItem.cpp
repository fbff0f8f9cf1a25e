#include "COrvoListCtrlHeaderItem.h"

#include "SkinnedStyle.h"

COrvoListCtrlHeaderItem::COrvoListCtrlHeaderItem()
{
    setSkinnedGeometry(*this);
}

COrvoListCtrlHeaderItem::~COrvoListCtrlHeaderItem() = default;
