#pragma once

#include <IGDIpGradientRectPack.h>
#include <IOwnFontCtrl.h>

#include <string>

class CGDIpListCtrl;

// One header column of the drawn list: its caption cell with hover,
// pressed and width-dragging looks, and its width.
class PRAMBLEGDIP_API CGDIpListCtrlHeaderItem : public IGDIpGradientRectPack, public IOwnFontCtrl
{
public:
    CGDIpListCtrlHeaderItem();
    CGDIpListCtrlHeaderItem(const CGDIpListCtrlHeaderItem& other);
    CGDIpListCtrlHeaderItem& operator=(const CGDIpListCtrlHeaderItem& other);
    ~CGDIpListCtrlHeaderItem() override;

    using IGDIpGradientRectPack::v_draw;
    void v_draw(CDC& dc) override;
    virtual void v_mouseOver();
    virtual void v_mouseNoOver();
    virtual void v_select();
    virtual void v_unselect();

    // Hover look while pt lies in the cell less `margin` at both sides.
    void mouseOver(CPoint& pt, unsigned margin);
    // Pressed look (select) or the own one; true when pt lies in the cell.
    bool mousePressed(bool select, CPoint& pt);
    // Tracking look and true when pt lies within `margin` of the right border.
    bool trackHeaderWidth(CPoint& pt, unsigned margin);
    void endTrackHeaderWidth();
    void invalidate();

    UINT m_format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
    int m_width = 100;
    double m_widthRatio = 0.0; // not 0: the share of the list's width
    bool m_fixedWidth = false;
    Gdiplus::ARGB m_selectedColors[2];
    Gdiplus::ARGB m_trackColors[2];
    std::wstring m_text;
    bool m_hover = false;
    CGDIpListCtrl* m_owner = nullptr;
    int m_savedGradientMode;
    Gdiplus::ARGB m_savedColors[2];

private:
    void saveColors();
    void restoreColors();

    // The own colours (and the mode while dragging) are saved only while
    // the cell shows another look: the owner may change them at any time.
    bool m_colorsSaved = false;
    bool m_modeSaved = false;
};
