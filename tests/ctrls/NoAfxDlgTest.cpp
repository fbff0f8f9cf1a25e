#include "DialogTestIds.h"
#include "WfxTestSupport.h"

#include <CNoAfxDlg.h>

#include <gtest/gtest.h>

namespace {

HINSTANCE testModule()
{
    return GetModuleHandleW(nullptr);
}

// Posts a key to a control of the running dialog.
void postKey(CDialog& dialog, int control, UINT vk)
{
    HWND target = control ? ::GetDlgItem(dialog.m_hWnd, control) : dialog.m_hWnd;
    ::PostMessageW(target, WM_KEYDOWN, vk, 1);
}

HWND g_toDestroy = nullptr;

void CALLBACK destroyFromOutside(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    DestroyWindow(g_toDestroy);
}

} // namespace

TEST(NoAfxDlg, RunsItsOwnLoopWithoutAnApplication)
{
    ASSERT_EQ(nullptr, AfxGetApp());
    {
        wfxtest::ModalHook hook([](CDialog& d) { d.EndDialog(7); });
        CNoAfxDlg dialog(IDD_NOAFX, testModule());
        EXPECT_EQ(7, dialog.DoModal());
        EXPECT_EQ(nullptr, dialog.m_hWnd);
    }
    {
        wfxtest::ModalHook hook([](CDialog& d) {
            EXPECT_TRUE(d.IsWindowVisible());
            postKey(d, IDC_NOAFX_FIRST, VK_ESCAPE);
        });
        CNoAfxDlg dialog(IDD_NOAFX, testModule());
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
    }
    {
        wfxtest::ModalHook hook([](CDialog& d) { postKey(d, IDC_NOAFX_SECOND, VK_RETURN); });
        CNoAfxDlg dialog(IDD_NOAFX, testModule());
        EXPECT_EQ(IDOK, dialog.DoModal());
    }
    CNoAfxDlg missing(IDD_MISSING, testModule());
    EXPECT_EQ(-1, missing.DoModal());
}

TEST(NoAfxDlg, TabMovesToTheNextStopAndSelectsItsText)
{
    int focused = 0;
    DWORD selection = 0;
    wfxtest::ModalHook hook([&](CDialog& d) {
        ::SetDlgItemTextW(d.m_hWnd, IDC_NOAFX_SECOND, L"abcd");
        ::SetActiveWindow(d.m_hWnd);
        ::SetFocus(::GetDlgItem(d.m_hWnd, IDC_NOAFX_FIRST));
        postKey(d, IDC_NOAFX_FIRST, VK_TAB);
        ::PostMessageW(d.m_hWnd, WM_APP, 0, 0);
    });
    struct Probe : CNoAfxDlg
    {
        Probe(int& s, DWORD& sel) : CNoAfxDlg(IDD_NOAFX, testModule()), m_second(s), m_sel(sel) {}
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_APP) {
                HWND focus = ::GetFocus();
                m_second = ::GetDlgCtrlID(focus);
                m_sel = DWORD(::SendMessageW(focus, EM_GETSEL, 0, 0));
                EndDialog(IDOK);
                return 0;
            }
            return CNoAfxDlg::WindowProc(message, wParam, lParam);
        }
        int& m_second;
        DWORD& m_sel;
    } dialog(focused, selection);
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(IDC_NOAFX_SECOND, focused);
    EXPECT_EQ(MAKELONG(0, 4), selection);
}

TEST(NoAfxDlg, EndsWhenDestroyedFromOutsideOrToldToQuit)
{
    {
        wfxtest::ModalHook hook([](CDialog& d) {
            g_toDestroy = d.m_hWnd;
            SetTimer(nullptr, 0, 10, destroyFromOutside);
        });
        CNoAfxDlg dialog(IDD_NOAFX, testModule());
        EXPECT_EQ(-1, dialog.DoModal());
        EXPECT_EQ(nullptr, dialog.m_hWnd);
    }
    {
        wfxtest::ModalHook hook([](CDialog&) { PostQuitMessage(3); });
        CNoAfxDlg dialog(IDD_NOAFX, testModule());
        EXPECT_EQ(-1, dialog.DoModal());
        MSG msg;
        ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)); // handed on
        EXPECT_EQ(3u, msg.wParam);
    }
}

TEST(NoAfxDlg, RunsTheFrameworkLoopUnderAnApplication)
{
    CWinApp app(L"NoAfxDlg test");
    ASSERT_EQ(&app, AfxGetApp());
    {
        wfxtest::ModalHook hook([](CDialog& d) { d.EndDialog(9); });
        CNoAfxDlg dialog(IDD_NOAFX, testModule());
        EXPECT_EQ(9, dialog.DoModal());
    }
    {
        wfxtest::ModalHook hook([](CDialog& d) { postKey(d, IDC_NOAFX_FIRST, VK_ESCAPE); });
        CNoAfxDlg dialog(IDD_NOAFX, testModule());
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
    }
    {
        wfxtest::ModalHook hook([](CDialog& d) { d.PostMessage(WM_COMMAND, IDOK); });
        CNoAfxDlg dialog(IDD_NOAFX, testModule());
        EXPECT_EQ(IDOK, dialog.DoModal());
    }
    CNoAfxDlg missing(IDD_MISSING, testModule());
    EXPECT_EQ(-1, missing.DoModal());
}
