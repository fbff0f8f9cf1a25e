#pragma once

#include "CGDIpPanelPos.h"
#include "CGDIpTransparentCompCtrl.h"

#include <vector>

// A row of labelled colour positions under (or beside) a title; checkable
// positions are ticked and unticked with the mouse.
class PRAMBLEGDIP_API CGDIpPanelDisplay : public CGDIpTransparentCompCtrl
{
    DECLARE_DYNAMIC(CGDIpPanelDisplay)

public:
    using Callback = void (*)(int index, bool checked);

    CGDIpPanelDisplay();
    ~CGDIpPanelDisplay() override;

    // Appends an unchecked position and lays the display out again.
    void insertPos(Gdiplus::Color& colour, CString& text, Gdiplus::Color& second, bool checkable,
                   Gdiplus::Color& third, CString* secondText);
    const std::vector<CGDIpPanelPos>& positions() const { return m_positions; }

    using CGDIpTransparentCompCtrl::v_draw;
    void v_draw(CDC& dc) override;
    using CGDIpTransparentCompCtrl::v_recalcData;
    void v_recalcData(const CRect& r) override;

    Gdiplus::ARGB m_titleColor = 0xFFFFFFFF;
    CString m_title;
    bool m_titleBeside = true; // the title stands turned at the left of the positions
    Gdiplus::ARGB m_separatorColor = 0xFFFFFFFF;
    int m_separatorWidth = 1;
    Callback m_callback = nullptr;
    // Font heights are the client height divided by these.
    double m_titleDivisor = 2.25;
    double m_textDivisor = 5.0;
    double m_secondTextDivisor = 3.0;

protected:
    void v_recalcPos();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

    std::vector<CGDIpPanelPos> m_positions;
    CRect m_titleRect;
    CRect m_rotatedTitleRect; // where the turned title's text starts
    CFont m_titleFont;
    CFont m_textFont;
    CFont m_secondTextFont;

private:
    void rebuildFonts(int clientHeight);
    // The positions' area once the title has its band.
    CRect layoutTitle(CDC& dc, const CRect& client);
    void layoutPosition(CDC& dc, CGDIpPanelPos& pos, const CRect& cell, int markSide, int markOffset);
    void drawTitle(CDC& dc);
    void drawPosition(CDC& dc, const CGDIpPanelPos& pos, bool last);
};
