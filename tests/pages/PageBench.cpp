#include "PageBench.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace pagetest {

namespace {

const int kLivePoll = 1036;

HWND control(CWnd& page, int id)
{
    HWND window = ::GetDlgItem(page.GetSafeHwnd(), id);
    EXPECT_NE(window, nullptr) << "no control " << id;
    return window;
}

std::wstring listItem(HWND box, LRESULT index)
{
    const LRESULT length = ::SendMessageW(box, CB_GETLBTEXTLEN, WPARAM(index), 0);
    if (length == CB_ERR)
        return std::wstring();
    std::wstring item(size_t(length) + 1, L'\0');
    ::SendMessageW(box, CB_GETLBTEXT, WPARAM(index), LPARAM(item.data()));
    item.resize(size_t(length));
    return item;
}

} // namespace

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

std::vector<Bytes> PageBench::writes(uint8_t block)
{
    std::vector<Bytes> out;
    for (const kwsim::SimRequest& r : sim.requests())
        if (r.cmd == block)
            out.push_back(r.payload);
    return out;
}

Bytes PageBench::lastWrite(uint8_t block)
{
    const std::vector<Bytes> all = writes(block);
    return all.empty() ? Bytes() : all.back();
}

std::vector<int> PageBench::steps()
{
    std::vector<int> out;
    for (const kwsim::SimRequest& r : sim.requests()) {
        const int step = r.cmd == 2 ? 1000 + r.selector : r.cmd;
        if (step != kLivePoll || out.empty() || out.back() != kLivePoll)
            out.push_back(step);
    }
    return out;
}

void PageBench::liveMode(unsigned char mode)
{
    CDiag sample;
    sample.setMode(mode);
    sim.device->m_diagData.push(sample);
}

testing::AssertionResult choiceWrites(PageBench& bench, CWnd& page, const ListChange& change)
{
    const std::string item(change.item.begin(), change.item.end());
    bench.sim.clearRequests();
    chooseText(page, change.list, change.item);
    if (bench.writes() != std::vector<int>{change.block})
        return testing::AssertionFailure() << item << ": not block " << int(change.block) << " alone";
    const Bytes sent = bench.lastWrite(change.block);
    const size_t end = change.offset + change.bytes.size();
    if (sent.size() < end ||
        !std::equal(change.bytes.begin(), change.bytes.end(), sent.begin() + change.offset))
        return testing::AssertionFailure() << item << ": other bytes at " << change.offset;
    return testing::AssertionSuccess();
}

void click(CWnd& page, int id)
{
    ::SendMessageW(page.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(control(page, id)));
}

void toggle(CWnd& page, int id)
{
    HWND box = control(page, id);
    const bool wasChecked = ::SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
    ::SendMessageW(box, BM_SETCHECK, wasChecked ? BST_UNCHECKED : BST_CHECKED, 0);
    click(page, id);
}

bool checked(CWnd& page, int id)
{
    return ::SendMessageW(control(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void choose(CWnd& page, int id, int item)
{
    HWND box = control(page, id);
    ::SendMessageW(box, CB_SETCURSEL, item, 0);
    ::SendMessageW(page.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), LPARAM(box));
}

void chooseText(CWnd& page, int id, const std::wstring& item)
{
    const LRESULT index =
        ::SendMessageW(control(page, id), CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(item.c_str()));
    ASSERT_NE(index, CB_ERR) << "no item " << std::string(item.begin(), item.end()) << " in " << id;
    choose(page, id, int(index));
}

std::vector<std::wstring> listTexts(CWnd& page, int id)
{
    HWND box = control(page, id);
    std::vector<std::wstring> out;
    const LRESULT count = ::SendMessageW(box, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i)
        out.push_back(listItem(box, i));
    return out;
}

std::wstring selectedText(CWnd& page, int id)
{
    HWND box = control(page, id);
    const LRESULT index = ::SendMessageW(box, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? L"<none>" : listItem(box, index);
}

std::wstring text(CWnd& page, int id)
{
    wchar_t buffer[512] = {};
    ::GetDlgItemTextW(page.GetSafeHwnd(), id, buffer, 512);
    return buffer;
}

namespace {

std::wstring className(HWND window)
{
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

void spinStep(CWnd& dialog, HWND spin, int delta)
{
    NMUPDOWN change{};
    change.hdr.hwndFrom = spin;
    change.hdr.idFrom = UINT_PTR(::GetDlgCtrlID(spin));
    change.hdr.code = UDN_DELTAPOS;
    change.iDelta = delta;
    ::SendMessageW(dialog.GetSafeHwnd(), WM_NOTIFY, change.hdr.idFrom, LPARAM(&change));
}

} // namespace

std::vector<int> driveEveryControl(CWnd& dialog)
{
    std::vector<HWND> controls;
    for (HWND c = ::GetWindow(dialog.GetSafeHwnd(), GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
        controls.push_back(c);
    std::vector<int> enabledIds;
    for (HWND c : controls) {
        const int id = ::GetDlgCtrlID(c);
        if (!::IsWindow(c) || id == IDOK || id == IDCANCEL)
            continue;
        if (::IsWindowEnabled(c))
            enabledIds.push_back(id);
        const std::wstring kind = className(c);
        if (kind == L"Button") {
            toggle(dialog, id);
        } else if (kind == L"ComboBox") {
            const int items = int(::SendMessageW(c, CB_GETCOUNT, 0, 0));
            for (int item = 0; item < std::min(items, 2); ++item)
                choose(dialog, id, item);
        } else if (kind == UPDOWN_CLASSW) {
            spinStep(dialog, c, 1);
            spinStep(dialog, c, -1);
        }
    }
    return enabledIds;
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
