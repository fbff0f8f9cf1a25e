// Tooltips of windows that call EnableToolTips: the message loop shows mouse
// messages to one tooltip control per thread, with the tool that the
// window's OnToolHitTest describes.

#include "CWnd.h"

#include "WfxInternal.h"

#include <cstdlib>

namespace {

struct ToolTipState
{
    HWND tip = nullptr;
    HWND toolWnd = nullptr;
    UINT_PTR toolId = 0;
};

ToolTipState& toolTips()
{
    static thread_local ToolTipState state;
    return state;
}

bool isMouseMessage(UINT message)
{
    return message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE ||
           (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK);
}

CWnd* toolOwner(HWND hWnd)
{
    for (HWND h = hWnd; h; h = ::GetParent(h)) {
        CWnd* wnd = CWnd::FromHandlePermanent(h);
        if (wnd && (wnd->m_nFlags & WF_TOOLTIPS))
            return wnd;
    }
    return nullptr;
}

// Where the mouse was, in screen coordinates.
CPoint messagePoint(const MSG& msg)
{
    if (msg.message == WM_NCMOUSEMOVE)
        return CPoint(msg.pt);
    CPoint point(msg.lParam);
    ::ClientToScreen(msg.hwnd, &point);
    return point;
}

void removeTool(ToolTipState& st)
{
    if (!st.toolWnd || !IsWindow(st.tip))
        return;
    TOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    ti.hwnd = st.toolWnd;
    ti.uId = st.toolId;
    SendMessageW(st.tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    st.toolWnd = nullptr;
}

HWND tipWindow(ToolTipState& st, HWND owner)
{
    if (!IsWindow(st.tip)) {
        wfxInitCommonControls();
        st.tip =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                            GetAncestor(owner, GA_ROOT), nullptr, GetModuleHandleW(nullptr), nullptr);
        st.toolWnd = nullptr;
    }
    return st.tip;
}

void freeText(TOOLINFOW& ti)
{
    if (ti.lpszText && ti.lpszText != LPSTR_TEXTCALLBACKW)
        free(ti.lpszText);
    ti.lpszText = nullptr;
}

} // namespace

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    m_nFlags = bEnable ? (m_nFlags | WF_TOOLTIPS) : (m_nFlags & ~WF_TOOLTIPS);
    return TRUE;
}

INT_PTR CWnd::OnToolHitTest(CPoint, TOOLINFOW*) const
{
    return -1;
}

void wfxRelayToolTip(MSG* pMsg)
{
    if (!isMouseMessage(pMsg->message))
        return;
    ToolTipState& st = toolTips();
    CWnd* owner = toolOwner(pMsg->hwnd);
    if (!owner) {
        removeTool(st);
        return;
    }
    CPoint point = messagePoint(*pMsg);
    owner->ScreenToClient(&point);
    TOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    INT_PTR hit = owner->OnToolHitTest(point, &ti);
    if (hit == -1) {
        freeText(ti);
        removeTool(st);
        return;
    }
    HWND tip = tipWindow(st, owner->m_hWnd);
    if (st.toolWnd != ti.hwnd || st.toolId != ti.uId) {
        removeTool(st);
        SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        st.toolWnd = ti.hwnd;
        st.toolId = ti.uId;
    }
    freeText(ti);
    SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
}
