#pragma once

// Frames for the tests of control bars, splitters and documents.

#include <Wfx.h>

namespace wfxtest {

// A view that draws nothing.
class CBlankView : public CView
{
    DECLARE_DYNCREATE(CBlankView)

public:
    void OnDraw(CDC*) override {}
};

// A shown frame holding a CBlankView, deleted with its window; null when it
// could not be made.
CFrameWnd* makeViewFrame(const CRect& place = CRect(20, 20, 420, 320));

// A child's window rectangle in the parent's client coordinates.
CRect placeIn(const CWnd& parent, HWND child);

// The frame's view (its AFX_IDW_PANE_FIRST child) in its client coordinates.
CRect viewPlace(const CWnd& frame);

} // namespace wfxtest
