#include "CTranspWaitWnd.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace uitest;

namespace {

// A top-level window of 1000 x 600 to stand for the main window.
struct Parent
{
    Parent()
    {
        CTinyWnd::registerClass(GetModuleHandleW(nullptr), L"WaitTestParent", nullptr, nullptr, nullptr,
                                nullptr, HBRUSH(COLOR_WINDOW + 1));
        hwnd = CreateWindowExW(0, L"WaitTestParent", L"parent", WS_POPUP | WS_VISIBLE, 100, 50, 1000, 600,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~Parent()
    {
        if (IsWindow(hwnd))
            DestroyWindow(hwnd);
    }
    HWND hwnd = nullptr;
};

RECT windowRect(HWND hwnd)
{
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

int regionKind(HWND hwnd)
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(hwnd, region);
    DeleteObject(region);
    return kind;
}

void configureForUpdate(CTranspWaitWnd& wait)
{
    wait.m_text = L"Device update";
    wait.m_sizeFactor = 0.15;
    wait.m_widthFactor = 3.0;
    wait.m_animate = 0;
    wait.m_rectangle = 1;
}

} // namespace

TEST(WaitWindow, UpdateSettingsGiveAStillCentredRectangle)
{
    Parent parent;
    CTranspWaitWnd wait;
    configureForUpdate(wait);
    ASSERT_TRUE(wait.show(parent.hwnd));
    const RECT r = windowRect(wait.m_hWnd);
    EXPECT_EQ(270, r.right - r.left);
    EXPECT_EQ(90, r.bottom - r.top);
    EXPECT_EQ(100 + 500 - 135, r.left);
    EXPECT_EQ(50 + 300 - 45, r.top);
    EXPECT_EQ(SIMPLEREGION, regionKind(wait.m_hWnd));
    EXPECT_TRUE(GetWindowLongW(wait.m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(wait.m_hWnd, GetCapture());
    const HWND first = wait.m_hWnd;
    EXPECT_TRUE(wait.show(parent.hwnd)); // shown already: no second window
    EXPECT_EQ(first, wait.m_hWnd);
    EXPECT_FALSE(wait.create(L"TransparentWaitClass", L"again", WS_POPUP, nullptr, 0));
    EXPECT_EQ(static_cast<CTinyWnd*>(&wait), CTinyWnd::fromHandle(first));
    // No animation: no timers to kill, and the text stays.
    EXPECT_FALSE(KillTimer(wait.m_hWnd, CTranspWaitWnd::kSecondsTimer));
    EXPECT_FALSE(KillTimer(wait.m_hWnd, CTranspWaitWnd::kDotsTimer));
    pumpPending();
    EXPECT_EQ(L"Device update", std::wstring(wait.m_text));
}

TEST(WaitWindow, DefaultsAnimateARoundWindowWithACounter)
{
    Parent parent;
    CTranspWaitWnd wait;
    ASSERT_TRUE(wait.show(parent.hwnd));
    const RECT r = windowRect(wait.m_hWnd);
    EXPECT_EQ(120, r.right - r.left);
    EXPECT_EQ(120, r.bottom - r.top);
    EXPECT_EQ(COMPLEXREGION, regionKind(wait.m_hWnd));
    EXPECT_EQ(L"Czekaj ...", std::wstring(wait.m_text));
    LOGFONTW before{};
    wait.m_font.GetLogFont(&before);

    SendMessageW(wait.m_hWnd, WM_TIMER, CTranspWaitWnd::kSecondsTimer, 0);
    EXPECT_EQ(L"1", std::wstring(wait.m_text));
    LOGFONTW after{};
    wait.m_font.GetLogFont(&after);
    EXPECT_EQ(before.lfHeight * 2, after.lfHeight);
    SendMessageW(wait.m_hWnd, WM_TIMER, CTranspWaitWnd::kSecondsTimer, 0);
    EXPECT_EQ(L"2", std::wstring(wait.m_text));
    wait.m_font.GetLogFont(&after);
    EXPECT_EQ(before.lfHeight * 2, after.lfHeight); // enlarged once only

    // Each 200 ms tick turns the dots on about the centre, by 4 degrees in all.
    RECT client{};
    wait.getClientRect(client);
    const double cx = client.right / 2, cy = client.bottom / 2;
    const POINT top = wait.m_dots[0].start;
    SendMessageW(wait.m_hWnd, WM_TIMER, CTranspWaitWnd::kDotsTimer, 0);
    EXPECT_EQ(4.0, wait.m_angle);
    const double a = 1 * 3.14159265358979323846 / 180;
    EXPECT_EQ(LONG((top.x - cx) * std::cos(a) - (top.y - cy) * std::sin(a) + cx), wait.m_dots[0].current.x);
    EXPECT_EQ(LONG((top.x - cx) * std::sin(a) + (top.y - cy) * std::cos(a) + cy), wait.m_dots[0].current.y);
    EXPECT_NE(wait.m_dots[3].start.y, wait.m_dots[3].current.y);
    UpdateWindow(wait.m_hWnd); // paints the dots
    EXPECT_TRUE(KillTimer(wait.m_hWnd, CTranspWaitWnd::kSecondsTimer));
}

TEST(WaitWindow, ClosingRunsTheWaitWindowsOwnDestroy)
{
    Parent parent;
    {
        CTranspWaitWnd wait;
        ASSERT_TRUE(wait.show(parent.hwnd));
        const HWND hwnd = wait.m_hWnd;
        wait.close();
        EXPECT_FALSE(IsWindow(hwnd));
        EXPECT_EQ(nullptr, wait.m_hWnd);
        EXPECT_EQ(nullptr, wait.m_font.GetSafeHandle()); // deleted by its WM_DESTROY
        EXPECT_EQ(nullptr, wait.m_bkBrush.GetSafeHandle());
        EXPECT_NE(hwnd, GetCapture());
        EXPECT_EQ(nullptr, CTinyWnd::fromHandle(hwnd));
    }
    {
        // Deleted through the base while shown.
        auto wait = std::make_unique<CTranspWaitWnd>();
        ASSERT_TRUE(wait->show(parent.hwnd));
        const HWND hwnd = wait->m_hWnd;
        HGDIOBJ font = wait->m_font.GetSafeHandle();
        std::unique_ptr<CTinyWnd> base(wait.release());
        base.reset();
        EXPECT_FALSE(IsWindow(hwnd));
        EXPECT_EQ(0u, GetObjectType(font));
        EXPECT_NE(hwnd, GetCapture());
    }
    {
        // Gone with its owner first: the object learns of it.
        CTranspWaitWnd wait;
        ASSERT_TRUE(wait.show(parent.hwnd));
        const HWND hwnd = wait.m_hWnd;
        DestroyWindow(parent.hwnd);
        EXPECT_FALSE(IsWindow(hwnd));
        EXPECT_EQ(nullptr, wait.m_hWnd);
        EXPECT_EQ(nullptr, CTinyWnd::fromHandle(hwnd));
    }
}

TEST(WaitWindow, UnknownWindowsGetTheDefaultProcedure)
{
    Parent parent;
    CTranspWaitWnd wait;
    ASSERT_TRUE(wait.show(parent.hwnd)); // registers the class
    HWND stray = CreateWindowExW(0, L"TransparentWaitClass", L"stray", WS_POPUP, 0, 0, 50, 50, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, stray);
    EXPECT_EQ(nullptr, CTinyWnd::fromHandle(stray));
    SetWindowTextW(stray, L"default");
    wchar_t text[16] = {};
    GetWindowTextW(stray, text, 16);
    EXPECT_STREQ(L"default", text);
    EXPECT_EQ(0, SendMessageW(stray, WM_TIMER, CTranspWaitWnd::kSecondsTimer, 0));
    EXPECT_EQ(L"Czekaj ...", std::wstring(wait.m_text)); // not routed to the live wait window
    DestroyWindow(stray);

    CTranspWaitWnd orphan;
    EXPECT_FALSE(orphan.show(nullptr)); // no parent to centre on: no window
    EXPECT_EQ(nullptr, orphan.m_hWnd);
}
