#include "ControlTestSupport.h"

#include <vector>

using namespace drawntest;

namespace {

const UINT kEditId = 20;

// Keeps every notification of the edit that reaches its handlers.
class CNotedHost : public HostWindow
{
public:
    std::vector<int> m_codes;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, WfxCmdHandlerInfo* pHandlerInfo) override
    {
        if (nID == kEditId)
            m_codes.push_back(nCode);
        return HostWindow::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};

struct EditOnHost
{
    explicit EditOnHost(DWORD style = 0)
    {
        edit.Create(WS_CHILD | WS_VISIBLE | style, CRect(10, 10, 210, 40), &host, kEditId);
    }
    void type(LPCWSTR text)
    {
        for (; *text; ++text)
            edit.SendMessage(WM_CHAR, *text);
    }
    void key(UINT vk, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            edit.SendMessage(WM_KEYDOWN, vk);
    }
    CString text() const { return edit.GetWindowTextW(); }
    const EditBuffer& buffer() const { return edit.editBuffer(); }
    CNotedHost host;
    CGDIpGradientEdit edit;
};

class CFocusedEdit : public CGDIpGradientEdit
{
public:
    void showCaret(bool blink)
    {
        m_focused = true;
        m_blink = blink;
    }
};

} // namespace

TEST(GradientEdit, TypingInsertsAtTheCaretAndKeysMoveIt)
{
    EditOnHost e;
    e.type(L"abc");
    EXPECT_EQ(CString(L"abc"), e.text());
    EXPECT_EQ(3, e.buffer().caret());
    e.key(VK_LEFT);
    e.type(L"X");
    EXPECT_EQ(CString(L"abXc"), e.text());
    e.key(VK_LEFT, 10); // stops at 0
    EXPECT_EQ(0, e.buffer().caret());
    e.key(VK_BACK); // nothing before the caret
    EXPECT_EQ(CString(L"abXc"), e.text());
    e.key(VK_END);
    e.key(VK_DELETE); // nothing after the caret
    e.key(VK_RIGHT);
    EXPECT_EQ(CString(L"abXc"), e.text());
    EXPECT_EQ(4, e.buffer().caret());
    e.key(VK_BACK);
    e.key(VK_HOME);
    e.key(VK_DELETE);
    EXPECT_EQ(CString(L"bX"), e.text());
    e.key(VK_SHIFT);                      // other keys change nothing
    e.edit.SendMessage(WM_CHAR, VK_BACK); // backspace is the key's, not the character's
    EXPECT_EQ(CString(L"bX"), e.text());
    EXPECT_EQ(0, e.buffer().caret());
}

TEST(GradientEdit, ControlCharactersNeverEnterTheText)
{
    EditOnHost e;
    e.type(L"1\r2\t3\x1B\x01\x7F");
    e.edit.SendMessage(WM_CHAR, 0x16); // Ctrl+V
    EXPECT_EQ(CString(L"123"), e.text());
    EXPECT_EQ(3, e.buffer().caret());
}

TEST(GradientEdit, MouseSelectionIsReplacedByTypingAndDeleted)
{
    EditOnHost e;
    e.edit.SetWindowTextW(L"hello");
    e.edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(199, 15)); // after the last character
    EXPECT_EQ(5, e.buffer().caret());
    e.edit.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1, 15)); // back to the start
    EXPECT_EQ(0, e.buffer().selStart());
    EXPECT_EQ(5, e.buffer().selEnd());
    e.edit.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(199, 15)); // and past the anchor again
    EXPECT_FALSE(e.buffer().hasSelection());
    e.edit.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1, 15));
    e.type(L"J");
    EXPECT_EQ(CString(L"J"), e.text());
    EXPECT_FALSE(e.buffer().hasSelection());

    e.edit.SetWindowTextW(L"world");
    e.edit.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(50, 15));
    EXPECT_EQ(0, e.buffer().selStart());
    EXPECT_EQ(5, e.buffer().selEnd());
    e.key(VK_DELETE);
    EXPECT_EQ(CString(L""), e.text());
    e.type(L"ab");
    e.edit.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(50, 15));
    e.key(VK_BACK);
    EXPECT_EQ(CString(L""), e.text());
}

TEST(GradientEdit, NewTextEndsTheSelection)
{
    EditOnHost e;
    e.edit.SetWindowTextW(L"selected");
    e.edit.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(50, 15));
    ASSERT_TRUE(e.buffer().hasSelection());
    ::SetWindowTextW(e.edit.m_hWnd, L"new");
    EXPECT_FALSE(e.buffer().hasSelection());
    EXPECT_EQ(3, e.buffer().caret());
    e.type(L"x");
    EXPECT_EQ(CString(L"newx"), e.text());
}

TEST(GradientEdit, GetTextCopiesWhatFitsAndNothingIntoNoRoom)
{
    EditOnHost e;
    e.edit.SetWindowTextW(L"abcdef");
    EXPECT_EQ(6, e.edit.GetWindowTextLength());
    wchar_t buffer[8] = L"#######";
    EXPECT_EQ(3, e.edit.SendMessage(WM_GETTEXT, 4, reinterpret_cast<LPARAM>(buffer)));
    EXPECT_STREQ(L"abc", buffer);
    wcscpy(buffer, L"#######");
    EXPECT_EQ(0, e.edit.SendMessage(WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)));
    EXPECT_STREQ(L"#######", buffer);
    EXPECT_EQ(0, e.edit.SendMessage(WM_GETTEXT, 4, 0));
    EXPECT_EQ(6, e.edit.SendMessage(WM_GETTEXT, 8, reinterpret_cast<LPARAM>(buffer)));
    EXPECT_STREQ(L"abcdef", buffer);
    CString read;
    e.edit.GetWindowTextW(read);
    EXPECT_EQ(CString(L"abcdef"), read);
}

TEST(GradientEdit, NoEditNotificationReachesTheParent)
{
    EditOnHost e;
    e.edit.SendMessage(WM_SETFOCUS);
    e.type(L"abc");
    e.key(VK_BACK);
    e.edit.SetWindowTextW(L"text");
    e.edit.SendMessage(WM_KILLFOCUS);
    // The window underneath changes its own text and notifies: consumed.
    e.edit.SendMessage(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"under"));
    pumpPending();
    EXPECT_TRUE(e.host.m_codes.empty()) << "first code " << e.host.m_codes.front();
    EXPECT_EQ(CString(L"text"), e.text());
}

TEST(GradientEdit, PasswordShowsOneStarPerCharacter)
{
    HostWindow host;
    CFocusedEdit password, stars;
    password.Create(WS_CHILD | WS_VISIBLE | ES_PASSWORD, CRect(0, 0, 200, 30), &host, 1);
    stars.Create(WS_CHILD | WS_VISIBLE, CRect(0, 40, 200, 70), &host, 2);
    password.SetWindowTextW(L"secret");
    stars.SetWindowTextW(L"******");
    for (CFocusedEdit* edit : {&password, &stars}) {
        edit->showCaret(true);
        edit->SendMessage(WM_KEYDOWN, VK_LEFT);
    }
    auto same = [&password, &stars]() {
        return sameImage(*drawnOnCanvas(password, 200, 30), *drawnOnCanvas(stars, 200, 30));
    };
    EXPECT_TRUE(same()); // text and caret
    password.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(50, 15));
    stars.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(50, 15));
    password.showCaret(true); // the click took the focus from it
    EXPECT_TRUE(same());      // the selection band
    EXPECT_EQ(CString(L"secret"), password.GetWindowTextW());
}

TEST(GradientEdit, CaretBlinksWithTheTimerWhileFocused)
{
    HostWindow host;
    CFocusedEdit edit;
    edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 30), &host, 1);
    edit.showCaret(false);
    auto hidden = drawnOnCanvas(edit, 200, 30);
    edit.SendMessage(WM_TIMER, 2);
    auto shown = drawnOnCanvas(edit, 200, 30);
    // Empty text: the caret stands at x = 5.
    EXPECT_EQ(hidden->rgb(15, 15), hidden->rgb(5, 15));
    EXPECT_LT(shown->rgb(5, 15) & 0xFF, hidden->rgb(5, 15) & 0xFF);
    edit.SendMessage(WM_TIMER, 2);
    EXPECT_EQ(hidden->rgb(5, 15), drawnOnCanvas(edit, 200, 30)->rgb(5, 15));
}
