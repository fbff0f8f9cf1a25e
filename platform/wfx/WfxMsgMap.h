#pragma once

// Handler tables: every class that handles messages declares
// DECLARE_MESSAGE_MAP() and lists its entries between BEGIN_MESSAGE_MAP and
// END_MESSAGE_MAP. A table names its base class; lookups search the most
// derived table first and go on to the base's, also across modules. Each
// entry carries a small function that calls the handler with its exact
// signature, so a wrong signature fails to compile.

#include "CCmdTarget.h"
#include "CRect.h"

class CWnd;
class CDC;
class CMenu;
class CScrollBar;
class CCmdUI;

// Marks message handlers in class declarations.
#define afx_msg

// Messages reflected to the control that caused them are keyed by this
// offset; all WM_CTLCOLOR* messages by one pseudo message.
#define WFX_REFLECT 0x10000u
#define WFX_MSG_CTLCOLOR 0x0019u

// The framework's own messages, in the range the system leaves to frameworks.
#define WM_IDLEUPDATECMDUI (WM_AFXFIRST + 3)
#define WM_INITIALUPDATE (WM_AFXFIRST + 4) // sent to a frame's windows once its document is ready

WFX_API CWnd* WfxWndFromHandle(HWND hWnd);
WFX_API CDC* WfxDCFromHandle(HDC hDC);
WFX_API CMenu* WfxMenuFromHandle(HMENU hMenu);
WFX_API CScrollBar* WfxScrollBarFromHandle(HWND hWnd);
WFX_API BOOL WfxCmdUIHandled(CCmdUI* pCmdUI);

inline CPoint WfxPointFromLParam(LPARAM lp)
{
    return CPoint(lp);
}

#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const WfxMsgMap* GetThisMessageMap();                                                             \
    const WfxMsgMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const WfxMsgMap* theClass::GetMessageMap() const                                                         \
    {                                                                                                        \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const WfxMsgMap* theClass::GetThisMessageMap()                                                           \
    {                                                                                                        \
        typedef theClass ThisClass;                                                                          \
        typedef baseClass TheBaseClass;                                                                      \
        static_assert(sizeof(ThisClass) > 0, "");                                                            \
        static const WfxMsgMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                                    \
    {                                                                                                        \
        0, 0, 0, 0, nullptr                                                                                  \
    }                                                                                                        \
    }                                                                                                        \
    ;                                                                                                        \
    static const WfxMsgMap map = {&TheBaseClass::GetThisMessageMap, entries};                                \
    return &map;                                                                                             \
    }

// One entry whose body runs with `self` (this object as ThisClass) and
// `call` (the message); the body returns whether it handled the message.
#define WFX_ENTRY(msg, code, first, last, ...)                                                               \
    {UINT(msg), UINT(code), UINT(first), UINT(last), [](CCmdTarget* target_, WfxMsgCall& call) -> BOOL {     \
         ThisClass* self = static_cast<ThisClass*>(target_);                                                 \
         (void)self;                                                                                         \
         (void)call;                                                                                         \
         __VA_ARGS__                                                                                         \
     }},

#define WFX_WND(x) WfxWndFromHandle(reinterpret_cast<HWND>(x))
#define WFX_POINT() WfxPointFromLParam(call.lParam)
#define WFX_NOTIFY() static_cast<WfxNotifyInfo*>(call.extra)

// Window messages
#define WFX_ON_VOID(msg, fn) WFX_ENTRY(msg, 0, 0, 0, self->fn(); return TRUE;)
#define WFX_ON_MOUSE(msg, fn) WFX_ENTRY(msg, 0, 0, 0, self->fn(UINT(call.wParam), WFX_POINT()); return TRUE;)
#define WFX_ON_KEY(msg, fn)                                                                                  \
    WFX_ENTRY(msg, 0, 0, 0, self->fn(UINT(call.wParam), LOWORD(call.lParam), HIWORD(call.lParam));           \
              return TRUE;)

#define ON_WM_CREATE()                                                                                       \
    WFX_ENTRY(WM_CREATE, 0, 0, 0,                                                                            \
              call.result = self->OnCreate(reinterpret_cast<LPCREATESTRUCT>(call.lParam));                   \
              return TRUE;)
#define ON_WM_DESTROY() WFX_ON_VOID(WM_DESTROY, OnDestroy)
#define ON_WM_NCDESTROY() WFX_ON_VOID(WM_NCDESTROY, OnNcDestroy)
#define ON_WM_CLOSE() WFX_ON_VOID(WM_CLOSE, OnClose)
#define ON_WM_PAINT() WFX_ON_VOID(WM_PAINT, OnPaint)
#define ON_WM_NCPAINT() WFX_ON_VOID(WM_NCPAINT, OnNcPaint)
#define ON_WM_MOUSELEAVE() WFX_ON_VOID(WM_MOUSELEAVE, OnMouseLeave)
#define ON_WM_NCMOUSELEAVE() WFX_ON_VOID(WM_NCMOUSELEAVE, OnNcMouseLeave)
#define ON_WM_SIZE()                                                                                         \
    WFX_ENTRY(WM_SIZE, 0, 0, 0, self->OnSize(UINT(call.wParam), LOWORD(call.lParam), HIWORD(call.lParam));   \
              return TRUE;)
#define ON_WM_MOVE()                                                                                         \
    WFX_ENTRY(WM_MOVE, 0, 0, 0, self->OnMove(short(LOWORD(call.lParam)), short(HIWORD(call.lParam)));        \
              return TRUE;)
#define ON_WM_ERASEBKGND()                                                                                   \
    WFX_ENTRY(WM_ERASEBKGND, 0, 0, 0,                                                                        \
              call.result = self->OnEraseBkgnd(WfxDCFromHandle(reinterpret_cast<HDC>(call.wParam)));         \
              return TRUE;)
#define ON_WM_SHOWWINDOW()                                                                                   \
    WFX_ENTRY(WM_SHOWWINDOW, 0, 0, 0, self->OnShowWindow(BOOL(call.wParam), UINT(call.lParam)); return TRUE;)
#define ON_WM_TIMER() WFX_ENTRY(WM_TIMER, 0, 0, 0, self->OnTimer(UINT_PTR(call.wParam)); return TRUE;)
#define ON_WM_KEYDOWN() WFX_ON_KEY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() WFX_ON_KEY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() WFX_ON_KEY(WM_CHAR, OnChar)
#define ON_WM_SYSKEYDOWN() WFX_ON_KEY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() WFX_ON_KEY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_SETFOCUS() WFX_ENTRY(WM_SETFOCUS, 0, 0, 0, self->OnSetFocus(WFX_WND(call.wParam)); return TRUE;)
#define ON_WM_KILLFOCUS()                                                                                    \
    WFX_ENTRY(WM_KILLFOCUS, 0, 0, 0, self->OnKillFocus(WFX_WND(call.wParam)); return TRUE;)
#define ON_WM_LBUTTONDOWN() WFX_ON_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() WFX_ON_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() WFX_ON_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() WFX_ON_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() WFX_ON_MOUSE(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() WFX_ON_MOUSE(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MOUSEMOVE() WFX_ON_MOUSE(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_MOUSEHOVER() WFX_ON_MOUSE(WM_MOUSEHOVER, OnMouseHover)
#define ON_WM_MOUSEWHEEL()                                                                                   \
    WFX_ENTRY(WM_MOUSEWHEEL, 0, 0, 0,                                                                        \
              call.result =                                                                                  \
                  self->OnMouseWheel(LOWORD(call.wParam), short(HIWORD(call.wParam)), WFX_POINT());          \
              return TRUE;)
#define ON_WM_MOUSEHWHEEL()                                                                                  \
    WFX_ENTRY(WM_MOUSEHWHEEL, 0, 0, 0,                                                                       \
              self->OnMouseHWheel(LOWORD(call.wParam), short(HIWORD(call.wParam)), WFX_POINT());             \
              return TRUE;)
#define ON_WM_NCLBUTTONDOWN() WFX_ON_MOUSE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() WFX_ON_MOUSE(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() WFX_ON_MOUSE(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCMOUSEMOVE() WFX_ON_MOUSE(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCHITTEST()                                                                                    \
    WFX_ENTRY(WM_NCHITTEST, 0, 0, 0, call.result = self->OnNcHitTest(WFX_POINT()); return TRUE;)
#define WFX_ON_SCROLL(msg, fn)                                                                               \
    WFX_ENTRY(msg, 0, 0, 0,                                                                                  \
              self->fn(LOWORD(call.wParam), HIWORD(call.wParam),                                             \
                       WfxScrollBarFromHandle(reinterpret_cast<HWND>(call.lParam)));                         \
              return TRUE;)
#define ON_WM_HSCROLL() WFX_ON_SCROLL(WM_HSCROLL, OnHScroll)
#define ON_WM_VSCROLL() WFX_ON_SCROLL(WM_VSCROLL, OnVScroll)
#define ON_WM_CONTEXTMENU()                                                                                  \
    WFX_ENTRY(WM_CONTEXTMENU, 0, 0, 0, self->OnContextMenu(WFX_WND(call.wParam), WFX_POINT()); return TRUE;)
#define ON_WM_SYSCOMMAND()                                                                                   \
    WFX_ENTRY(WM_SYSCOMMAND, 0, 0, 0, self->OnSysCommand(UINT(call.wParam), call.lParam); return TRUE;)
#define ON_WM_SETCURSOR()                                                                                    \
    WFX_ENTRY(WM_SETCURSOR, 0, 0, 0,                                                                         \
              call.result =                                                                                  \
                  self->OnSetCursor(WFX_WND(call.wParam), LOWORD(call.lParam), HIWORD(call.lParam));         \
              return TRUE;)
#define ON_WM_ACTIVATE()                                                                                     \
    WFX_ENTRY(WM_ACTIVATE, 0, 0, 0,                                                                          \
              self->OnActivate(LOWORD(call.wParam), WFX_WND(call.lParam), HIWORD(call.wParam) != 0);         \
              return TRUE;)
#define ON_WM_MOUSEACTIVATE()                                                                                \
    WFX_ENTRY(WM_MOUSEACTIVATE, 0, 0, 0,                                                                     \
              call.result =                                                                                  \
                  self->OnMouseActivate(WFX_WND(call.wParam), LOWORD(call.lParam), HIWORD(call.lParam));     \
              return TRUE;)
#define ON_WM_DRAWITEM()                                                                                     \
    WFX_ENTRY(WM_DRAWITEM, 0, 0, 0,                                                                          \
              self->OnDrawItem(int(call.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(call.lParam));           \
              call.result = TRUE; return TRUE;)
#define ON_WM_MEASUREITEM()                                                                                  \
    WFX_ENTRY(WM_MEASUREITEM, 0, 0, 0,                                                                       \
              self->OnMeasureItem(int(call.wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(call.lParam));     \
              call.result = TRUE; return TRUE;)
#define ON_WM_CTLCOLOR()                                                                                     \
    WFX_ENTRY(WFX_MSG_CTLCOLOR, 0, 0, 0,                                                                     \
              call.result = reinterpret_cast<LRESULT>(                                                       \
                  self->OnCtlColor(WfxDCFromHandle(reinterpret_cast<HDC>(call.wParam)),                      \
                                   WFX_WND(call.lParam), call.message - WM_CTLCOLORMSGBOX));                 \
              return TRUE;)
#define ON_WM_GETDLGCODE() WFX_ENTRY(WM_GETDLGCODE, 0, 0, 0, call.result = self->OnGetDlgCode(); return TRUE;)
#define WFX_ON_STRUCT(msg, fn, type)                                                                         \
    WFX_ENTRY(msg, 0, 0, 0, self->fn(reinterpret_cast<type*>(call.lParam)); return TRUE;)
#define ON_WM_GETMINMAXINFO() WFX_ON_STRUCT(WM_GETMINMAXINFO, OnGetMinMaxInfo, MINMAXINFO)
#define ON_WM_WINDOWPOSCHANGING() WFX_ON_STRUCT(WM_WINDOWPOSCHANGING, OnWindowPosChanging, WINDOWPOS)
#define ON_WM_WINDOWPOSCHANGED() WFX_ON_STRUCT(WM_WINDOWPOSCHANGED, OnWindowPosChanged, WINDOWPOS)
#define ON_WM_INITMENUPOPUP()                                                                                \
    WFX_ENTRY(WM_INITMENUPOPUP, 0, 0, 0,                                                                     \
              self->OnInitMenuPopup(WfxMenuFromHandle(reinterpret_cast<HMENU>(call.wParam)),                 \
                                    LOWORD(call.lParam), HIWORD(call.lParam));                               \
              return TRUE;)

// Messages reflected back to the control that sent them
#define ON_WM_CTLCOLOR_REFLECT()                                                                             \
    WFX_ENTRY(WFX_REFLECT + WFX_MSG_CTLCOLOR, 0, 0, 0,                                                       \
              HBRUSH brush_ = self->CtlColor(WfxDCFromHandle(reinterpret_cast<HDC>(call.wParam)),            \
                                             call.message - WM_CTLCOLORMSGBOX);                              \
              call.result = reinterpret_cast<LRESULT>(brush_); return brush_ != nullptr;)
#define ON_WM_HSCROLL_REFLECT()                                                                              \
    WFX_ENTRY(WFX_REFLECT + WM_HSCROLL, 0, 0, 0, self->HScroll(LOWORD(call.wParam), HIWORD(call.wParam));    \
              return TRUE;)
#define ON_WM_VSCROLL_REFLECT()                                                                              \
    WFX_ENTRY(WFX_REFLECT + WM_VSCROLL, 0, 0, 0, self->VScroll(LOWORD(call.wParam), HIWORD(call.wParam));    \
              return TRUE;)
#define ON_CONTROL_REFLECT(code, fn)                                                                         \
    WFX_ENTRY(WFX_REFLECT + WM_COMMAND, code, 0, 0, (self->*(fn))(); return TRUE;)
#define ON_CONTROL_REFLECT_EX(code, fn)                                                                      \
    WFX_ENTRY(WFX_REFLECT + WM_COMMAND, code, 0, 0, return (self->*(fn))();)
#define ON_NOTIFY_REFLECT(code, fn)                                                                          \
    WFX_ENTRY(WFX_REFLECT + WM_NOTIFY, code, 0, 0, (self->*(fn))(WFX_NOTIFY()->hdr, WFX_NOTIFY()->result);   \
              return TRUE;)
#define ON_NOTIFY_REFLECT_EX(code, fn)                                                                       \
    WFX_ENTRY(WFX_REFLECT + WM_NOTIFY, code, 0, 0,                                                           \
              return (self->*(fn))(WFX_NOTIFY()->hdr, WFX_NOTIFY()->result);)

// Any message, handled as LRESULT fn(WPARAM, LPARAM)
#define ON_MESSAGE(msg, fn)                                                                                  \
    WFX_ENTRY(msg, 0, 0, 0, call.result = (self->*(fn))(call.wParam, call.lParam); return TRUE;)

// Commands (menus, accelerators, control notifications)
#define ON_COMMAND(id, fn) WFX_ENTRY(WM_COMMAND, CN_COMMAND, id, id, (self->*(fn))(); return TRUE;)
#define ON_COMMAND_RANGE(first, last, fn)                                                                    \
    WFX_ENTRY(WM_COMMAND, CN_COMMAND, first, last, (self->*(fn))(call.id); return TRUE;)
#define ON_COMMAND_EX(id, fn) WFX_ENTRY(WM_COMMAND, CN_COMMAND, id, id, return (self->*(fn))(call.id);)
#define ON_CONTROL(code, id, fn) WFX_ENTRY(WM_COMMAND, code, id, id, (self->*(fn))(); return TRUE;)
#define ON_CONTROL_RANGE(code, first, last, fn)                                                              \
    WFX_ENTRY(WM_COMMAND, code, first, last, (self->*(fn))(call.id); return TRUE;)
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_MAXTEXT(id, fn) ON_CONTROL(EN_MAXTEXT, id, fn)

// Notifications (WM_NOTIFY): void fn(NMHDR*, LRESULT*)
#define ON_NOTIFY(code, id, fn)                                                                              \
    WFX_ENTRY(WM_NOTIFY, code, id, id, (self->*(fn))(WFX_NOTIFY()->hdr, WFX_NOTIFY()->result); return TRUE;)
#define ON_NOTIFY_RANGE(code, first, last, fn)                                                               \
    WFX_ENTRY(WM_NOTIFY, code, first, last, (self->*(fn))(call.id, WFX_NOTIFY()->hdr, WFX_NOTIFY()->result); \
              return TRUE;)
#define ON_NOTIFY_EX(code, id, fn)                                                                           \
    WFX_ENTRY(WM_NOTIFY, code, id, id,                                                                       \
              return (self->*(fn))(call.id, WFX_NOTIFY()->hdr, WFX_NOTIFY()->result);)
#define ON_NOTIFY_EX_RANGE(code, first, last, fn)                                                            \
    WFX_ENTRY(WM_NOTIFY, code, first, last,                                                                  \
              return (self->*(fn))(call.id, WFX_NOTIFY()->hdr, WFX_NOTIFY()->result);)

// Command state (enabled, checked, text) asked for before menus open and at idle time
#define ON_UPDATE_COMMAND_UI(id, fn)                                                                         \
    WFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, (self->*(fn))(static_cast<CCmdUI*>(call.extra));     \
              return WfxCmdUIHandled(static_cast<CCmdUI*>(call.extra));)
#define ON_UPDATE_COMMAND_UI_RANGE(first, last, fn)                                                          \
    WFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, first, last,                                                 \
              (self->*(fn))(static_cast<CCmdUI*>(call.extra));                                               \
              return WfxCmdUIHandled(static_cast<CCmdUI*>(call.extra));)
