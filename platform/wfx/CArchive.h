#pragma once

#include "CString.h"

class CFile;

// Values written to or read back from a file in a fixed binary form (little
// endian; texts as a 32-bit length and UTF-16 characters). A short file
// throws CFileException* (endOfFile).
class WFX_API CArchive
{
public:
    enum Mode
    {
        store = 0,
        load = 1,
    };

    CArchive(CFile* pFile, UINT nMode);
    virtual ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return m_nMode == load; }
    BOOL IsStoring() const { return m_nMode == store; }
    CFile* GetFile() const { return m_pFile; }

    void Write(const void* lpBuf, UINT nMax);
    // Reads exactly nMax bytes.
    void Read(void* lpBuf, UINT nMax);

    CArchive& operator<<(BYTE value) { return put(value); }
    CArchive& operator<<(WORD value) { return put(value); }
    CArchive& operator<<(int value) { return put(value); }
    CArchive& operator<<(UINT value) { return put(value); }
    CArchive& operator<<(double value) { return put(value); }
    CArchive& operator<<(const CString& value);
    CArchive& operator>>(BYTE& value) { return get(value); }
    CArchive& operator>>(WORD& value) { return get(value); }
    CArchive& operator>>(int& value) { return get(value); }
    CArchive& operator>>(UINT& value) { return get(value); }
    CArchive& operator>>(double& value) { return get(value); }
    CArchive& operator>>(CString& value);

private:
    template <class T> CArchive& put(T value)
    {
        Write(&value, sizeof(value));
        return *this;
    }
    template <class T> CArchive& get(T& value)
    {
        Read(&value, sizeof(value));
        return *this;
    }

    CFile* m_pFile;
    UINT m_nMode;
};
