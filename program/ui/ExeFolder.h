#pragma once

#include <string>

// The program's folder without a trailing backslash; empty until the
// application's start-up sets it.
extern std::wstring g_exeFolder;

// The folder part of a program path: up to, not including, its last
// backslash when there is one after the first character, else the whole path.
std::wstring exeFolderOf(const std::wstring& modulePath);
// "<g_exeFolder>\Skins\Kestrelwave\<name>".
std::wstring skinFile(const wchar_t* name);
