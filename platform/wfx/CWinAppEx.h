#pragma once

#include "CWinApp.h"

class CContextMenuManager;

// The application of frames with panes: adds the context-menu manager and
// the section of the profile where window layouts would be kept
// ("Workspace"), which CleanState empties.
class WFX_API CWinAppEx : public CWinApp
{
    DECLARE_DYNAMIC(CWinAppEx)

public:
    explicit CWinAppEx(BOOL bResourceSmartUpdate = FALSE);
    ~CWinAppEx() override;

    BOOL m_bResourceSmartUpdate;

    BOOL InitContextMenuManager();
    // Made on first use when InitContextMenuManager was not called.
    CContextMenuManager* GetContextMenuManager();

    LPCWSTR GetRegistryBase() const { return m_strRegSection; }
    // Deletes the section (the registry base by default) with all it holds.
    BOOL CleanState(LPCWSTR lpszSectionName = nullptr);

private:
    CContextMenuManager* m_pContextMenuManager = nullptr;
    CString m_strRegSection = L"Workspace";
};
