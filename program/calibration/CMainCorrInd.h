#pragma once

#include <CGDIpTransparentCompCtrl.h>

#include <string>

// Where the main correction lies between "Too Small" and "Too Big": a
// red-yellow-green-yellow-red scale with a pointer. 50 is the middle.
class CMainCorrInd : public CGDIpTransparentCompCtrl
{
    DECLARE_DYNAMIC(CMainCorrInd)

public:
    CMainCorrInd();
    ~CMainCorrInd() override;

    // Kept in 0..1000; the same value again does not repaint.
    void setValue(int value);
    int getValue() const { return m_value; }

    using CGDIpTransparentCompCtrl::v_draw;
    void v_draw(CDC& dc) override;
    using CGDIpTransparentCompCtrl::v_recalcData;
    void v_recalcData(const CRect& r) override;

    std::wstring m_leftCaption;
    std::wstring m_rightCaption;

private:
    void rebuildFont();
    void drawScale(Gdiplus::Graphics& g, const CRect& c);
    void drawPointer(Gdiplus::Graphics& g, const CRect& c);
    void drawCaptions(CDC& dc, Gdiplus::Graphics& g, const CRect& c);

    int m_value = 0;
    CFont m_ownFont;
};
