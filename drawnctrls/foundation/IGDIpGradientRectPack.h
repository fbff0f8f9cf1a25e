#pragma once

#include "IGDIpHelper.h"

#include <memory>

// A colour pack: the geometry and colours of a rounded gradient rectangle,
// and its drawing. Assigning one pack to another applies a colour scheme:
// colours, fractions and flags are copied, the geometry (margins, corner
// diameters, rectangle, path) stays the target's own.
class PRAMBLEGDIP_API IGDIpGradientRectPack : public IGDIpHelper
{
public:
    IGDIpGradientRectPack();
    IGDIpGradientRectPack(const IGDIpGradientRectPack& other);
    IGDIpGradientRectPack(IGDIpGradientRectPack&& other) noexcept;
    IGDIpGradientRectPack& operator=(const IGDIpGradientRectPack& other);
    IGDIpGradientRectPack& operator=(IGDIpGradientRectPack&& other) noexcept;
    ~IGDIpGradientRectPack() override;

    void copy(const IGDIpGradientRectPack& other);

    using IGDIpHelper::v_recalcData;
    void v_draw(CDC& dc) override;
    // Margins and corner diameters for r, from the smaller of its sides.
    virtual void v_recalcData(const CRect& r);
    // The same picture over the rectangle grown by `grow` on every side.
    virtual void v_drawButtonFlash(CDC& dc, int grow);
    // The picture of v_draw, only inside `clip`: GDI+ works out no more than
    // the clipped part.
    void drawWithin(CDC& dc, const CRect& clip);

    CRect getRect() const { return CRect(m_left, m_top, m_right, m_bottom); }
    // The outline last computed (the frame's shape), for controls that
    // stroke it themselves.
    Gdiplus::GraphicsPath* framePath();

    // Computed geometry, in pixels.
    int m_margins[4] = {};         // left, top, right, bottom
    int m_cornerDiameters[4] = {}; // top-left, top-right, bottom-right, bottom-left
    int m_left = 0;
    int m_top = 0;
    int m_right = 0;
    int m_bottom = 0;
    Gdiplus::Status m_pathStatus = Gdiplus::Ok;

    // Look.
    bool m_enabledLook = true; // false: the disabled colours
    bool m_drawFrame = true;
    bool m_fillBackground = true;
    bool m_drawGradient = true;
    double m_marginFractions[4] = {0, 0.075, 0, 0};
    double m_cornerFractions[4] = {0.5, 0.5, 0.5, 0.5};
    int m_frameWidth = 1;
    int m_gradientMode = Gdiplus::LinearGradientModeVertical;
    Gdiplus::ARGB m_frameColor = 0xFFFFFFFF; // frame and solid background
    Gdiplus::ARGB m_gradientStart = 0xFFDED9D2;
    Gdiplus::ARGB m_gradientEnd = 0xFFFFFFFF;
    float m_blendFactors[3] = {0.0f, 0.5f, 1.0f};
    float m_blendPositions[3] = {0.0f, 0.5f, 1.0f};
    Gdiplus::ARGB m_disabledStart = 0x96434343;
    Gdiplus::ARGB m_disabledEnd = 0x960C0C0C;

    // Sets the four fractions of one kind at once.
    void setMarginFractions(double left, double top, double right, double bottom);
    void setCornerFractions(double value);

protected:
    // The look of the presets: no margins, no frame, a gradient from start
    // to end, all corners of one fraction.
    void setPlainLook(Gdiplus::ARGB start, Gdiplus::ARGB end, double cornerFraction);
    // The geometry of r with margins and corners taken from `base` pixels.
    void recalcGeometry(const CRect& r, int base);
    Gdiplus::Rect rect() const;
    // Corner diameters of the area inside the margins.
    void innerDiameters(int* d) const;
    std::unique_ptr<Gdiplus::LinearGradientBrush> gradientBrush(const Gdiplus::Rect& r, Gdiplus::ARGB start,
                                                                Gdiplus::ARGB end, bool blend) const;
    void fillShape(Gdiplus::Graphics& g, const Gdiplus::Brush& brush, const Gdiplus::Rect& r, const int* d);

private:
    void copyLook(const IGDIpGradientRectPack& other);
    void paint(CDC& dc, const Gdiplus::Rect& r, Gdiplus::ARGB start, Gdiplus::ARGB end, int frameShrink,
               const CRect* clip = nullptr);

    std::unique_ptr<Gdiplus::GraphicsPath> m_path;
};
