#include "CCmdUI.h"

#include "CMenu.h"
#include "CWnd.h"

BOOL WfxCmdUIHandled(CCmdUI* pCmdUI)
{
    return !pCmdUI->m_bContinueRouting;
}

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu)
        m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
    else if (m_pOther)
        m_pOther->EnableWindow(bOn);
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu)
        m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    else if (m_pOther)
        m_pOther->SendMessage(BM_SETCHECK, WPARAM(nCheck));
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (!m_pMenu) {
        SetCheck(bOn ? 1 : 0);
        return;
    }
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    if (!m_pMenu->GetMenuItemInfo(m_nIndex, &info, TRUE))
        return;
    info.fType = bOn ? (info.fType | MFT_RADIOCHECK) : (info.fType & ~MFT_RADIOCHECK);
    info.fState = bOn ? (info.fState | MFS_CHECKED) : (info.fState & ~MFS_CHECKED);
    m_pMenu->SetMenuItemInfo(m_nIndex, &info, TRUE);
}

void CCmdUI::SetText(LPCWSTR lpszText)
{
    if (m_pMenu) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<LPWSTR>(lpszText ? lpszText : L"");
        m_pMenu->SetMenuItemInfo(m_nIndex, &info, TRUE);
    } else if (m_pOther) {
        m_pOther->SetWindowText(lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler)
{
    m_bEnableChanged = FALSE;
    m_bContinueRouting = FALSE;
    BOOL handled = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (!handled && bDisableIfNoHandler && !m_bEnableChanged) {
        WfxCmdHandlerInfo info{};
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return handled;
}

void CCmdUI::UpdateMenu(CMenu* pPopup, CCmdTarget* pTarget, BOOL bDisableIfNoHandler)
{
    int count = pPopup->GetMenuItemCount();
    for (int i = 0; i < count; ++i) {
        UINT id = pPopup->GetMenuItemID(i);
        if (id == 0 || id == UINT(-1))
            continue; // separators and sub-menus
        CCmdUI ui;
        ui.m_nID = id;
        ui.m_nIndex = UINT(i);
        ui.m_pMenu = pPopup;
        // System commands (a system menu shown as a popup) are left to the system.
        ui.DoUpdate(pTarget, bDisableIfNoHandler && id < 0xF000);
    }
}
