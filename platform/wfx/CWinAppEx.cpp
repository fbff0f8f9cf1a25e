#include "CWinAppEx.h"

#include "CContextMenuManager.h"

IMPLEMENT_DYNAMIC(CWinAppEx, CWinApp)

CWinAppEx::CWinAppEx(BOOL bResourceSmartUpdate) : m_bResourceSmartUpdate(bResourceSmartUpdate) {}

CWinAppEx::~CWinAppEx()
{
    delete m_pContextMenuManager;
}

BOOL CWinAppEx::InitContextMenuManager()
{
    if (!m_pContextMenuManager)
        m_pContextMenuManager = new CContextMenuManager;
    return TRUE;
}

CContextMenuManager* CWinAppEx::GetContextMenuManager()
{
    InitContextMenuManager();
    return m_pContextMenuManager;
}

BOOL CWinAppEx::CleanState(LPCWSTR lpszSectionName)
{
    return WriteProfileString(lpszSectionName ? lpszSectionName : GetRegistryBase(), nullptr, nullptr);
}
