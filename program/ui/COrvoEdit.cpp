#include "COrvoEdit.h"

#include "SkinnedStyle.h"

COrvoEdit::COrvoEdit()
{
    setSkinnedGeometry(*this);
}

COrvoEdit::~COrvoEdit() = default;
