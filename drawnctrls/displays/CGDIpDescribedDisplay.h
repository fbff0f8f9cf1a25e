#pragma once

#include <CGDIpStatic.h>
#include <CGDIpTransparentCompCtrl.h>

// A value tile: a description on the left and the value on the right of
// the split ratio. The owner writes the labels and the ratio directly.
class PRAMBLEGDIP_API CGDIpDescribedDisplay : public CGDIpTransparentCompCtrl
{
    DECLARE_DYNAMIC(CGDIpDescribedDisplay)

public:
    CGDIpDescribedDisplay();
    ~CGDIpDescribedDisplay() override;
    // Takes the look, the labels' looks and the ratio.
    CGDIpDescribedDisplay& operator=(const CGDIpDescribedDisplay& other);

    CGDIpStatic m_description;
    CGDIpStatic m_display;
    double m_ratio = 0.5; // where the description ends, as a share of the width

protected:
    void v_createSizableCtrls() override;
};
