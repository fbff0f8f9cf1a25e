#pragma once

#include "CFileError.h"

#include <string>

// Throws a new CFileError (code 5) whose place is the text and the Windows
// error number.
[[noreturn]] void throwFileError(const std::wstring& text, unsigned long errorNumber);
