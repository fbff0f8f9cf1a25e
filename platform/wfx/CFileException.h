#pragma once

#include "CString.h"

// A failed file operation, thrown by pointer; the catcher calls Delete.
class WFX_API CFileException
{
public:
    enum
    {
        none = 0,
        genericException,
        fileNotFound,
        badPath,
        accessDenied,
        endOfFile,
    };

    CFileException(int cause = none, LONG lOsError = -1, LPCWSTR lpszFileName = nullptr);
    virtual ~CFileException();
    void Delete() { delete this; }

    // The cause that fits a system error code.
    static int OsErrorToException(LONG lOsError);
    [[noreturn]] static void ThrowOsError(LONG lOsError, LPCWSTR lpszFileName = nullptr);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};
