#include "COrvoGradientComboBox.h"

#include "SkinnedStyle.h"

COrvoGradientComboBox::COrvoGradientComboBox()
{
    setSkinnedGeometry(*this);
    m_hoverColor = kSkinGreen;
    m_textFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
}

COrvoGradientComboBox::~COrvoGradientComboBox() = default;
