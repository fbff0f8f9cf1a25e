#pragma once

#include "CGDIpStatic.h"
#include "CGDIpTransparentCompCtrl.h"

#include <Pictrel.h>

#include <string>

// A round gauge: a needle turned between a start and an end angle by a
// position of 0 to 1000, a value static in the middle and a title above it.
class PRAMBLEGDIP_API CGDIpGaugeDisplay : public CGDIpTransparentCompCtrl
{
    DECLARE_DYNAMIC(CGDIpGaugeDisplay)

public:
    CGDIpGaugeDisplay();
    ~CGDIpGaugeDisplay() override;

    void setPos(int pos);
    int getPos() const { return m_pos; }

    using CGDIpTransparentCompCtrl::v_recalcData;
    void v_recalcData(const CRect& r) override;
    void v_draw(CDC& dc) override;

    static const UINT kDisplayId = 5000;
    static const UINT kTitleId = 5001;
    static std::wstring m_sPath;

    CGDIpStatic m_display;
    CGDIpStatic m_title;
    double m_startAngle = 0;
    double m_endAngle = 360.0;
    double m_indicatorAngle = 0;
    // Needle width, needle length, pivot (all of the shorter client side)
    // and corner rounding (of the needle's length).
    double m_indicatorFractions[4] = {0.02, 0.35, 0.5, 0.02};
    CExtImage m_indicatorImage;

protected:
    void v_createOwnCtrls() override;

    int m_pos = 0;

private:
    void placeStatics(const CRect& client);
};
