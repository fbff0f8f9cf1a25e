#pragma once

#include "CGDIpGradientButton.h"
#include "IMultiPageButton.h"

// The standard tab button of the multi-page host: a gradient button that
// switches to its page as soon as it is pressed.
class PRAMBLEGDIP_API CGDIpMultiPageGradientButton : public CGDIpGradientButton, public IMultiPageButton
{
    DECLARE_DYNAMIC(CGDIpMultiPageGradientButton)

public:
    CGDIpMultiPageGradientButton();
    // Takes the look, the size and the insets; host, row position and
    // hidden flag stay this button's own.
    CGDIpMultiPageGradientButton(const CGDIpMultiPageGradientButton& other);
    CGDIpMultiPageGradientButton& operator=(const CGDIpMultiPageGradientButton& other);
    ~CGDIpMultiPageGradientButton() override;

    void selected(bool isSelected) override;
    int showWindow(int nCmdShow) override;
    CWnd* setFocus() override;
    void invalidate(int erase) override;
    void setWindowText(const wchar_t* text) override;
    void moveWindow(const RECT* rect) override;
    int create(const wchar_t* text, DWORD style, const RECT& rect, CWnd* parent, CFont* font,
               UINT id) override;

    using CGDIpGradientButton::v_recalcData;
    void v_recalcData() override;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    void copyShape(const CGDIpMultiPageGradientButton& other);
};
