#pragma once

#include "BackdropCache.h"
#include "CGDIpTransparentCompCtrl.h"

// A rounded gradient bar over a gradient background. The position runs from
// 0 (empty) to 1000 (full); a vertical bar (background gradient mode not
// horizontal) fills from the bottom.
class PRAMBLEGDIP_API CGDIpProgressBar : public CGDIpTransparentCompCtrl
{
    DECLARE_DYNAMIC(CGDIpProgressBar)

public:
    CGDIpProgressBar();
    ~CGDIpProgressBar() override;
    // Takes the look of both packs.
    CGDIpProgressBar& operator=(const CGDIpProgressBar& other);

    // Repaints only when the bar's length in pixels changes.
    void setPos(int p);
    int getPos() const { return m_pos; }

    using CGDIpTransparentCompCtrl::v_draw;
    void v_draw(CDC& dc) override;
    using CGDIpTransparentCompCtrl::v_recalcData;
    void v_recalcData(const CRect& r) override;

    IGDIpGradientRectPack m_barPack;

protected:
    // The background gradient comes from a picture kept while it holds; so
    // does a full vertical bar, whose fill a shorter one shows below its top.
    void drawContent(CDC& dc) override;
    void releasePictures(bool background) override;
    void v_recalcPos();
    CRect barRect() const { return barRect(m_pos); }
    CRect barRect(int pos) const;
    void placeBar(IGDIpGradientRectPack& pack, int pos) const;

    int m_pos = 0;

private:
    // The rows of a vertical bar below its top ends that are as the full bar
    // shows them (empty: none).
    CRect rowsAsFull(const IGDIpGradientRectPack& full) const;
    IGDIpGradientRectPack fullBar() const;
    void drawTop(CDC& dc, int bottom);

    BackdropCache m_backdrop;
    BackdropCache m_fullBar; // over m_backdrop
};
