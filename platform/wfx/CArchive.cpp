#include "CArchive.h"

#include "CFile.h"

#include <vector>

namespace {
// Longer texts are taken for a damaged file.
const UINT kMaxTextLength = 1u << 24;
} // namespace

CArchive::CArchive(CFile* pFile, UINT nMode) : m_pFile(pFile), m_nMode(nMode) {}

CArchive::~CArchive() = default;

void CArchive::Write(const void* lpBuf, UINT nMax)
{
    m_pFile->Write(lpBuf, nMax);
}

void CArchive::Read(void* lpBuf, UINT nMax)
{
    if (m_pFile->Read(lpBuf, nMax) != nMax)
        throw new CFileException(CFileException::endOfFile, ERROR_HANDLE_EOF, m_pFile->GetFilePath());
}

CArchive& CArchive::operator<<(const CString& value)
{
    UINT length = UINT(value.GetLength());
    *this << length;
    Write(LPCWSTR(value), length * UINT(sizeof(wchar_t)));
    return *this;
}

CArchive& CArchive::operator>>(CString& value)
{
    UINT length = 0;
    *this >> length;
    if (length > kMaxTextLength)
        throw new CFileException(CFileException::genericException, ERROR_INVALID_DATA,
                                 m_pFile->GetFilePath());
    std::vector<wchar_t> text(length + 1, L'\0');
    Read(text.data(), length * UINT(sizeof(wchar_t)));
    value = text.data();
    return *this;
}
