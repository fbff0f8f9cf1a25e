#include "CContextMenuManager.h"

#include "CFrameWnd.h"
#include "CWinThread.h"

namespace {

HWND topLevelFrame(CWnd* owner)
{
    CWnd* frame = owner && owner->IsFrameWnd() ? owner : (owner ? owner->GetParentFrame() : nullptr);
    while (frame && frame->GetParentFrame())
        frame = frame->GetParentFrame();
    if (!frame)
        frame = owner ? owner : AfxGetMainWnd();
    return frame ? frame->m_hWnd : nullptr;
}

UINT alignment(BOOL bRightAlign)
{
    return (bRightAlign ? TPM_RIGHTALIGN : TPM_LEFTALIGN) | TPM_TOPALIGN | TPM_LEFTBUTTON;
}

} // namespace

BOOL CContextMenuManager::ShowPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner, BOOL bOwnMessage,
                                        BOOL bRightAlign)
{
    HWND target = bOwnMessage && pWndOwner ? pWndOwner->m_hWnd : topLevelFrame(pWndOwner);
    if (!hmenuPopup || !target)
        return FALSE;
    UINT id =
        UINT(::TrackPopupMenu(hmenuPopup, alignment(bRightAlign) | TPM_RETURNCMD, x, y, 0, target, nullptr));
    // A system menu shown this way still moves, sizes or closes its window.
    if (id)
        ::PostMessageW(target, id >= 0xF000 ? WM_SYSCOMMAND : WM_COMMAND, id, 0);
    return TRUE;
}

UINT CContextMenuManager::TrackPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner, BOOL bRightAlign)
{
    HWND owner = pWndOwner ? pWndOwner->m_hWnd : topLevelFrame(nullptr);
    if (!hmenuPopup || !owner)
        return 0;
    return UINT(::TrackPopupMenu(hmenuPopup, alignment(bRightAlign) | TPM_RETURNCMD | TPM_NONOTIFY, x, y, 0,
                                 owner, nullptr));
}
