#pragma once

#include <string>

// The folder of the running program, without a trailing backslash.
std::wstring programFolder();

// The program's folder followed by `subFolder`, worked out on the first call
// and kept in `cache`.
const std::wstring& folderBesideProgram(std::wstring& cache, const std::wstring& subFolder);
