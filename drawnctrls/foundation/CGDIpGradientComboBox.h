#pragma once

#include "IGDIpGradientCtrl.h"
#include "IOwnFontCtrl.h"
#include "ITransparentCtrl.h"

// The combo box painted with GDI+ over the captured background.
class PRAMBLEGDIP_API CGDIpGradientComboBox : public CComboBox,
                                              public ITransparentCtrl,
                                              public IOwnFontCtrl,
                                              public IGDIpGradientCtrl
{
    DECLARE_DYNAMIC(CGDIpGradientComboBox)

public:
    CGDIpGradientComboBox();
    ~CGDIpGradientComboBox() override;

    UINT m_textFormat = DT_VCENTER | DT_SINGLELINE;
    // When nonzero, a sizable container records the combo box this high
    // whatever its dropped-down height.
    int m_closedHeight = 0;
};
