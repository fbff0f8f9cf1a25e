#include "CCommandLineInfo.h"

void CCommandLineInfo::ParseParam(LPCWSTR pszParam, BOOL bFlag, BOOL)
{
    if (bFlag) {
        if (_wcsicmp(pszParam, L"nologo") == 0)
            m_bShowSplash = FALSE;
        return;
    }
    if (m_strFileName.IsEmpty() && *pszParam) {
        m_strFileName = pszParam;
        m_nShellCommand = FileOpen;
    }
}
