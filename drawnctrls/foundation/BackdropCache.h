#pragma once

#include <IGDIpGradientRectPack.h>
#include <ITransparentCtrl.h>

#include <functional>
#include <vector>

// A colour pack's picture over a control's captured background, drawn once
// and copied on the paints that follow while the size, the look and the
// background stay the same: a GDI+ gradient of a window's size costs tens of
// milliseconds a paint under Wine, a copy a fraction of one.
class BackdropCache
{
public:
    // Draws the pack into dc, which holds the background of that version
    // (ITransparentCtrl::backgroundVersion), or copies the picture of last time.
    void draw(CDC& dc, IGDIpGradientRectPack& pack, CSize size, unsigned background);
    // Copies `part` of the picture of the last draw into dc.
    void copyPart(CDC& dc, const CRect& part);
    // Changes whenever the picture is drawn anew: the background of a cache
    // drawn over this one.
    unsigned generation() const { return m_generation; }
    // A whole paint of a control that is its own pack: the background it
    // captured, the pack, then `content`, through its memory context.
    template <class Control>
    void paint(Control& control, CDC& paintDC, CDC& memDC, const std::function<void(CDC&)>& content)
    {
        CRect client;
        control.GetClientRect(&client);
        control.beginTransparentPaint(&paintDC);
        draw(memDC, control, client.Size(), control.backgroundVersion());
        content(memDC);
        control.endTransparentPaint(&paintDC);
    }

    void clear();

private:
    static std::vector<double> lookOf(const IGDIpGradientRectPack& pack);

    CBitmap m_picture;
    CDC m_pictureDC; // holds m_picture: a copy costs no context of its own
    HGDIOBJ m_oldBitmap = nullptr;
    CSize m_size;
    unsigned m_background = 0;
    unsigned m_generation = 0;
    std::vector<double> m_look;
};
