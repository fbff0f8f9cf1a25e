#pragma once

#include "CLangFile.h"

#include <string>

// The display language: 0 shows texts as written, 1 to 20 pick a file of
// the language table (with English as fallback).
extern int g_languageId;
// 1 while the connected controller runs on CNG: the first "LPG" of every
// translated text reads "CNG".
extern unsigned char g_cngMode;

const int kLanguageSlots = 20;
// The language files, opened once at start from the folder beside the program.
extern CLangFile g_langTable[kLanguageSlots];

// The one translation function: the English text as shown to the user.
std::wstring translate(const std::wstring& text);
// The lookup in the current language, with its fallbacks, without the CNG change.
std::wstring translateForLanguage(const std::wstring& text);

int languageFromUserLocale();
// The language id that a Windows language identifier selects at start.
int languageOfLangId(unsigned short langId);

// Opens the files of the language folder beside the program into their slots.
bool openLanguageFiles();
// The same from any folder (ending in a backslash); slots without a file there are closed.
bool openLanguageFilesIn(const std::wstring& folder);

std::wstring joinPath(const std::wstring& folder, const wchar_t* name);
