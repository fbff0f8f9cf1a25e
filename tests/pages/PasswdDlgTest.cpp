#include "CPasswdDlg.h"
#include "LangFiles.h"
#include "PagesUiIds.h"
#include "UiTestSupport.h"
#include "translate.h"

#include <gtest/gtest.h>

using namespace uitest;

namespace {

std::wstring windowText(HWND hwnd)
{
    wchar_t text[64] = {};
    GetWindowTextW(hwnd, text, 64);
    return text;
}

} // namespace

TEST(PasswdDlg, OkReturnsTheTypedTextAndCancelLeavesItEmpty)
{
    HostWindow host;
    {
        ModalHook hook([](CDialog& dialog) {
            dialog.SetDlgItemText(IDC_PASSWD_EDIT, L"3851");
            sendClick(dialog, IDOK);
        });
        CPasswdDlg dialog(&host);
        EXPECT_EQ(IDOK, dialog.DoModal());
        EXPECT_EQ(L"3851", std::wstring(dialog.m_password));
    }
    {
        // Nothing typed is still OK: the caller judges the password.
        ModalHook hook([](CDialog& dialog) { sendClick(dialog, IDOK); });
        CPasswdDlg dialog(&host);
        EXPECT_EQ(IDOK, dialog.DoModal());
        EXPECT_TRUE(dialog.m_password.IsEmpty());
    }
    {
        // Esc through the dialog's own key handling.
        ModalHook hook([](CDialog& dialog) {
            dialog.SetDlgItemText(IDC_PASSWD_EDIT, L"typed");
            HWND edit = GetDlgItem(dialog.m_hWnd, IDC_PASSWD_EDIT);
            SetFocus(edit);
            PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
        });
        CPasswdDlg dialog(&host);
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        EXPECT_TRUE(dialog.m_password.IsEmpty());
    }
    {
        // The window's close box.
        ModalHook hook([](CDialog& dialog) {
            dialog.SetDlgItemText(IDC_PASSWD_EDIT, L"typed");
            PostMessageW(dialog.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        });
        CPasswdDlg dialog(&host);
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        EXPECT_TRUE(dialog.m_password.IsEmpty());
    }
}

TEST(PasswdDlg, TitleAndCaptionFollowTheLanguage)
{
    kwtest::LangFolder folder;
    folder.write(L"RUSSIAN.txt", L"Password\tnote\tПароль\r\n");
    folder.open();
    g_languageId = 2;
    HostWindow host;
    std::wstring title, caption;
    ModalHook hook([&](CDialog& dialog) {
        title = windowText(dialog.m_hWnd);
        caption = windowText(GetDlgItem(dialog.m_hWnd, IDC_PASSWD_CAPTION));
        dialog.EndDialog(IDCANCEL);
    });
    CPasswdDlg dialog(&host);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(L"Пароль", title);
    EXPECT_EQ(L"Пароль", caption);
}
