#pragma once

#include <string>

// The folder of the program file, ending in a backslash; the language files
// and the presets lie beside the program.
std::wstring programFolder();
