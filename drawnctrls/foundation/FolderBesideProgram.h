#pragma once

#include <string>

// The program's folder followed by `subFolder`, worked out on the first call
// and kept in `cache`.
const std::wstring& folderBesideProgram(std::wstring& cache, const std::wstring& subFolder);
