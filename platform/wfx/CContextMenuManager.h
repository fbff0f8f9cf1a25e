#pragma once

#include "CObject.h"

class CWnd;

// Shows popup menus for the application. Both forms run the menu until it
// closes; commands chosen in ShowPopupMenu go, as WM_COMMAND, to the owner's
// top-level frame (which routes them and updates the items before the menu
// opens) or, with bOwnMessage, to the owner itself.
class WFX_API CContextMenuManager : public CObject
{
public:
    CContextMenuManager() = default;

    virtual BOOL ShowPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner, BOOL bOwnMessage = FALSE,
                               BOOL bRightAlign = FALSE);
    // The command chosen, 0 when none; nothing is sent.
    virtual UINT TrackPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner, BOOL bRightAlign = FALSE);
};
