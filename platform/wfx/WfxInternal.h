#pragma once

// Internal glue shared by the framework's own sources.

#include "CWnd.h"

#include <functional>

class IError;

// One call of the window procedure for an object; `alive` turns false when
// the object is deleted while the call is still on the stack.
struct CWnd::ProcFrame
{
    ProcFrame* outer;
    bool alive;
};

// The procedure a window had before an object took it over, kept on the
// window so that it survives the object.
constexpr wchar_t kWfxSuperProcProp[] = L"WfxSuperProc";

class WfxLifeWatch;

// Style bits (GWL_STYLE, GWL_EXSTYLE) that PreSubclassWindow changed while a
// window was taken over at its creation. The system sets the creation
// record's styles again after the creation hook, so the changes are made
// once more when WM_NCCREATE arrives.
struct WfxStyleChange
{
    HWND hWnd;
    LONG_PTR added[2];
    LONG_PTR removed[2];
};

// Per-thread state of the window layer.
struct WfxThreadState
{
    MSG current;                // the message being handled, for CWnd::Default
    CWnd* wndInit;              // the object whose window is being created
    HHOOK creationHook;         // installed while windows are created
    WfxLifeWatch* watches;      // objects whose deletion someone waits to hear of
    WfxStyleChange styleChange; // made while the window was taken over
};

WfxThreadState& wfxThreadState();

// Tells whether a window object outlived a call that may have deleted it
// (a failed creation ends in PostNcDestroy only when a window was made).
class WfxLifeWatch
{
public:
    explicit WfxLifeWatch(CWnd* wnd);
    ~WfxLifeWatch();
    WfxLifeWatch(const WfxLifeWatch&) = delete;
    WfxLifeWatch& operator=(const WfxLifeWatch&) = delete;

    bool alive() const { return m_wnd != nullptr; }
    // Called by the destructor of every window object.
    static void objectDeleted(CWnd* wnd);

private:
    CWnd* m_wnd;
    WfxLifeWatch* m_outer;
};

// Hands the next window created on this thread to an object (WM_CREATE and
// everything before it then reach the object).
struct WfxCreationHook
{
    static void arm(CWnd* wnd);
    // True when the armed object got its window.
    static bool disarm();
    static LRESULT CALLBACK procedure(int code, WPARAM wParam, LPARAM lParam);
    // At WM_NCCREATE: makes the noted style changes again.
    static void keepStyleChange(HWND hWnd);
};

// Shows what was caught at a window procedure boundary (through the message
// box hook) and deletes the error object.
void wfxReportError(IError* error);
void wfxReportFailure(const wchar_t* what);

// Gives a handle that a Create function just made to its owner object. An
// owner that holds a handle already keeps it and the new one is released
// again, so a second Create leaks nothing.
template <class Owner, class Handle, class Release> BOOL wfxAdopt(Owner& owner, Handle made, Release release)
{
    if (owner.Attach(made))
        return TRUE;
    if (made)
        release(made);
    return FALSE;
}

// The module instance of the framework DLL.
HINSTANCE wfxModule();

// The top-level window a modal dialog or sheet of that parent disables:
// the parent's, else the main window's; null without either.
HWND wfxModalOwner(CWnd* pParentWnd);

// Runs a modal window over the owner of that parent: the owner is disabled
// meanwhile and active again afterwards; the modal window is destroyed.
INT_PTR wfxRunModalOver(CWnd& modal, CWnd* pParentWnd, const std::function<INT_PTR(HWND owner)>& run);

// Registers the common control classes once per process.
void wfxInitCommonControls();

// Sends a message to the descendants of `ancestor` whose handler tables take
// it, found among the window objects instead of walking every window.
void wfxSendToHandlingDescendants(HWND ancestor, UINT message, WPARAM wParam);

// Shows a mouse message to the tooltip of the window under it (see
// CWnd::EnableToolTips).
void wfxRelayToolTip(MSG* pMsg);
