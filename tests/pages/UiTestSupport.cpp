#include "UiTestSupport.h"

#include <IGDIpHelper.h>
#include <UserInterface.h>

#include <algorithm>

namespace uitest {

namespace {

struct GdiplusStart
{
    GdiplusStart() { IGDIpHelper::startupGDIp(); }
} const g_gdiplusStart;

} // namespace

void sendClick(CDialog& dialog, int id)
{
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   LPARAM(::GetDlgItem(dialog.m_hWnd, id)));
}

std::wstring itemText(CDialog& dialog, int id)
{
    wchar_t text[256] = {};
    ::GetDlgItemTextW(dialog.m_hWnd, id, text, 256);
    return text;
}

RoundTripWatch::RoundTripWatch(HWND window) : m_window(window)
{
    m_thread = std::thread([this] {
        while (m_running) {
            const ULONGLONG sent = GetTickCount64();
            DWORD_PTR result = 0;
            const bool answered =
                SendMessageTimeoutW(m_window, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result) != 0;
            const unsigned took = answered ? unsigned(GetTickCount64() - sent) : 2000u;
            if (m_running) {
                m_slowestMs = std::max<unsigned>(m_slowestMs, took);
                ++m_roundTrips;
            }
            Sleep(5);
        }
    });
}

RoundTripWatch::~RoundTripWatch()
{
    stop();
}

void RoundTripWatch::stop()
{
    m_running = false;
    if (m_thread.joinable())
        m_thread.join();
}

FastWaitClock::FastWaitClock(unsigned factor)
{
    setWaitClock({[this] { return m_now.load(); },
                  [this, factor](unsigned ms) {
                      m_now += ms;
                      Sleep(std::max(1u, ms / factor));
                  }});
}

FastWaitClock::~FastWaitClock()
{
    setWaitClock({});
}

} // namespace uitest
