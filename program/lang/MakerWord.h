#pragma once

// The maker word: the caption of the program's message boxes and the name of
// its folders (the skin under "Skins", the folder under the user's Documents).
inline constexpr wchar_t kMakerWord[] = L"Kestrelwave";
