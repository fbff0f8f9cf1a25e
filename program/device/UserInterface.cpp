#include "UserInterface.h"

#include <MakerWord.h>
#include <translate.h>

#include <algorithm>
#include <mutex>

namespace {

// The message box copies its texts into buffers of these sizes.
const size_t kTextLimit = 2047;
const size_t kCaptionLimit = 3079;

std::mutex s_hookLock;
MessageBoxHook s_messageBoxHook;
std::function<void()> s_pumpHook;
std::function<void(bool)> s_waitCursorHook;
WaitClock s_waitClock;

template <class T> void setHook(T& slot, T hook)
{
    std::lock_guard<std::mutex> hold(s_hookLock);
    slot = std::move(hook);
}

template <class T> T hookOf(const T& slot)
{
    std::lock_guard<std::mutex> hold(s_hookLock);
    return slot;
}

// Cut to `limit` characters, never between the halves of a surrogate pair.
std::wstring limited(const std::wstring& text, size_t limit)
{
    if (text.size() <= limit)
        return text;
    size_t keep = limit;
    if (keep > 0 && text[keep - 1] >= 0xD800 && text[keep - 1] <= 0xDBFF)
        --keep;
    return text.substr(0, keep);
}

} // namespace

void setMessageBoxHook(MessageBoxHook hook)
{
    setHook(s_messageBoxHook, std::move(hook));
}

int showMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, unsigned flags)
{
    MessageBoxRequest request{owner, limited(text, kTextLimit), limited(caption, kCaptionLimit), flags};
    if (const MessageBoxHook hook = hookOf(s_messageBoxHook))
        return hook(request);
    return MessageBoxW(owner, request.text.c_str(), request.caption.c_str(), flags);
}

int showProgramMessage(HWND owner, const wchar_t* text, unsigned flags)
{
    return showMessageBox(owner, translate(text), kMakerWord, flags);
}

int showDeviceMessage(const wchar_t* text, unsigned flags)
{
    return showProgramMessage(HWND(nullptr), text, flags);
}

void pumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        // The main loop must still see the program's end.
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (const std::function<void()> hook = hookOf(s_pumpHook))
        hook();
}

void setWaitClock(WaitClock clock)
{
    setHook(s_waitClock, std::move(clock));
}

unsigned long long waitClockNow()
{
    const WaitClock clock = hookOf(s_waitClock);
    return clock.now ? clock.now() : GetTickCount64();
}

void waitClockSleep(unsigned ms)
{
    const WaitClock clock = hookOf(s_waitClock);
    if (clock.sleep)
        clock.sleep(ms);
    else
        Sleep(ms);
}

void pumpedSleep(unsigned ms)
{
    const unsigned long long end = waitClockNow() + ms;
    for (;;) {
        pumpMessages();
        const unsigned long long now = waitClockNow();
        if (now >= end)
            return;
        waitClockSleep(static_cast<unsigned>(std::min<unsigned long long>(end - now, 20)));
    }
}

void setMessagePumpHook(std::function<void()> hook)
{
    setHook(s_pumpHook, std::move(hook));
}

WaitCursor::WaitCursor() : m_previous(SetCursor(LoadCursorW(nullptr, IDC_WAIT)))
{
    if (const std::function<void(bool)> hook = hookOf(s_waitCursorHook))
        hook(true);
}

WaitCursor::~WaitCursor()
{
    SetCursor(m_previous);
    if (const std::function<void(bool)> hook = hookOf(s_waitCursorHook))
        hook(false);
}

void setWaitCursorHook(std::function<void(bool shown)> hook)
{
    setHook(s_waitCursorHook, std::move(hook));
}
