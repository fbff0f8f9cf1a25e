#include "MessageBoxRecorder.h"
#include "UserInterface.h"

#include <translate.h>

#include <gtest/gtest.h>

namespace {

// A window object as the pages pass it.
struct FakeWindow
{
    HWND hwnd;
    HWND GetSafeHwnd() const { return hwnd; }
};

} // namespace

TEST(UserInterface, MessageBoxTextsAreCutToTheBox)
{
    kwtest::MessageBoxRecorder boxes(IDYES);
    const std::wstring longText(5000, L'x');
    EXPECT_EQ(IDYES, showMessageBox(HWND(nullptr), longText, std::wstring(4000, L'c'), MB_YESNO));
    ASSERT_EQ(1u, boxes.shown.size());
    EXPECT_EQ(2047u, boxes.shown[0].text.size());
    EXPECT_EQ(3079u, boxes.shown[0].caption.size());
    EXPECT_EQ(unsigned(MB_YESNO), boxes.shown[0].flags);

    // Never half a surrogate pair at the cut.
    std::wstring pairs = std::wstring(2046, L'a') + L"\xD83D\xDE00";
    showMessageBox(HWND(nullptr), pairs, L"", 0);
    EXPECT_EQ(std::wstring(2046, L'a'), boxes.shown[1].text);

    showMessageBox(HWND(nullptr), L"short", L"caption", MB_OK);
    EXPECT_EQ(L"short", boxes.shown[2].text);
    EXPECT_EQ(L"caption", boxes.shown[2].caption);
}

TEST(UserInterface, OwnerWindowAndDeviceMessages)
{
    kwtest::MessageBoxRecorder boxes;
    const FakeWindow window{reinterpret_cast<HWND>(0x1234)};
    showMessageBox(&window, L"text", L"caption", MB_OK);
    const FakeWindow* none = nullptr;
    showMessageBox(none, L"text", L"caption", MB_OK);
    EXPECT_EQ(window.hwnd, boxes.shown[0].owner);
    EXPECT_EQ(nullptr, boxes.shown[1].owner);

    g_cngMode = 1;
    showDeviceMessage(L"No LPG here");
    g_cngMode = 0;
    EXPECT_EQ(L"No CNG here", boxes.shown[2].text);
    EXPECT_EQ(L"Kestrelwave", boxes.shown[2].caption);
    EXPECT_EQ(unsigned(MB_ICONERROR), boxes.shown[2].flags);
}

TEST(UserInterface, PumpAndWaitCursorHooks)
{
    int pumps = 0;
    std::vector<bool> cursor;
    setMessagePumpHook([&] { ++pumps; });
    setWaitCursorHook([&](bool shown) { cursor.push_back(shown); });
    PostThreadMessageW(GetCurrentThreadId(), WM_USER, 0, 0);
    {
        WaitCursor wait;
        pumpMessages();
    }
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE));
    setMessagePumpHook(nullptr);
    setWaitCursorHook(nullptr);
    EXPECT_EQ(1, pumps);
    EXPECT_EQ((std::vector<bool>{true, false}), cursor);

    // The end of the program is left for the main loop to see.
    PostQuitMessage(3);
    pumpMessages();
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(unsigned(WM_QUIT), msg.message);
    EXPECT_EQ(3u, msg.wParam);
}
