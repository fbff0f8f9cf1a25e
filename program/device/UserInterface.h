#pragma once

#include <windows.h>

#include <functional>
#include <string>

// The few places where the controller code meets the user: message boxes,
// the wait cursor and the message pump of long waits. Each has a hook, so
// that tests see what would be shown and never block on a modal window.

struct MessageBoxRequest
{
    HWND owner = nullptr;
    std::wstring text;
    std::wstring caption;
    unsigned flags = 0;
};
// Returns the button "pressed". An empty hook shows real message boxes.
using MessageBoxHook = std::function<int(const MessageBoxRequest&)>;
void setMessageBoxHook(MessageBoxHook hook);

// Texts longer than the box holds (2047 and 3079 characters) are cut.
int showMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, unsigned flags);
// Any window object with GetSafeHwnd; null means no owner.
template <class Wnd>
int showMessageBox(const Wnd* owner, const std::wstring& text, const std::wstring& caption, unsigned flags)
{
    return showMessageBox(owner ? owner->GetSafeHwnd() : HWND(nullptr), text, caption, flags);
}
// The program's own messages: `text` translated, captioned with the maker word.
int showProgramMessage(HWND owner, const wchar_t* text, unsigned flags);
template <class Wnd> int showProgramMessage(const Wnd* owner, const wchar_t* text, unsigned flags)
{
    return showProgramMessage(owner ? owner->GetSafeHwnd() : HWND(nullptr), text, flags);
}
// The controller's own messages, over no window.
int showDeviceMessage(const wchar_t* text, unsigned flags = MB_ICONERROR);

// The clock of the GUI thread's waits (pumped sleeps, procedures, the
// controller's mode polls). Tests put in a fake one, so that a procedure's
// seconds pass at once while its messages still flow. Empty members: the
// system's clock.
struct WaitClock
{
    std::function<unsigned long long()> now; // milliseconds
    std::function<void(unsigned ms)> sleep;
};
void setWaitClock(WaitClock clock);
unsigned long long waitClockNow();
void waitClockSleep(unsigned ms);

// Dispatches every pending window message of this thread; the hook, when
// set, runs at each pump as well.
void pumpMessages();
// Waits ms milliseconds on the GUI thread while windows stay alive.
void pumpedSleep(unsigned ms);
void setMessagePumpHook(std::function<void()> hook);

// The wait cursor for the life of the object; the hook hears it shown
// (true) and hidden (false).
class WaitCursor
{
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR m_previous;
};
void setWaitCursorHook(std::function<void(bool shown)> hook);
