#include "WfxTestIds.h"
#include "WfxTestLib.h"
#include "WfxTestSupport.h"

#include <gtest/gtest.h>

using namespace wfxtest;

namespace {

// Turned to owner draw while being subclassed.
class COwnerStatic : public CStatic
{
public:
    int m_preSubclassed = 0;
    int m_drawn = 0;
    void PreSubclassWindow() override
    {
        ++m_preSubclassed;
        ModifyStyle(SS_TYPEMASK, SS_OWNERDRAW);
        CStatic::PreSubclassWindow();
    }
    void DrawItem(LPDRAWITEMSTRUCT) override { ++m_drawn; }
};

class COwnerButton : public CButton
{
public:
    int m_drawn = 0;
    void PreSubclassWindow() override
    {
        ModifyStyle(0, BS_OWNERDRAW);
        CButton::PreSubclassWindow();
    }
    void DrawItem(LPDRAWITEMSTRUCT item) override
    {
        if (item->CtlType == ODT_BUTTON)
            ++m_drawn;
    }
};

// Consumes its own EN_CHANGE (or passes it on) and colours itself.
class CSelfishEdit : public CEdit
{
public:
    bool m_passOn = false;
    int m_changes = 0;
    CBrush m_brush{RGB(1, 2, 3)};

protected:
    afx_msg BOOL OnChange()
    {
        ++m_changes;
        return !m_passOn;
    }
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT)
    {
        pDC->SetTextColor(RGB(200, 0, 0));
        return m_brush;
    }
    afx_msg void OnClicked(NMHDR*, LRESULT* result) { *result = 5; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfishEdit, CEdit)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &CSelfishEdit::OnChange)
ON_WM_CTLCOLOR_REFLECT()
ON_NOTIFY_REFLECT(NM_CLICK, &CSelfishEdit::OnClicked)
END_MESSAGE_MAP()

class CTestDialog : public CDialog
{
public:
    explicit CTestDialog(CWnd* parent = nullptr) : CDialog(IDD_TEST, parent) {}

    std::vector<std::wstring> m_log;
    std::vector<UINT> m_keys;
    CString m_text = L"hello";
    int m_checked = 1;
    int m_number = 12;
    COwnerStatic m_ownerStatic;
    COwnerButton m_ownerButton;
    CSelfishEdit m_edit;
    int m_parentChanges = 0;
    int m_parentClicks = 0;
    int m_plainClicks = 0;
    int m_parentColours = 0;
    CBrush m_parentBrush{RGB(9, 9, 9)};

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_OWNER_STATIC, m_ownerStatic);
        DDX_Control(pDX, IDC_OWNER_BUTTON, m_ownerButton);
        DDX_Control(pDX, IDC_EDIT, m_edit);
        DDX_Text(pDX, IDC_EDIT, m_text);
        DDX_Check(pDX, IDC_CHECK, m_checked);
        DDX_Text(pDX, IDC_NUMBER, m_number);
    }
    BOOL OnInitDialog() override
    {
        m_log.push_back(L"init dialog");
        return CDialog::OnInitDialog();
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
            m_keys.push_back(UINT(pMsg->wParam));
        return CDialog::PreTranslateMessage(pMsg);
    }
    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        m_log.push_back(L"create");
        return CDialog::OnCreate(cs);
    }
    afx_msg void OnEditChange() { ++m_parentChanges; }
    afx_msg void OnEditClick(NMHDR*, LRESULT*) { ++m_parentClicks; }
    afx_msg void OnPlainClick(NMHDR*, LRESULT*) { ++m_plainClicks; }
    afx_msg HBRUSH OnCtlColor(CDC*, CWnd*, UINT)
    {
        ++m_parentColours;
        return m_parentBrush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDialog, CDialog)
ON_WM_CREATE()
ON_EN_CHANGE(IDC_EDIT, &CTestDialog::OnEditChange)
ON_NOTIFY(NM_CLICK, IDC_EDIT, &CTestDialog::OnEditClick)
ON_NOTIFY(NM_CLICK, IDC_PLAIN_STATIC, &CTestDialog::OnPlainClick)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// A page (child dialog) that sees the keys of its controls first.
class CTestPage : public CDialog
{
public:
    CTestPage() = default;
    std::vector<std::pair<UINT, HWND>> m_keys;
    CWnd m_container;
    CEdit m_nested;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
            m_keys.emplace_back(UINT(pMsg->wParam), pMsg->hwnd);
        return CDialog::PreTranslateMessage(pMsg);
    }

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_container.Create(nullptr, L"container", WS_CHILD | WS_VISIBLE, CRect(5, 5, 200, 60), this, 1020);
        m_nested.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(5, 5, 150, 30), &m_container, 1021);
        return TRUE;
    }
};

void postClick(CDialog& dialog, int id)
{
    dialog.PostMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(::GetDlgItem(dialog.m_hWnd, id)));
}

// Clicks at once, before the dialog is shown: no modal loop runs.
void sendClick(CDialog& dialog, int id)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(::GetDlgItem(dialog.m_hWnd, id)));
}

// A modeless test dialog made for each test.
class WfxModeless : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dialog.Create(IDD_TEST, &host)); }
    void TearDown() override { dialog.DestroyWindow(); }

    HostWindow host;
    CTestDialog dialog{&host};
};

} // namespace

TEST_F(WfxModeless, TemplateDialogSeesCreateThenInitDialogAndFillsControls)
{
    std::vector<std::wstring> expected{L"create", L"init dialog"};
    EXPECT_EQ(expected, dialog.m_log);
    CString text;
    dialog.GetDlgItemText(IDC_EDIT, text);
    EXPECT_EQ(L"hello", text);
    EXPECT_EQ(BST_CHECKED, dialog.IsDlgButtonChecked(IDC_CHECK));
    EXPECT_EQ(12u, dialog.GetDlgItemInt(IDC_NUMBER));

    // And back: the controls' values into the members.
    dialog.SetDlgItemText(IDC_EDIT, L"changed");
    dialog.CheckDlgButton(IDC_CHECK, BST_UNCHECKED);
    dialog.SetDlgItemText(IDC_NUMBER, L" -40 ");
    EXPECT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(L"changed", dialog.m_text);
    EXPECT_EQ(0, dialog.m_checked);
    EXPECT_EQ(-40, dialog.m_number);
}

TEST_F(WfxModeless, SubclassingTurnsControlsToOwnerDrawAndDrawItemReachesThem)
{
    EXPECT_EQ(1, dialog.m_ownerStatic.m_preSubclassed);
    EXPECT_EQ(DWORD(SS_OWNERDRAW), dialog.m_ownerStatic.GetStyle() & SS_TYPEMASK);
    EXPECT_EQ(DWORD(BS_OWNERDRAW), dialog.m_ownerButton.GetStyle() & BS_TYPEMASK);
    // Painted into a memory context: the controls ask their parent to draw them.
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    dialog.m_ownerStatic.SendMessage(WM_PRINTCLIENT, WPARAM(memory.m_hDC), PRF_CLIENT);
    dialog.m_ownerButton.SendMessage(WM_PRINTCLIENT, WPARAM(memory.m_hDC), PRF_CLIENT);
    EXPECT_GE(dialog.m_ownerStatic.m_drawn, 1);
    EXPECT_GE(dialog.m_ownerButton.m_drawn, 1);
}

TEST_F(WfxModeless, ReflectedNotificationsReachTheControlFirst)
{
    HWND edit = dialog.m_edit.m_hWnd;
    dialog.m_edit.m_changes = 0; // filling the edit at initialisation changed it too

    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EDIT, EN_CHANGE), LPARAM(edit));
    EXPECT_EQ(1, dialog.m_edit.m_changes);
    EXPECT_EQ(0, dialog.m_parentChanges); // consumed by the control
    dialog.m_edit.m_passOn = true;
    dialog.m_edit.SetWindowText(L"typed"); // a real EN_CHANGE
    EXPECT_EQ(2, dialog.m_edit.m_changes);
    EXPECT_EQ(1, dialog.m_parentChanges); // reflected and also passed on

    NMHDR hdr{edit, IDC_EDIT, UINT(NM_CLICK)};
    EXPECT_EQ(5, dialog.SendMessage(WM_NOTIFY, IDC_EDIT, LPARAM(&hdr)));
    EXPECT_EQ(0, dialog.m_parentClicks);

    HDC dc = GetDC(edit);
    LRESULT brush = dialog.SendMessage(WM_CTLCOLOREDIT, WPARAM(dc), LPARAM(edit));
    EXPECT_EQ(LRESULT(HBRUSH(dialog.m_edit.m_brush)), brush);
    EXPECT_EQ(RGB(200, 0, 0), GetTextColor(dc));
    EXPECT_EQ(0, dialog.m_parentColours);
    // A control without a colour handler leaves it to the parent.
    LRESULT parent = dialog.SendMessage(WM_CTLCOLORSTATIC, WPARAM(dc),
                                        LPARAM(dialog.GetDlgItem(IDC_PLAIN_STATIC)->m_hWnd));
    EXPECT_EQ(LRESULT(HBRUSH(dialog.m_parentBrush)), parent);
    EXPECT_EQ(1, dialog.m_parentColours);
    ReleaseDC(edit, dc);
}

TEST_F(WfxModeless, NotificationsOfAChildAreRoutedByItsControlId)
{
    // The child carries its own data in idFrom (a drawn list sends a row).
    HWND plain = dialog.GetDlgItem(IDC_PLAIN_STATIC)->m_hWnd;
    NMHDR fromChild{plain, UINT_PTR(0x7FFF1234), UINT(NM_CLICK)};
    dialog.SendMessage(WM_NOTIFY, IDC_PLAIN_STATIC, LPARAM(&fromChild));
    EXPECT_EQ(1, dialog.m_plainClicks);
    // From a window that is not a child, idFrom names the control.
    NMHDR fromElsewhere{host.m_hWnd, IDC_PLAIN_STATIC, UINT(NM_CLICK)};
    dialog.SendMessage(WM_NOTIFY, 0, LPARAM(&fromElsewhere));
    EXPECT_EQ(2, dialog.m_plainClicks);
    NMHDR stray{host.m_hWnd, 0x7FFF1234, UINT(NM_CLICK)};
    dialog.SendMessage(WM_NOTIFY, 0, LPARAM(&stray));
    EXPECT_EQ(2, dialog.m_plainClicks);
    EXPECT_EQ(0, dialog.m_parentClicks);
}

TEST_F(WfxModeless, ModelessDialogCanBeCreatedAgainAfterDestroy)
{
    HWND first = dialog.m_edit.m_hWnd;
    ASSERT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ(nullptr, dialog.m_hWnd);
    EXPECT_EQ(nullptr, dialog.m_edit.m_hWnd);
    EXPECT_FALSE(IsWindow(first));
    ASSERT_TRUE(dialog.Create(IDD_TEST, &host));
    EXPECT_NE(nullptr, dialog.m_edit.m_hWnd);
    EXPECT_EQ(&dialog.m_edit, CWnd::FromHandlePermanent(dialog.m_edit.m_hWnd));
    EXPECT_EQ(2, dialog.m_ownerStatic.m_preSubclassed);
}

TEST(WfxDialog, TemplatesAreFoundInTheModuleThatHoldsThem)
{
    HostWindow host;
    CLibDialog libDialog(&host);
    ASSERT_TRUE(libDialog.Create(IDD_LIB_DIALOG, &host));
    CString text;
    libDialog.GetDlgItemText(IDC_LIB_EDIT, text);
    EXPECT_EQ(L"from the library", text);
    libDialog.DestroyWindow();

    CDialog missing;
    EXPECT_FALSE(missing.Create(4321, &host));
    EXPECT_EQ(-1, CDialog(4321, &host).DoModal());
}

TEST(WfxDialog, KeyInAControlNestedInAPageReachesThePage)
{
    HostWindow host;
    CTestPage page;
    ASSERT_TRUE(page.Create(IDD_PAGE, &host));
    ASSERT_NE(nullptr, page.m_nested.m_hWnd);
    page.m_nested.SetFocus();
    page.m_nested.PostMessage(WM_KEYDOWN, VK_F2, 0);
    pumpPending();
    ASSERT_EQ(1u, page.m_keys.size());
    EXPECT_EQ(UINT(VK_F2), page.m_keys[0].first);
    EXPECT_EQ(page.m_nested.m_hWnd, page.m_keys[0].second);
    page.DestroyWindow();
}

TEST(WfxDialog, ModalDialogsEndWithTheRightResult)
{
    HostWindow host;
    {
        // A key and a click through the modal loop.
        ModalHook hook([](CDialog& dialog) {
            dialog.SetDlgItemText(IDC_EDIT, L"confirmed");
            ::PostMessageW(::GetDlgItem(dialog.m_hWnd, IDC_EDIT), WM_KEYDOWN, VK_F3, 0);
            postClick(dialog, IDOK);
        });
        CTestDialog dialog(&host);
        EXPECT_EQ(IDOK, dialog.DoModal());
        EXPECT_EQ(std::vector<UINT>{VK_F3}, dialog.m_keys);
        EXPECT_EQ(L"confirmed", dialog.m_text);
        EXPECT_EQ(nullptr, dialog.m_hWnd);
        EXPECT_TRUE(host.IsWindowEnabled());
    }
    {
        ModalHook hook([](CDialog& dialog) { sendClick(dialog, IDCANCEL); });
        CTestDialog dialog(&host);
        dialog.m_text = L"kept";
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        EXPECT_EQ(L"kept", dialog.m_text);
    }
    {
        ModalHook hook([](CDialog& dialog) { dialog.EndDialog(77); });
        CTestDialog dialog(&host);
        EXPECT_EQ(77, dialog.DoModal());
    }
}

TEST(WfxDialog, BadNumberKeepsTheDialogOpenWithAMessage)
{
    HostWindow host;
    MessageBoxRecorder boxes;
    ModalHook hook([](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_NUMBER, L"12abc");
        sendClick(dialog, IDOK); // refused: the number does not parse
        EXPECT_TRUE(dialog.ContinueModal());
        sendClick(dialog, IDCANCEL); // then the user gives up
    });
    CTestDialog dialog(&host);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(12, dialog.m_number);
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_EQ(L"Please enter a whole number.", boxes.texts[0]);
}

TEST(WfxDialog, MessageBoxesAreAnsweredByTheHook)
{
    HostWindow host;
    MessageBoxRecorder boxes(IDYES);
    EXPECT_EQ(IDYES, host.MessageBox(L"Question?", L"Caption", MB_YESNO));
    EXPECT_EQ(IDYES, AfxMessageBox(L"Another", MB_YESNO));
    EXPECT_EQ((std::vector<std::wstring>{L"Question?", L"Another"}), boxes.texts);
}
