#pragma once

#include "CMSMCaptionBar.h"

// The caption bar drawn by the library's visual manager.
class PRAMBLEGDIP_API CGDIpCaptionBar : public CMSMCaptionBar
{
    DECLARE_DYNCREATE(CGDIpCaptionBar)

public:
    CGDIpCaptionBar();
    ~CGDIpCaptionBar() override;

    // Under another visual manager the bar paints as its base does.
    void DoPaint(CDC* pDC) override;
};
