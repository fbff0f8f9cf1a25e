#pragma once

// Helpers of the tests of the program's shared windows: GDI+ started once,
// as the program does, and the framework tests' windows and hooks.

#include <WfxTestSupport.h>

#include <atomic>
#include <thread>

namespace uitest {

using wfxtest::HostWindow;
using wfxtest::ModalHook;
using wfxtest::pumpPending;

// Sends a click of the dialog's button `id` through its parent, as the button would.
void sendClick(CDialog& dialog, int id);
// The window text of a dialog's control.
std::wstring itemText(CDialog& dialog, int id);

// Sends WM_NULL to a window from another thread, one after the other, for
// as long as it lives, and keeps the slowest round trip: a window whose
// thread pumps its messages answers within milliseconds.
class RoundTripWatch
{
public:
    explicit RoundTripWatch(HWND window);
    ~RoundTripWatch();
    RoundTripWatch(const RoundTripWatch&) = delete;
    RoundTripWatch& operator=(const RoundTripWatch&) = delete;

    // Ends the watch; then the figures stay.
    void stop();
    unsigned slowestMs() const { return m_slowestMs; }
    unsigned roundTrips() const { return m_roundTrips; }

private:
    HWND m_window;
    std::atomic<bool> m_running{true};
    std::atomic<unsigned> m_slowestMs{0};
    std::atomic<unsigned> m_roundTrips{0};
    std::thread m_thread;
};

// The wait clock of the program's long waits run faster: `ms` of the
// program's time pass in ms / factor of real time, so a window watched
// meanwhile still has to answer.
class FastWaitClock
{
public:
    explicit FastWaitClock(unsigned factor);
    ~FastWaitClock();
    FastWaitClock(const FastWaitClock&) = delete;
    FastWaitClock& operator=(const FastWaitClock&) = delete;

private:
    std::atomic<unsigned long long> m_now{0};
};

} // namespace uitest
