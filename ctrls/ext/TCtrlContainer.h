#pragma once

#include <Wfx.h>

// The control of a container window (Owner), held by value: created as the
// owner's child over its client area, resized to fill it.
template <class Ctrl, class Owner> class TCtrlContainer
{
public:
    TCtrlContainer() = default;
    TCtrlContainer(const TCtrlContainer&) = delete;
    TCtrlContainer& operator=(const TCtrlContainer&) = delete;
    virtual ~TCtrlContainer() = default;

    // Creates the control once; a later call (a second initial update)
    // keeps the control there is.
    virtual void T_onInit(Owner* owner, DWORD style, DWORD exStyle)
    {
        if (m_ctrl.GetSafeHwnd())
            return;
        m_pOwner = owner;
        owner->GetClientRect(&m_rect);
        if (m_ctrl.Create(style, m_rect, owner, UINT(m_nId)))
            m_ctrl.ModifyStyleEx(0, exStyle, SWP_FRAMECHANGED);
    }
    virtual void T_onSize(int cx, int cy)
    {
        if (m_ctrl.GetSafeHwnd())
            m_ctrl.SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_FRAMECHANGED);
    }

    Ctrl* get() { return &m_ctrl; }
    Ctrl* operator->() { return &m_ctrl; }

protected:
    Owner* m_pOwner = nullptr;
    Ctrl m_ctrl;
    CRect m_rect;
    int m_nId = -1;
};
