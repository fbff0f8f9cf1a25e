#pragma once

#include <Wfx.h>

class CSkinDlg;

// Starts a popup dialog under `title`, translated: its title bar shows it
// and it is the window's own text too. Returns the translated title.
CString initTitledSkinDialog(CSkinDlg& dialog, const wchar_t* title);
