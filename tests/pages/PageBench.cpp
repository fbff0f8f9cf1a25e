#include "PageBench.h"

#include <gtest/gtest.h>

namespace pagetest {

PageBench::PageBench(const kwsim::SimConfig& config) : sim(config), host(kWidth, kHeight) {}

void PageBench::connect()
{
    sim.device->buildModules();
    sim.open();
    ASSERT_TRUE(sim.device->readAllSettings());
    sim.clearRequests();
    sim.messages.clear();
}

std::vector<std::string> PageBench::traffic()
{
    std::vector<std::string> out;
    for (const kwsim::SimRequest& r : sim.requests()) {
        if (r.cmd == 2 && r.selector == 36)
            continue;
        out.push_back(std::to_string(r.cmd) + "/" + (r.selector < 0 ? "-" : std::to_string(r.selector)));
    }
    return out;
}

std::vector<int> PageBench::writes()
{
    std::vector<int> out;
    for (const kwsim::SimRequest& r : sim.requests())
        if (r.cmd != 2)
            out.push_back(r.cmd);
    return out;
}

void click(CWnd& page, int id)
{
    HWND control = ::GetDlgItem(page.GetSafeHwnd(), id);
    ::SendMessageW(page.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(control));
}

void choose(CWnd& page, int id, int item)
{
    HWND control = ::GetDlgItem(page.GetSafeHwnd(), id);
    ::SendMessageW(control, CB_SETCURSEL, item, 0);
    ::SendMessageW(page.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), LPARAM(control));
}

std::wstring text(CWnd& page, int id)
{
    wchar_t buffer[512] = {};
    ::GetDlgItemTextW(page.GetSafeHwnd(), id, buffer, 512);
    return buffer;
}

bool enabled(CWnd& page, int id)
{
    return ::IsWindowEnabled(::GetDlgItem(page.GetSafeHwnd(), id)) != FALSE;
}

bool visible(CWnd& page, int id)
{
    return (::GetWindowLongW(::GetDlgItem(page.GetSafeHwnd(), id), GWL_STYLE) & WS_VISIBLE) != 0;
}

} // namespace pagetest
