#pragma once

#include "CCmdTarget.h"

class CMenu;
class CWnd;

// The state of one command's user interface (a menu item or a control),
// handed to update-UI handlers to enable, check or rename it.
class WFX_API CCmdUI
{
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    UINT m_nID = 0;
    UINT m_nIndex = 0;        // position in m_pMenu
    CMenu* m_pMenu = nullptr; // the menu holding the item, or null
    CWnd* m_pOther = nullptr; // the control standing for the command, or null
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCWSTR lpszText);
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks the target's update handler; with no handler and bDisableIfNoHandler
    // the item is enabled only when the target has a command handler for it.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);

    // Runs DoUpdate for every command item of a popup menu; system commands
    // are never disabled for want of a handler.
    static void UpdateMenu(CMenu* pPopup, CCmdTarget* pTarget, BOOL bDisableIfNoHandler);
};
