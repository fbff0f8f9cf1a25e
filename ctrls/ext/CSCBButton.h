#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

// The close button of a sizing control bar: an 11 x 11 glyph in the bar's
// non-client area, drawn raised under the mouse and sunken while pressed.
class PRAMBLE_API CSCBButton
{
public:
    CSCBButton();

    void Move(CPoint ptTo) { m_ptOrg = ptTo; }
    // In the bar's window coordinates.
    CRect GetRect() const { return CRect(m_ptOrg, CSize(11, 11)); }
    void Paint(CDC* pDC);

    BOOL m_bPushed;
    BOOL m_bRaised;

protected:
    CPoint m_ptOrg;
};
