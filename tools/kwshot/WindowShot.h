#pragma once

#include <windows.h>

#include <string>

// Finding the program's windows from another process and photographing them.
namespace windowshot {

// The program's main window: the visible top-level window captioned
// "Kestrelwave" that is no dialog box; of process `pid` when it is not 0.
HWND findMainWindow(DWORD pid = 0);
// A dialog box (message box) captioned `caption`; of process `pid` when not 0.
HWND findDialogBox(const wchar_t* caption, DWORD pid = 0);
// The first window below `parent` (at any depth) with control id `id`.
HWND findDescendant(HWND parent, int id);
std::wstring windowText(HWND window);
// The static texts of a dialog box joined by line feeds.
std::wstring dialogText(HWND dialog);
// The window as it is on the screen, as a PNG file.
bool savePng(HWND window, const std::wstring& path);

} // namespace windowshot
