#pragma once

// Helpers of the tests of the program's shared windows: GDI+ started once,
// as the program does, and the framework tests' windows and hooks.

#include <WfxTestSupport.h>

namespace uitest {

using wfxtest::HostWindow;
using wfxtest::ModalHook;
using wfxtest::pumpPending;

// Sends a click of the dialog's button `id` through its parent, as the button would.
void sendClick(CDialog& dialog, int id);
// The window text of a dialog's control.
std::wstring itemText(CDialog& dialog, int id);

} // namespace uitest
