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

    void clear()
    {
        m_picture.DeleteObject();
        m_size = CSize();
    }

private:
    static std::vector<double> lookOf(const IGDIpGradientRectPack& pack);

    CBitmap m_picture;
    CSize m_size;
    unsigned m_background = 0;
    std::vector<double> m_look;
};
