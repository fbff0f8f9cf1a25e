#pragma once

#include <string>

// "<program folder>\Skins\Kestrelwave\<name>": the program's own images.
std::wstring skinFile(const wchar_t* name);
