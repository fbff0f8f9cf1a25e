#pragma once

#include "FaultkinApi.h"

#include <string>

// Widens a narrow text (ANSI code page), e.g. a source file name for an error.
FAULTKIN_API std::wstring ansi2unicode(const char* text);
