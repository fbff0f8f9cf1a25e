#pragma once

#include "CObject.h"

class CWnd;

// Shows popup menus for the application. Both forms run the menu until it
// closes; a command chosen in ShowPopupMenu is posted to the owner's
// top-level frame (which routes it and updates the items before the menu
// opens) or, with bOwnMessage, to the owner itself: as WM_COMMAND, or as
// WM_SYSCOMMAND for a system command (a system menu shown as popup).
class WFX_API CContextMenuManager : public CObject
{
public:
    CContextMenuManager() = default;

    virtual BOOL ShowPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner, BOOL bOwnMessage = FALSE,
                               BOOL bRightAlign = FALSE);
    // The command chosen, 0 when none; nothing is sent.
    virtual UINT TrackPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner, BOOL bRightAlign = FALSE);
};
