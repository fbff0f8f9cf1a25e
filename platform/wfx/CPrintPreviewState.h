#pragma once

#include "CWnd.h"

#include <vector>

// What a frame gave up for a print preview, to be given back when it ends.
struct CPrintPreviewState
{
    HMENU hMenu = nullptr;            // the frame's menu
    HWND hWndMainPane = nullptr;      // the pane the preview view stands in for
    HWND hWndViewActiveOld = nullptr; // the active view, found again by its window
    std::vector<HWND> hiddenBars;     // the control bars that were shown
};
