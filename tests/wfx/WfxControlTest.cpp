#include "WfxTestIds.h"
#include "WfxTestSupport.h"
#include "WfxTestLib.h"

#include <gtest/gtest.h>

using namespace wfxtest;

namespace {

class COwnerList : public CListCtrl
{
public:
    std::vector<UINT> m_drawn;
    int m_measured = 0;
    void DrawItem(LPDRAWITEMSTRUCT item) override { m_drawn.push_back(item->itemID); }
    void MeasureItem(LPMEASUREITEMSTRUCT item) override
    {
        ++m_measured;
        item->itemHeight = 20;
    }
};

// Handles some commands of the test menu, none of ID_CMD_DISABLED.
class CCommandTarget : public CWnd
{
protected:
    afx_msg void OnPlain() {}
    afx_msg void OnRadio(CCmdUI* ui)
    {
        ui->SetRadio(TRUE);
        ui->SetText(L"Renamed");
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandTarget, CWnd)
ON_COMMAND(ID_CMD_PLAIN, &CCommandTarget::OnPlain)
ON_UPDATE_COMMAND_UI(ID_CMD_CHECKED, &CCommandTarget::OnRadio)
END_MESSAGE_MAP()

// The application of the loop test: a main window, a key for it and a quit.
class CLoopApp : public CWinApp
{
public:
    CLoopApp() : CWinApp(L"Loop test") {}

    class CMainWnd : public HostWindow
    {
    public:
        std::vector<UINT> m_keys;
        BOOL PreTranslateMessage(MSG* pMsg) override
        {
            if (pMsg->message == WM_KEYDOWN)
                m_keys.push_back(UINT(pMsg->wParam));
            return FALSE;
        }
    };

    CMainWnd m_main;
    CWnd m_child;
    int m_idle = 0;

    BOOL InitInstance() override
    {
        m_pMainWnd = &m_main;
        m_child.Create(nullptr, L"child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20), &m_main, 5);
        m_child.PostMessage(WM_KEYDOWN, VK_F5);
        PostQuitMessage(7);
        return TRUE;
    }
    BOOL OnIdle(LONG lCount) override
    {
        ++m_idle;
        return CWinApp::OnIdle(lCount);
    }
};

} // namespace

TEST(WfxControls, ComboBoxListsItsStrings)
{
    HostWindow host;
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 100, 200), &host, 20));
    combo.AddString(L"alpha");
    combo.AddString(L"beta");
    combo.AddString(L"gamma");
    EXPECT_EQ(3, combo.GetCount());
    combo.SetItemData(1, 0xBEEF);
    EXPECT_EQ(0xBEEFu, combo.GetItemData(1));
    EXPECT_EQ(2, combo.SelectString(-1, L"gam"));
    EXPECT_EQ(2, combo.GetCurSel());
    EXPECT_EQ(1, combo.FindStringExact(-1, L"beta"));
    CString text(L"stale");
    combo.GetLBText(1, text);
    EXPECT_EQ(L"beta", text);
    combo.GetLBText(9, text);
    EXPECT_TRUE(text.IsEmpty());
}

TEST(WfxControls, ListControlKeepsItsReportRows)
{
    HostWindow host;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &host, 21));
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    EXPECT_EQ(DWORD(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES), list.GetExtendedStyle());
    EXPECT_EQ(0, list.InsertColumn(0, L"Code", LVCFMT_LEFT, 80));
    EXPECT_EQ(1, list.InsertColumn(1, L"Text", LVCFMT_LEFT, 200));
    ASSERT_NE(nullptr, list.GetHeaderCtrl());
    EXPECT_EQ(2, list.GetHeaderCtrl()->GetItemCount());

    EXPECT_EQ(0, list.InsertItem(0, L"P0100"));
    EXPECT_EQ(1, list.InsertItem(1, L"P0200"));
    CString longText(L'x', 700);
    EXPECT_TRUE(list.SetItemText(1, 1, longText));
    EXPECT_EQ(longText, list.GetItemText(1, 1));
    EXPECT_EQ(L"P0100", list.GetItemText(0, 0));
    EXPECT_TRUE(list.SetItemData(1, 77));
    EXPECT_EQ(77u, list.GetItemData(1));
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(1, list.GetNextItem(-1, LVNI_SELECTED));
    EXPECT_EQ(2, list.GetItemCount());
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(0, list.GetItemCount());
}

TEST(WfxControls, OwnerDrawnListRowsReachDrawItem)
{
    HostWindow host;
    COwnerList list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(0, 0, 300, 200),
                            &host, 22));
    list.InsertColumn(0, L"Row", LVCFMT_LEFT, 100);
    list.InsertItem(0, L"first");
    list.InsertItem(1, L"second");
    list.Invalidate();
    list.UpdateWindow();
    EXPECT_EQ((std::vector<UINT>{0, 1}), list.m_drawn);
}

TEST(WfxControls, SmallControlsKeepTheirValues)
{
    HostWindow host;
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 30), &host, 23));
    spin.SetRange32(-10, 100);
    int low = 0, high = 0;
    spin.GetRange32(low, high);
    EXPECT_EQ(-10, low);
    EXPECT_EQ(100, high);
    spin.SetPos(-4);
    EXPECT_EQ(-4, spin.GetPos());

    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_CHILD | WS_VISIBLE, CRect(0, 40, 100, 50), &host, 24));
    progress.SetRange32(0, 200);
    progress.SetPos(50);
    EXPECT_EQ(50, progress.OffsetPos(10));
    EXPECT_EQ(60, progress.GetPos());

    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 60, 200, 80), &host, 25));
    edit.SetWindowText(L"hello world");
    edit.SetSel(6, 11);
    int start = 0, end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(6, start);
    EXPECT_EQ(11, end);
    edit.ReplaceSel(L"there");
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(L"hello there", text);

    CButton check;
    ASSERT_TRUE(
        check.Create(L"check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 90, 80, 110), &host, 26));
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, check.GetCheck());

    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&host));
    EXPECT_TRUE(tips.AddTool(&edit, L"an edit"));
    EXPECT_EQ(1, tips.GetToolCount());
    tips.DelTool(&edit);
    EXPECT_EQ(0, tips.GetToolCount());
}

TEST(WfxControls, MenuUpdateDisablesCommandsWithoutHandlers)
{
    HostWindow host;
    CCommandTarget target;
    ASSERT_TRUE(target.Create(nullptr, L"target", WS_CHILD, CRect(0, 0, 5, 5), &host, 27));
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_MENU));
    CMenu* popup = menu.GetSubMenu(0);
    CCmdUI::UpdateMenu(popup, &target, TRUE);
    EXPECT_TRUE(popup->GetMenuState(ID_CMD_DISABLED, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(popup->GetMenuState(ID_CMD_PLAIN, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(popup->GetMenuState(ID_CMD_CHECKED, MF_BYCOMMAND) & MF_CHECKED);
    CString text;
    popup->GetMenuString(ID_CMD_CHECKED, text, MF_BYCOMMAND);
    EXPECT_EQ(L"Renamed", text);
}

TEST(WfxControls, ParentFrameIsTheNearestFrameAbove)
{
    CFrameWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, L"frame", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
    CWnd middle, inner;
    ASSERT_TRUE(middle.Create(nullptr, L"middle", WS_CHILD, CRect(0, 0, 50, 50), &frame, 1));
    ASSERT_TRUE(inner.Create(nullptr, L"inner", WS_CHILD, CRect(0, 0, 10, 10), &middle, 2));
    EXPECT_EQ(&frame, inner.GetParentFrame());
    EXPECT_EQ(nullptr, frame.GetParentFrame());
}

TEST(WfxApplication, LibraryApplicationObjectIsNotTheProgramsOne)
{
    EXPECT_EQ(nullptr, AfxGetApp()); // the library's object, loaded first, did not take the place
    HMODULE lib = GetModuleHandleW(L"wfx_testlib.dll");
    ASSERT_NE(nullptr, lib);
    EXPECT_EQ(lib, libModuleApp()->m_hInstance);
    CLoopApp app;
    EXPECT_EQ(&app, AfxGetApp());
}

TEST(WfxApplication, RunShowsMessagesToTheMainWindowAndEndsWithTheQuitCode)
{
    CLoopApp app;
    EXPECT_EQ(&app, AfxGetApp());
    EXPECT_EQ(&app, AfxGetThread());
    EXPECT_EQ(7, AfxWinMain(GetModuleHandleW(nullptr), nullptr, const_cast<LPWSTR>(L""), SW_SHOW));
    EXPECT_EQ((std::vector<UINT>{VK_F5}), app.m_main.m_keys);
    EXPECT_STREQ(L"Loop test", app.m_pszAppName);
}
