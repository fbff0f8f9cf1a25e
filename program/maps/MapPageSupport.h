#pragma once

class CLPGDevice;
class CWnd;
class IError;

// The controller the map may be changed on: connected, and no procedure of
// the program pumping messages meanwhile. Null otherwise.
CLPGDevice* mapDevice();
// "Can't write settings to device!" over `owner`, with the error icon.
void showMapWriteError(CWnd* owner);
// A translated text over `owner`, captioned "Kestrelwave", with `icon`.
void showMapMessage(CWnd* owner, const wchar_t* text, unsigned icon);
// An error object that reached a handler, shown and deleted.
void reportMapError(const wchar_t* handler, IError* error);
// Waits `ms` while the window messages keep flowing.
void pumpedWait(unsigned ms);
