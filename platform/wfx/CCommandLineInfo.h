#pragma once

#include "CObject.h"
#include "CString.h"

// What the program's command line asks for: a new document (no file named),
// a document opened from the first file named, and whether to show a
// splash window ("/nologo" or "-nologo" says no). Other flags are ignored.
class WFX_API CCommandLineInfo : public CObject
{
public:
    enum
    {
        FileNew,
        FileOpen,
        FileNothing = -1
    } m_nShellCommand = FileNew;

    BOOL m_bShowSplash = TRUE;
    CString m_strFileName;

    CCommandLineInfo() = default;
    // One argument; bFlag when it began with '/' or '-' (taken off).
    virtual void ParseParam(LPCWSTR pszParam, BOOL bFlag, BOOL bLast);
};
