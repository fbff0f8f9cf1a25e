#pragma once

#include <Wfx.h>

// The font, text colour and transparent mode for the texts drawn in one
// scope; the context gets its own back at the end.
class DcTextLook
{
public:
    DcTextLook(CDC& dc, CFont* font, COLORREF color) : m_dc(dc), m_saved(dc.SaveDC())
    {
        if (font)
            dc.SelectObject(font);
        dc.SetTextColor(color);
        dc.SetBkMode(TRANSPARENT);
    }
    ~DcTextLook() { m_dc.RestoreDC(m_saved); }
    DcTextLook(const DcTextLook&) = delete;
    DcTextLook& operator=(const DcTextLook&) = delete;

private:
    CDC& m_dc;
    int m_saved;
};
