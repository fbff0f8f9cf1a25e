#include "FileClasses.h"

#include <memory>

namespace {
// Where every file error says it was raised.
const wchar_t* const kSourceName = L"FileClasses";
const int kSourceLine = 32;
const unsigned kFileErrorCode = 5;
} // namespace

void throwFileError(const std::wstring& text, unsigned long errorNumber)
{
    std::wstring where = text + L" GetLastError() = " + std::to_wstring(errorNumber);
    std::unique_ptr<CFileError> error(
        new CFileError(kFileErrorCode, where.c_str(), kSourceLine, kSourceName));
    error->setMsgs();
    throw error.release();
}
