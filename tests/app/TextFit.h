#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kwtest {

// What an installer would miss in a window of the program: a text of a
// static, button, check box, list value, edit or tree item that its
// control has no room for in its own font, a tree that scrolls sideways,
// two visible sibling controls lying over each other. Each fault names the
// window, the control and both sizes.
std::vector<std::string> layoutFaults(HWND window, const std::string& name);

// Contrast ratio of two colours (1 to 21), as readability guides define it.
double contrastRatio(COLORREF a, COLORREF b);

} // namespace kwtest
