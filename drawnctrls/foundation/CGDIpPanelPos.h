#pragma once

#include "PrambleGDIpApi.h"

// One labelled position of a panel display: its text, an optional second
// text below it, and a mark that can be ticked when it is checkable.
class PRAMBLEGDIP_API CGDIpPanelPos
{
public:
    Gdiplus::ARGB m_color = 0xFF000000; // the text
    CString m_text;
    Gdiplus::ARGB m_secondColor = 0xFF000000; // the second text
    Gdiplus::ARGB m_thirdColor = 0xFF000000;  // the mark
    bool m_checkable = false;
    bool m_checked = false;
    CString* m_secondText = nullptr; // not owned; may change while shown

    // Computed by the display's layout.
    CRect m_cellRect;
    CRect m_markRect;
    CRect m_textRect;
};
