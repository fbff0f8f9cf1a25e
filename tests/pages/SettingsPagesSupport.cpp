#include "SettingsPagesSupport.h"

#include <CLPGDevice.h>
#include <gtest/gtest.h>

namespace pagestest {

ConnectedBench::ConnectedBench(const kwsim::SimConfig& config) : SimBench(config)
{
    open();
    EXPECT_TRUE(device->readAllSettings());
    g_pDevice = device.get();
    clearRequests();
    messages.clear();
}

ConnectedBench::~ConnectedBench()
{
    g_pDevice = nullptr;
}

std::vector<Bytes> ConnectedBench::writes(uint8_t block)
{
    std::vector<Bytes> out;
    for (const kwsim::SimRequest& request : requests())
        if (request.cmd == block)
            out.push_back(request.payload);
    return out;
}

std::vector<int> ConnectedBench::steps()
{
    const int kLivePoll = 1036;
    std::vector<int> out;
    for (const kwsim::SimRequest& request : requests()) {
        const int step = request.cmd == 2 ? 1000 + request.selector : request.cmd;
        if (step != kLivePoll || out.empty() || out.back() != kLivePoll)
            out.push_back(step);
    }
    return out;
}

void ConnectedBench::liveMode(unsigned char mode)
{
    CDiag sample;
    sample.setMode(mode);
    device->m_diagData.push(sample);
}

void choose(CWnd& page, int id, int index)
{
    HWND box = ::GetDlgItem(page.GetSafeHwnd(), id);
    ASSERT_NE(box, nullptr) << id;
    ::SendMessageW(box, CB_SETCURSEL, WPARAM(index), 0);
    ::SendMessageW(page.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, CBN_SELENDOK), LPARAM(box));
}

void chooseText(CWnd& page, int id, const std::wstring& text)
{
    HWND box = ::GetDlgItem(page.GetSafeHwnd(), id);
    const LRESULT index = ::SendMessageW(box, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(text.c_str()));
    ASSERT_NE(index, CB_ERR) << "no item " << std::string(text.begin(), text.end());
    choose(page, id, int(index));
}

std::vector<std::wstring> listTexts(CWnd& page, int id)
{
    HWND box = ::GetDlgItem(page.GetSafeHwnd(), id);
    std::vector<std::wstring> out;
    const int count = int(::SendMessageW(box, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t item[128] = {};
        ::SendMessageW(box, CB_GETLBTEXT, WPARAM(i), LPARAM(item));
        out.push_back(item);
    }
    return out;
}

std::wstring selectedText(CWnd& page, int id)
{
    HWND box = ::GetDlgItem(page.GetSafeHwnd(), id);
    const LRESULT index = ::SendMessageW(box, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return L"<none>";
    wchar_t item[128] = {};
    ::SendMessageW(box, CB_GETLBTEXT, WPARAM(index), LPARAM(item));
    return item;
}

void click(CWnd& page, int id)
{
    HWND button = ::GetDlgItem(page.GetSafeHwnd(), id);
    ASSERT_NE(button, nullptr) << id;
    const LRESULT state = ::SendMessageW(button, BM_GETCHECK, 0, 0);
    ::SendMessageW(button, BM_SETCHECK, state == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
    ::SendMessageW(page.GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(button));
}

bool checked(CWnd& page, int id)
{
    return ::SendMessageW(::GetDlgItem(page.GetSafeHwnd(), id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::wstring text(CWnd& page, int id)
{
    wchar_t value[256] = {};
    ::GetDlgItemTextW(page.GetSafeHwnd(), id, value, 256);
    return value;
}

} // namespace pagestest
