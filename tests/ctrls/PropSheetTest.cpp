#include "DialogTestIds.h"
#include "PointerKept.h"
#include "PrambleTestSupport.h"
#include "WfxTestSupport.h"

#include <CExtPropSheet.h>
#include <CTabCtrlEx.h>
#include <TempDir.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

std::vector<std::wstring> g_log;

// A page with one edit bound to its value; it logs what the sheet tells it.
class ValuePage : public CExtPropertyPage
{
public:
    ValuePage(const wchar_t* name, UINT templateId = IDD_PAGE_ONE)
        : CExtPropertyPage(templateId, 0), m_name(name)
    {
    }
    ~ValuePage() override { g_log.push_back(m_name + L" gone"); }

    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_PAGE_EDIT, m_value); }
    void updateProps(int ok) override { g_log.push_back(m_name + (ok ? L" commit" : L" drop")); }
    void serialize(CArchive& archive) override
    {
        if (archive.IsStoring())
            archive << m_value;
        else
            archive >> m_value;
    }

    std::wstring m_name;
    CString m_value;
};

// A sheet that runs a test step when the modal loop handles WM_APP.
class ScriptedSheet : public CExtPropSheet
{
public:
    ScriptedSheet() : CExtPropSheet(CString(L"Sheet")) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_APP && step) {
            step(*this);
            return 0;
        }
        return CExtPropSheet::WindowProc(message, wParam, lParam);
    }
    HWND tabWnd() { return tabCtrl().m_hWnd; }
    HWND pageWnd(int index) { return GetPage(index) ? GetPage(index)->m_hWnd : nullptr; }

    std::function<void(ScriptedSheet&)> step;
};

struct SheetHook
{
    explicit SheetHook(std::function<void(ScriptedSheet&)> hook)
    {
        WfxSetModalSheetHook([hook](CPropertySheet& sheet) { hook(static_cast<ScriptedSheet&>(sheet)); });
    }
    ~SheetHook() { WfxSetModalSheetHook(nullptr); }
};

void pressButton(CPropertySheet& sheet, int button)
{
    sheet.SendMessage(PSM_PRESSBUTTON, WPARAM(button));
}

void setControlHeld(bool held)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = held ? 0x80 : 0;
    SetKeyboardState(keys);
}

// Clicks a tab with the mouse resting on it, as the user would.
void clickTab(HWND tab, int index)
{
    RECT item;
    SendMessageW(tab, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&item));
    POINT at = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    POINT screen = at;
    ClientToScreen(tab, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(tab, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageW(tab, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

int currentTab(HWND tab)
{
    return int(SendMessageW(tab, TCM_GETCURSEL, 0, 0));
}

ScriptedSheet* threePages(ScriptedSheet& sheet)
{
    sheet.addPage(new ValuePage(L"one"));
    sheet.addPage(new ValuePage(L"two", IDD_PAGE_TWO));
    sheet.addPage(new ValuePage(L"three"));
    return &sheet;
}

} // namespace

TEST(PropSheet, ConfirmedSheetCommitsEveryPageAndCancelDropsThem)
{
    g_log.clear();
    ScriptedSheet sheet;
    threePages(sheet);
    {
        SheetHook hook([](ScriptedSheet& s) {
            ::SetDlgItemTextW(s.pageWnd(0), IDC_PAGE_EDIT, L"typed");
            pressButton(s, PSBTN_OK);
        });
        EXPECT_EQ(IDOK, sheet.doModal());
    }
    EXPECT_EQ((std::vector<std::wstring>{L"one commit", L"two commit", L"three commit"}), g_log);
    EXPECT_EQ(L"typed", static_cast<ValuePage*>(sheet.GetPage(0))->m_value.str());

    g_log.clear();
    {
        SheetHook hook([](ScriptedSheet& s) { pressButton(s, PSBTN_CANCEL); });
        EXPECT_EQ(IDCANCEL, sheet.doModal());
    }
    EXPECT_EQ((std::vector<std::wstring>{L"one drop", L"two drop", L"three drop"}), g_log);

    g_log.clear();
    {
        SheetHook hook([](ScriptedSheet& s) { s.EndDialog(ID_WIZFINISH); });
        EXPECT_EQ(ID_WIZFINISH, sheet.doModal());
    }
    EXPECT_EQ(3u, g_log.size());
    EXPECT_EQ(L"one commit", g_log[0]);

    g_log.clear();
    {
        SheetHook hook([](ScriptedSheet& s) { s.EndDialog(7); });
        EXPECT_EQ(7, sheet.doModal());
    }
    EXPECT_TRUE(g_log.empty());
}

TEST(PropSheet, PagesAreAddedAndRemovedWhileShown)
{
    g_log.clear();
    ScriptedSheet sheet;
    threePages(sheet);
    int tabsAfterRemove = 0, tabsAfterAdd = 0;
    {
        SheetHook hook([&](ScriptedSheet& s) {
            s.removePage(1);
            s.removePage(3);  // not there
            s.removePage(-1); // not there
            tabsAfterRemove = int(::SendMessageW(s.tabWnd(), TCM_GETITEMCOUNT, 0, 0));
            s.addPage(new ValuePage(L"four"));
            tabsAfterAdd = int(::SendMessageW(s.tabWnd(), TCM_GETITEMCOUNT, 0, 0));
            pressButton(s, PSBTN_OK);
        });
        EXPECT_EQ(IDOK, sheet.doModal());
    }
    EXPECT_EQ(2, tabsAfterRemove);
    EXPECT_EQ(3, tabsAfterAdd);
    EXPECT_EQ((std::vector<std::wstring>{L"two gone", L"one commit", L"three commit", L"four commit"}),
              g_log);
}

TEST(PropSheet, DisabledTabsAreSkippedByKeysAndMouse)
{
    PointerKept pointer;
    ScriptedSheet sheet;
    threePages(sheet);
    sheet.addPage(new ValuePage(L"four"));
    std::vector<int> seen;
    SheetHook hook([&](ScriptedSheet& s) {
        EXPECT_TRUE(s.tabCtrl().IsTabEnabled(3)); // all enabled at initialisation
        s.Enable(0, FALSE);                       // the active page stays enabled
        s.Enable(2, FALSE);
        EXPECT_TRUE(s.tabCtrl().IsTabEnabled(0));
        EXPECT_FALSE(s.tabCtrl().IsTabEnabled(2));
        setControlHeld(true);
        HWND tab = s.tabWnd();
        ::PostMessageW(tab, WM_KEYDOWN, VK_TAB, 1); // 0 -> 1
        ::PostMessageW(tab, WM_KEYDOWN, VK_TAB, 1); // 1 -> 3, past the disabled 2
        s.PostMessage(WM_APP);
        s.step = [&](ScriptedSheet& s) {
            seen.push_back(currentTab(s.tabWnd()));
            ::SendMessageW(s.tabWnd(), WM_KEYDOWN, VK_TAB, 1);
            s.step = [&](ScriptedSheet& s) {
                seen.push_back(currentTab(s.tabWnd())); // wrapped to the first
                setControlHeld(false);
                s.step = [&](ScriptedSheet& s) {
                    seen.push_back(currentTab(s.tabWnd()));
                    clickTab(s.tabWnd(), 2); // disabled: nothing happens
                    seen.push_back(currentTab(s.tabWnd()));
                    clickTab(s.tabWnd(), 1);
                    seen.push_back(currentTab(s.tabWnd()));
                    pressButton(s, PSBTN_CANCEL);
                };
                ::PostMessageW(s.tabWnd(), WM_KEYDOWN, VK_RIGHT, 1); // 0 -> 1
                ::PostMessageW(s.tabWnd(), WM_KEYDOWN, VK_RIGHT, 1); // 1 -> 3
                ::PostMessageW(s.tabWnd(), WM_KEYDOWN, VK_RIGHT, 1); // stays at the last
                s.PostMessage(WM_APP);
            };
            ::PostMessageW(s.tabWnd(), WM_KEYDOWN, VK_TAB, 1); // 3 -> 0
            s.PostMessage(WM_APP);
        };
    });
    EXPECT_EQ(IDCANCEL, sheet.doModal());
    setControlHeld(false);
    EXPECT_EQ((std::vector<int>{3, 0, 3, 3, 1}), seen);
}

TEST(PropSheet, PagesSerialiseIntoOneArchive)
{
    kwtest::TempDir dir;
    std::wstring path = dir.file(L"pages.bin");
    {
        ScriptedSheet sheet;
        threePages(sheet);
        static_cast<ValuePage*>(sheet.GetPage(0))->m_value = L"first";
        static_cast<ValuePage*>(sheet.GetPage(2))->m_value = L"third";
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        CArchive archive(&file, CArchive::store);
        sheet.serialize(archive);
    }
    ScriptedSheet sheet;
    threePages(sheet);
    {
        CFile file(path.c_str(), CFile::modeRead);
        CArchive archive(&file, CArchive::load);
        sheet.serialize(archive);
    }
    EXPECT_EQ(L"first", static_cast<ValuePage*>(sheet.GetPage(0))->m_value.str());
    EXPECT_EQ(L"", static_cast<ValuePage*>(sheet.GetPage(1))->m_value.str());
    EXPECT_EQ(L"third", static_cast<ValuePage*>(sheet.GetPage(2))->m_value.str());

    // A short archive is an error, never a half-read page.
    kwtest::writeFileBytes(path, std::string("\x05\x00\x00\x00\x41\x00", 6));
    CFile file(path.c_str(), CFile::modeRead);
    CArchive archive(&file, CArchive::load);
    try {
        sheet.serialize(archive);
        ADD_FAILURE() << "no error";
    } catch (CFileException* error) {
        EXPECT_EQ(CFileException::endOfFile, error->m_cause);
        error->Delete();
    }
    EXPECT_EQ(L"first", static_cast<ValuePage*>(sheet.GetPage(0))->m_value.str());
}

namespace {

// Holds tab controls and answers their change requests.
class NotifyHost : public wfxtest::HostWindow
{
public:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        if (CWnd::OnNotify(wParam, lParam, pResult))
            return TRUE;
        codes.push_back(int(hdr->code));
        *pResult = hdr->code == UINT(TCN_SELCHANGING) && refuse;
        return TRUE;
    }

    std::vector<int> codes;
    bool refuse = false;
};

} // namespace

TEST(ExtTabCtrl, KeepsEachTabsStateAndWalksOnlyEnabledTabs)
{
    PointerKept pointer;
    NotifyHost host;
    CExtTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE | TCS_MULTILINE, CRect(0, 0, 390, 200), &host, 77));
    for (int i = 0; i < 40; ++i)
        tabs.InsertItem(i, std::to_wstring(i).c_str());
    EXPECT_TRUE(tabs.IsTabEnabled(0));
    EXPECT_FALSE(tabs.IsTabEnabled(1));

    // A disabled tab is drawn greyed, an enabled one in the button text colour.
    tabs.ModifyStyle(0, TCS_OWNERDRAWFIXED);
    prambletest::Rendering drawn(tabs);
    CRect first, second;
    tabs.GetItemRect(0, &first);
    tabs.GetItemRect(1, &second);
    auto pixels = [&](const CRect& r, int colour) {
        return drawn.count(r.left, r.top, r.right, r.bottom, GetSysColor(colour));
    };
    EXPECT_GT(pixels(first, COLOR_BTNTEXT), 0);
    EXPECT_EQ(0, pixels(second, COLOR_BTNTEXT));
    EXPECT_GT(pixels(second, COLOR_GRAYTEXT), 0);
    tabs.Enable(37, TRUE);
    EXPECT_FALSE(tabs.IsTabEnabled(5)); // no shared bits past 31
    tabs.Enable(5, TRUE);
    tabs.Enable(37, FALSE);
    EXPECT_FALSE(tabs.IsTabEnabled(37));
    tabs.Enable(39, TRUE);

    EXPECT_EQ(5, tabs.NextEnabledTab(0, FALSE));
    EXPECT_EQ(39, tabs.NextEnabledTab(5, FALSE));
    EXPECT_EQ(-1, tabs.NextEnabledTab(39, FALSE));
    EXPECT_EQ(0, tabs.NextEnabledTab(39, TRUE));
    EXPECT_EQ(39, tabs.PrevEnabledTab(0, TRUE));
    EXPECT_EQ(-1, tabs.PrevEnabledTab(0, FALSE));
    EXPECT_EQ(-1, tabs.NextEnabledTab(-3, TRUE)); // not a tab: no endless walk
    EXPECT_EQ(-1, tabs.NextEnabledTab(1000, TRUE));
    EXPECT_EQ(-1, tabs.PrevEnabledTab(40, TRUE));

    EXPECT_FALSE(tabs.SetActiveTab(3)); // disabled
    EXPECT_FALSE(tabs.SetActiveTab(99));
    EXPECT_EQ(0, tabs.GetCurSel());
    EXPECT_TRUE(host.codes.empty());
    EXPECT_TRUE(tabs.SetActiveTab(5));
    EXPECT_EQ(5, tabs.GetCurSel());
    EXPECT_EQ((std::vector<int>{int(TCN_SELCHANGING), int(TCN_SELCHANGE)}), host.codes);
    host.refuse = true;
    EXPECT_FALSE(tabs.SetActiveTab(39));
    EXPECT_EQ(5, tabs.GetCurSel());
    host.refuse = false;

    MSG right = {tabs.m_hWnd, WM_KEYDOWN, VK_RIGHT, 1, 0, {}};
    EXPECT_TRUE(tabs.PreTranslateMessage(&right));
    EXPECT_EQ(39, tabs.GetCurSel());
    EXPECT_TRUE(tabs.PreTranslateMessage(&right)); // consumed at the last enabled tab too
    EXPECT_EQ(39, tabs.GetCurSel());
    MSG other = {tabs.m_hWnd, WM_KEYDOWN, VK_DOWN, 1, 0, {}};
    EXPECT_FALSE(tabs.PreTranslateMessage(&other));
    MSG ctrlTab = {tabs.m_hWnd, WM_KEYDOWN, VK_TAB, 1, 0, {}};
    EXPECT_FALSE(tabs.TranslatePropSheetMsg(&ctrlTab)); // Ctrl is not held

    clickTab(tabs.m_hWnd, 1);
    EXPECT_EQ(39, tabs.GetCurSel());
    clickTab(tabs.m_hWnd, 0);
    EXPECT_EQ(0, tabs.GetCurSel());
}

TEST(TabCtrlEx, ShowsOneGroupPerTabPlacedAgainstTheControlsEdges)
{
    PointerKept pointer;
    NotifyHost host;
    CTabCtrlEx tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, CRect(20, 30, 320, 230), &host, 78));
    tabs.InsertItem(0, L"A");
    tabs.InsertItem(1, L"B");
    tabs.InsertItem(2, L"C");
    CStatic a, b, c, stray;
    for (CStatic* s : {&a, &b, &c, &stray})
        ASSERT_TRUE(s->Create(L"x", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &host));

    CRect first;
    tabs.GetItemRect(0, &first);
    int right = 320 - (5 * GetSystemMetrics(SM_CXBORDER) + first.left);
    int bottom = 230 - (5 * GetSystemMetrics(SM_CYBORDER) + first.bottom);

    tabs.insertWnd(0, &a, CTabCtrlEx::placeLeft | CTabCtrlEx::placeTop);
    tabs.insertWnd(1, &b, CTabCtrlEx::placeRight | CTabCtrlEx::placeBottom);
    tabs.insertWnd(1, &c, CTabCtrlEx::placeLeft | CTabCtrlEx::placeTop | CTabCtrlEx::placeStretch);
    tabs.insertWnd(3, &stray, CTabCtrlEx::placeRight); // no such tab
    EXPECT_EQ(CRect(20, 30, 70, 50), wfxtest::rectInParent(a));
    EXPECT_EQ(CRect(right - 50, bottom - 20, right, bottom), wfxtest::rectInParent(b));
    EXPECT_EQ(CRect(20, 30, right, bottom), wfxtest::rectInParent(c));
    EXPECT_EQ(CRect(0, 0, 50, 20), wfxtest::rectInParent(stray));

    auto children = [&] {
        int count = 0;
        for (HWND h = GetWindow(host.m_hWnd, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
            ++count;
        return count;
    };
    int before = children();
    tabs.insertWnd(5, IDD_TAB_GROUP, &host, CTabCtrlEx::placeLeft); // nothing made for a missing tab
    EXPECT_EQ(before, children());
    tabs.insertWnd(2, IDD_TAB_GROUP, &host, CTabCtrlEx::placeLeft | CTabCtrlEx::placeBottom);
    ASSERT_EQ(before + 1, children());
    HWND group = GetWindow(host.m_hWnd, GW_CHILD);
    while (GetDlgCtrlID(group) != 0 || group == tabs.m_hWnd || group == a.m_hWnd || group == b.m_hWnd ||
           group == c.m_hWnd || group == stray.m_hWnd)
        group = GetWindow(group, GW_HWNDNEXT);
    RECT groupRect;
    GetWindowRect(group, &groupRect);
    MapWindowPoints(nullptr, host.m_hWnd, reinterpret_cast<LPPOINT>(&groupRect), 2);
    EXPECT_EQ(20, groupRect.left);
    EXPECT_EQ(bottom, groupRect.bottom);

    tabs.init(0);
    EXPECT_TRUE(a.IsWindowVisible());
    EXPECT_FALSE(b.IsWindowVisible());
    EXPECT_FALSE(c.IsWindowVisible());
    EXPECT_FALSE(IsWindowVisible(group));

    tabs.SetCurSel(1);
    NMHDR change = {tabs.m_hWnd, 78, UINT(TCN_SELCHANGE)};
    host.SendMessage(WM_NOTIFY, 78, reinterpret_cast<LPARAM>(&change));
    EXPECT_FALSE(a.IsWindowVisible());
    EXPECT_TRUE(b.IsWindowVisible());
    EXPECT_TRUE(c.IsWindowVisible());
    EXPECT_EQ(1u, tabs.currentTab());
    clickTab(tabs.m_hWnd, 2);
    EXPECT_TRUE(IsWindowVisible(group));
    EXPECT_FALSE(b.IsWindowVisible());
}

// A tab without windows is current too, so coming back shows the others'.
TEST(TabCtrlEx, ATabWithoutWindowsIsCurrentToo)
{
    PointerKept pointer;
    NotifyHost host;
    CTabCtrlEx tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, CRect(20, 30, 320, 230), &host, 78));
    for (const wchar_t* name : {L"A", L"B", L"C"})
        tabs.InsertItem(tabs.GetItemCount(), name);
    CStatic a, b;
    for (CStatic* s : {&a, &b})
        ASSERT_TRUE(s->Create(L"x", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &host));
    tabs.insertWnd(0, &a, 0);
    tabs.insertWnd(1, &b, 0);

    tabs.init(0);
    clickTab(tabs.m_hWnd, 2);
    EXPECT_EQ(2u, tabs.currentTab());
    EXPECT_FALSE(a.IsWindowVisible());
    clickTab(tabs.m_hWnd, 0);
    EXPECT_TRUE(a.IsWindowVisible());
    EXPECT_FALSE(b.IsWindowVisible());

    tabs.SetCurSel(2);
    tabs.init(2);
    EXPECT_FALSE(a.IsWindowVisible());
    clickTab(tabs.m_hWnd, 0);
    EXPECT_TRUE(a.IsWindowVisible());
}
