#pragma once

#include "IGDIpGradientCtrl.h"
#include "IOwnFontCtrl.h"
#include "ITransparentCtrl.h"

#include <CExtImage.h>

#include <vector>

// The owner-drawn push button: a rounded gradient body with a glossy
// highlight, an optional image from the image list, text that may be
// rotated, and colours that follow hover, focus and press.
class PRAMBLEGDIP_API CGDIpGradientButton : public CButton,
                                            public ITransparentCtrl,
                                            public IOwnFontCtrl,
                                            public IGDIpGradientCtrl
{
    DECLARE_DYNAMIC(CGDIpGradientButton)

public:
    CGDIpGradientButton();
    // Takes the look and the image list of `other`; the images are placed
    // again for this button's own size.
    CGDIpGradientButton(const CGDIpGradientButton& other);
    CGDIpGradientButton& operator=(const CGDIpGradientButton& other);
    ~CGDIpGradientButton() override;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    virtual void v_draw(CDC& dc, LPDRAWITEMSTRUCT lpDrawItemStruct);
    using IGDIpGradientCtrl::v_draw;
    // The body is the client area shrunk by inset on each side.
    virtual void v_recalcData(CSize inset);
    using IGDIpGradientCtrl::v_recalcData;
    void v_recalcData() override;

    // Where the text is drawn while the button is not pressed; empty while
    // an image stands for the whole button.
    CRect textRect() const;

    // Shows entry i of the image list; an index outside it only repaints.
    void setImage(int i);
    int getImageNo() const { return m_imageNo; }

    // The image list: the images belong to whoever filled it and must
    // outlive the button.
    std::vector<CExtImage*> m_images;

    IGDIpGradientRectPack m_highlightPack;
    IGDIpGradientRectPack m_pressedHighlightPack; // its look replaces the highlight's while pressed
    Gdiplus::ARGB m_pressedStart;                 // body gradient while pressed
    Gdiplus::ARGB m_pressedEnd;
    double m_textAngle = 0; // degrees
    int m_pushed = 0;       // drawn pressed whatever its state
    COLORREF m_hoverTextColor = RGB(180, 180, 180);
    COLORREF m_pressedTextColor = RGB(255, 0, 0);
    UINT m_textFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
    double m_pressShrink = 0.05;
    bool m_blendImage = true; // alpha-blend the normal image rather than copy it
    bool m_imageOnly = true;  // a shown image replaces body and text

protected:
    void PreSubclassWindow() override;

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);

    DECLARE_MESSAGE_MAP()

    bool m_mouseOver = false;
    TRACKMOUSEEVENT m_trackLeave{};
    CPoint m_imagePos;
    CPoint m_pressedImagePos;
    CExtImage m_image;
    CExtImage m_pressedImage;
    int m_imageNo = 0;

private:
    void copyLook(const CGDIpGradientButton& other);
    void placeImages();
    // Draws the image for the state; true when it stands for the whole button.
    bool drawImage(CDC& dc, bool selected);
    void drawBody(CDC& dc, Gdiplus::Rect body, int grow);
    static CRect textRectOf(const Gdiplus::Rect& body);
    void drawText(CDC& dc, const CRect& r, LPDRAWITEMSTRUCT dis);
    void drawRotatedText(CDC& dc, const CRect& r, const CString& text);
};
