#pragma once

#include <windows.h>

class IError;

// Shows an error object that reached a command handler: the handler's name
// (with its parentheses), a line break and the error's report, in a plain
// box over `owner` captioned with the maker word; then deletes it.
void reportError(const wchar_t* handler, IError* error, HWND owner = nullptr);
