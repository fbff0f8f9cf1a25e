#pragma once

#include "IGDIpGradientRectPack.h"
#include "IOwnFontCtrl.h"
#include "ITransparentCtrl.h"

// An owner-drawn static text over the captured parent background: a tile of
// the colour pack and the window text in the own font and colour.
class PRAMBLEGDIP_API CGDIpStatic : public CStatic,
                                    public ITransparentCtrl,
                                    public IOwnFontCtrl,
                                    public IGDIpGradientRectPack
{
    DECLARE_DYNAMIC(CGDIpStatic)

public:
    CGDIpStatic();
    ~CGDIpStatic() override;
    // Takes the look: pack, font part, format override and strike flag.
    CGDIpStatic& operator=(const CGDIpStatic& other);

    // Sets the text and paints it at once (a hidden control later).
    void SetWindowTextW(const wchar_t* text);
    // Repaints without erasing.
    void Invalidate();

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    DWORD m_style = 0;     // the window style as created
    UINT m_format = 0;     // DrawText format; 0: from the style
    bool m_strike = false; // a line across the middle

protected:
    void PreSubclassWindow() override;
    UINT textFormat() const;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    void drawContent(CDC& dc, CRect item);
    void paintNow();
};
