#include "PageTestSupport.h"

#include <algorithm>

using namespace drawntest;

namespace {

bool visible(IMultiPageContent* page)
{
    return ::IsWindowVisible(PageHostBed::wnd(page)->m_hWnd) != FALSE;
}

// A page without a window, copyable, that counts its deletion.
class BarePage : public IMultiPageContent
{
public:
    explicit BarePage(int* deleted = nullptr) : IMultiPageContent(nullptr), m_deleted(deleted) {}
    BarePage(const BarePage&) = default;
    ~BarePage() override
    {
        if (m_deleted)
            ++*m_deleted;
    }
    int v_show(int) override { return 0; }
    void v_invalidate(int) override {}
    int v_isVisible() override { return 0; }
    void v_move(CRect, int) override {}
    int* m_deleted;
};

// The program's page set: twelve tabbed pages, then the bottom and the left
// panel, no tabs laid out.
struct ProgramPages : PageHostBed
{
    ProgramPages()
    {
        host->m_noTabs = true;
        for (int i = 0; i < 12; ++i)
            pages.push_back(addTabbedPage());
        host->m_bottomHeight = host->m_savedBottomHeight = 0.15;
        bottom = makePage();
        host->insertCenterBottomPage(L"Bottom", bottom);
        host->m_leftWidth = host->m_savedLeftWidth = 0.2;
        host->m_leftBottomCut = 0.15;
        left = makePage();
        host->insertLeftPage(L"Left", left);
        host->activatePage(0);
        fill();
    }
    std::vector<LoggedPage*> pages;
    LoggedPage* bottom;
    LoggedPage* left;
};

} // namespace

TEST(PageHost, InsertedPagesAreInitialisedOnceAndTheLastIsActive)
{
    PageHostBed bed;
    LoggedPage* a = bed.addTabbedPage();
    bed.addTabbedPage();
    LoggedPage* c = bed.addTabbedPage();
    EXPECT_EQ(bed.host->getActivePage(), c);
    EXPECT_EQ(bed.host->getPageCount(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(bed.log(i).inits, 1) << i;
    // Only the active tab is drawn selected.
    auto& buttons = *bed.host->getButtons();
    EXPECT_EQ(static_cast<CGDIpMultiPageGradientButton*>(buttons[2])->m_pushed, 1);
    EXPECT_EQ(static_cast<CGDIpMultiPageGradientButton*>(buttons[0])->m_pushed, 0);
    EXPECT_EQ(a->getImpc(), bed.host.get());
    EXPECT_EQ(a->getOwnIndex(), 0);
}

TEST(PageHost, ActivationSwapsPagesAndTellsEachOnce)
{
    PageHostBed bed;
    LoggedPage* a = bed.addTabbedPage();
    LoggedPage* b = bed.addTabbedPage();
    bed.host->activatePage(0);
    EXPECT_TRUE(visible(a));
    EXPECT_FALSE(visible(b));
    EXPECT_EQ(bed.log(0).activates, 1);
    EXPECT_EQ(bed.log(1).deactivates, 1);

    bed.host->activatePage(1);
    EXPECT_FALSE(visible(a));
    EXPECT_TRUE(visible(b));
    EXPECT_EQ(bed.log(0).deactivates, 1);
    EXPECT_EQ(bed.log(1).activates, 1);
    EXPECT_EQ(bed.host->getActivePage(), b);

    // Out of range, or the page already shown among several: nothing changes.
    bed.host->activatePage(-1);
    bed.host->activatePage(2);
    bed.host->activatePage(1);
    EXPECT_TRUE(visible(b));
    EXPECT_FALSE(visible(a));
    EXPECT_EQ(bed.log(1).activates, 1);
    EXPECT_EQ(bed.log(0).deactivates, 1);
}

TEST(PageHost, TheOnlyTabActivatedAgainStaysShown)
{
    PageHostBed bed;
    LoggedPage* a = bed.addTabbedPage();
    bed.host->activatePage(0);
    bed.host->activatePage(0);
    EXPECT_TRUE(visible(a));
    EXPECT_EQ(bed.log(0).deactivates, 0);
}

TEST(PageHost, ATabPressSwitchesPagesAndAButtonWithoutHostIgnoresIt)
{
    PageHostBed bed;
    bed.addTabbedPage();
    LoggedPage* b = bed.addTabbedPage();
    bed.host->activatePage(0);
    auto* tab = static_cast<CGDIpMultiPageGradientButton*>((*bed.host->getButtons())[1]);
    tab->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    tab->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(bed.host->getActivePage(), b);

    CGDIpMultiPageGradientButton loose;
    ASSERT_TRUE(loose.create(L"x", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 20), &bed.window, nullptr, 7));
    loose.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    loose.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(bed.host->getActivePage(), b);
}

TEST(PageHost, FunctionKeysInsideAPageReachTheFirstEightPages)
{
    ProgramPages bed;
    for (int key = 0; key < 8; ++key) {
        auto* shown = dynamic_cast<CWnd*>(bed.host->getActivePage());
        CWnd* edit = shown->GetDlgItem(IDC_PAGE_EDIT);
        ::PostMessageW(edit->m_hWnd, WM_KEYDOWN, VK_F1 + key, 0);
        pumpPending();
        EXPECT_EQ(bed.host->getActivePage(), bed.pages[key]) << "F" << key + 1;
        EXPECT_TRUE(visible(bed.pages[key]));
    }
    ::PostMessageW(bed.pages[7]->GetDlgItem(IDC_PAGE_EDIT)->m_hWnd, WM_KEYDOWN, VK_F9, 0);
    pumpPending();
    EXPECT_EQ(bed.host->getActivePage(), bed.pages[7]);

    // The switch leaves the focus on the tab button; the keys still work there.
    HWND tab = dynamic_cast<CWnd*>((*bed.host->getButtons())[7])->m_hWnd;
    ::PostMessageW(tab, WM_KEYDOWN, VK_F2, 0);
    pumpPending();
    EXPECT_EQ(bed.host->getActivePage(), bed.pages[1]);
    ::PostMessageW(tab, WM_KEYDOWN, VK_F8, 0);
    pumpPending();
    EXPECT_EQ(bed.host->getActivePage(), bed.pages[7]);

    // Enter and Esc inside a page leave it open.
    HWND edit = bed.pages[7]->GetDlgItem(IDC_PAGE_EDIT)->m_hWnd;
    ::PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    ::PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    pumpPending();
    bed.pages[7]->SendMessage(WM_COMMAND, IDOK, 0);
    bed.pages[7]->SendMessage(WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(::IsWindow(bed.pages[7]->m_hWnd));
    EXPECT_TRUE(visible(bed.pages[7]));
}

TEST(PageHost, ProgramLayoutWithoutTabs)
{
    ProgramPages bed;
    EXPECT_EQ(bed.pageRect(bed.left), CRect(0, 0, 200, 680));
    EXPECT_EQ(bed.pageRect(bed.pages[0]), CRect(200, 0, 1000, 680));
    EXPECT_EQ(bed.pageRect(bed.pages[11]), CRect(200, 0, 1000, 680));
    EXPECT_EQ(bed.pageRect(bed.bottom), CRect(0, 680, 1000, 800));
    EXPECT_TRUE(visible(bed.left));
    EXPECT_TRUE(visible(bed.bottom));
    EXPECT_EQ(bed.host->getLeftPage(), bed.left);
    EXPECT_EQ(bed.host->getCenterTopePageButtonCount(), 12);

    bed.host->showRLCPage(SW_HIDE, bed.left);
    EXPECT_EQ(bed.pageRect(bed.pages[0]), CRect(0, 0, 1000, 680));
    EXPECT_TRUE(bed.pageRect(bed.left).IsRectEmpty());
    bed.host->showRLCPage(SW_SHOW, bed.left);
    EXPECT_EQ(bed.pageRect(bed.left), CRect(0, 0, 200, 680));
    EXPECT_EQ(bed.pageRect(bed.pages[0]), CRect(200, 0, 1000, 680));

    bed.host->showRLCPage(SW_HIDE, bed.bottom);
    EXPECT_EQ(bed.pageRect(bed.pages[0]), CRect(200, 0, 1000, 800));
    EXPECT_TRUE(bed.pageRect(bed.bottom).IsRectEmpty());
}

TEST(PageHost, TabRowLayout)
{
    PageHostBed bed;
    CFont font;
    font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    bed.host->m_tabFont = &font;
    std::vector<LoggedPage*> pages;
    for (int i = 0; i < 4; ++i)
        pages.push_back(bed.addTabbedPage());
    auto& buttons = *bed.host->getButtons();
    for (IMultiPageButton* b : buttons) {
        b->m_hInset = 0.1;
        b->m_vInset = 0.2;
    }
    bed.fill();
    // T = 12 x 2.5 = 30; four tabs of 250; insets 12 and 3.
    auto tabRect = [&](int i) { return rectInParent(*dynamic_cast<CWnd*>(buttons[size_t(i)])); };
    EXPECT_EQ(tabRect(0), CRect(12, 3, 238, 27));
    EXPECT_EQ(tabRect(3), CRect(762, 3, 988, 27));
    EXPECT_EQ(bed.pageRect(pages[0]), CRect(0, 30, 1000, 800));

    // A hidden tab leaves the row to the others.
    buttons[1]->m_hidden = true;
    bed.host->recalcLayout();
    EXPECT_FALSE(::IsWindowVisible(dynamic_cast<CWnd*>(buttons[1])->m_hWnd));
    EXPECT_EQ(tabRect(2).left, 333 + 16);

    // A maximum width starts the row at x = 5.
    bed.host->m_maxTabWidth = 100;
    bed.host->recalcLayout();
    EXPECT_EQ(tabRect(0), CRect(5 + 5, 3, 105 - 5, 27));
    EXPECT_EQ(bed.pageRect(pages[0]).left, 5);

    // No visible tab and no tab font: laid out without dividing by zero.
    for (IMultiPageButton* b : buttons)
        b->m_hidden = true;
    bed.host->m_tabFont = nullptr;
    bed.host->recalcLayout();
    EXPECT_GT(bed.pageRect(pages[0]).top, 0);
    bed.host->m_arrangement = 0;
    bed.host->m_maxTabWidth = 0;
    bed.host->recalcLayout();
}

// A row lower in the host: the bottom panel starts where the pages end.
TEST(PageHost, TabRowBelowTheTopMeetsTheBottomPanel)
{
    PageHostBed bed;
    CFont font;
    font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    bed.host->m_tabFont = &font;
    LoggedPage* page = bed.addTabbedPage();
    bed.host->m_bottomHeight = bed.host->m_savedBottomHeight = 0.15;
    LoggedPage* bottom = bed.makePage();
    bed.host->insertCenterBottomPage(L"Bottom", bottom);
    (*bed.host->getButtons())[0]->m_rowPosition = 0.125;
    bed.fill();
    // T 30, Y 100: the pages take 0.85 of the 670 under the row.
    EXPECT_EQ(CRect(0, 130, 1000, 699), bed.pageRect(page));
    EXPECT_EQ(CRect(0, 699, 1000, 800), bed.pageRect(bottom));
}

TEST(PageHost, OwnershipOfPagesAndButtons)
{
    int bareDeleted = 0;
    PageHostBed bed;
    LoggedPage* early = bed.addTabbedPage();
    LoggedPage* owned = bed.addTabbedPage();
    auto* kept = new BarePage(&bareDeleted);
    kept->m_ownedByHost = false;
    bed.host->insertPage(L"kept", bed.newButton(), kept);

    delete early;
    EXPECT_EQ(bed.host->getPage(0), nullptr);
    // The empty slot and the page without a window are skipped.
    bed.host->activatePage(0);
    EXPECT_EQ(bed.host->getActivePage(), kept);
    bed.host->activatePage(1);
    EXPECT_EQ(bed.host->getActivePage(), owned);
    bed.host->activatePage(2);
    EXPECT_EQ(bed.host->getActivePage(), owned);
    bed.fill();

    // A copy of a registered page is a page of its own.
    delete new BarePage(*kept);
    EXPECT_EQ(bed.host->getPage(2), kept);
    EXPECT_EQ(bareDeleted, 1);

    bed.host.reset();
    EXPECT_EQ(bed.log(0).deleted, 1);
    EXPECT_EQ(bed.log(1).deleted, 1);
    EXPECT_EQ(bed.buttonsDeleted(), 3);
    EXPECT_EQ(kept->getImpc(), nullptr);
    EXPECT_FALSE(kept->isRegistered());
    delete kept; // writes nowhere
    EXPECT_EQ(bareDeleted, 2);
}

TEST(PageHost, SidePanelsReplacedOrInsertedAgain)
{
    PageHostBed bed;
    bed.addTabbedPage();
    LoggedPage* first = bed.makePage();
    bed.host->insertLeftPage(L"Left", first);
    bed.host->insertLeftPage(L"Left", first); // the same page stays
    EXPECT_EQ(bed.log(1).deleted, 0);
    EXPECT_EQ(bed.host->getLeftPage(), first);
    EXPECT_EQ(bed.log(1).inits, 2);

    LoggedPage* second = bed.makePage();
    bed.host->insertLeftPage(L"Left", second);
    EXPECT_EQ(bed.log(1).deleted, 1);
    EXPECT_EQ(bed.host->getLeftPage(), second);
    EXPECT_TRUE(visible(second));
    EXPECT_EQ(bed.host->getPageCount(), 2);
}

TEST(PageHost, NextPageWalksTheTabbedPagesOnly)
{
    PageHostBed bed;
    bed.host->insertLeftPage(L"Left", bed.makePage());
    // No centre-top page: the walk ends.
    EXPECT_EQ(bed.host->setNextPrevCenterTopActivePageIdx(true), -1);
    bed.host->nextPage(false);
    LoggedPage* a = bed.addTabbedPage();
    LoggedPage* b = bed.addTabbedPage();
    bed.host->activatePage(1);
    EXPECT_EQ(bed.host->getActivePage(), a);
    bed.host->nextPage(true);
    EXPECT_EQ(bed.host->getActivePage(), b);
    bed.host->nextPage(true); // wraps past the left panel
    EXPECT_EQ(bed.host->getActivePage(), a);
    bed.host->nextPage(false);
    EXPECT_EQ(bed.host->getActivePage(), b);
}

TEST(PageDialog, ShowAndHideTellThePage)
{
    PageHostBed bed;
    LoggedPage* page = bed.makePage();
    page->v_show(SW_SHOW);
    EXPECT_EQ(bed.log(0).activates, 1);
    EXPECT_EQ(bed.log(0).deactivates, 0);
    pumpPending();
    const auto& commands = bed.log(0).commands;
    EXPECT_EQ(std::count(commands.begin(), commands.end(), WPARAM(CGDIpMultiPageDialog::shownCommand)), 1);
    page->v_show(SW_HIDE);
    EXPECT_EQ(bed.log(0).deactivates, 1);
    EXPECT_EQ(bed.log(0).activates, 1);
    delete page;
}

TEST(PageDialog, ACopiedTabKeepsItsShapeButNotItsPlace)
{
    CGDIpMultiPageGradientButton a;
    a.m_width = 3;
    a.m_height = 4;
    a.m_hInset = 0.1;
    a.m_vInset = 0.2;
    a.m_rowPosition = 0.5;
    a.m_hidden = true;
    a.setMPC(reinterpret_cast<IMultiPageCtrl*>(&a));
    CGDIpMultiPageGradientButton b(a);
    EXPECT_EQ(b.m_width, 3);
    EXPECT_EQ(b.m_height, 4);
    EXPECT_EQ(b.m_hInset, 0.1);
    EXPECT_EQ(b.m_vInset, 0.2);
    EXPECT_EQ(b.m_rowPosition, 0);
    EXPECT_FALSE(b.m_hidden);
    EXPECT_EQ(b.getMPC(), nullptr);
}

TEST(PageDialog, AChildPageThatCannotStandAloneStaysInItsHost)
{
    PageLog log;
    CGDIpMultiPageCtrl host;
    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, L"Frame", WS_POPUP, CRect(0, 0, 300, 200)));
    ASSERT_TRUE(host.Create(CRect(0, 0, 300, 200), frame, 1));
    auto* page = new LoggedPage(log);
    page->Create(IDD_TEST_PAGE, &host);
    host.insertPage(L"page", new CGDIpMultiPageGradientButton, page);
    page->v_content2AppSize();
    EXPECT_EQ(page->m_parentFrame, frame);
    ASSERT_TRUE(::IsWindow(page->m_hWnd));
    EXPECT_EQ(::GetParent(page->m_hWnd), host.m_hWnd);
    frame->DestroyWindow();
}

// The host's gradient runs down its height: after a resize every page, the
// shown one and one hidden meanwhile, paints its transparent control over
// the part of the new background that lies under it, also when shown again
// after it was hidden (a hidden page lets its pictures go).
TEST(PageHost, ResizedPagesPaintTheirControlsOverTheNewBackground)
{
    ProgramPages bed;
    bed.host->m_gradientStart = 0xFFFF0000;
    bed.host->m_gradientEnd = 0xFF0000FF;
    bed.host->setCornerFractions(0);
    CBackdropWnd controls[2];
    for (int i = 0; i < 2; ++i) {
        bed.pages[size_t(i)]->m_fillBackground = false;
        ASSERT_TRUE(controls[i].Create(nullptr, L"", WS_CHILD | WS_VISIBLE, CRect(40, 300, 80, 340),
                                       bed.pages[size_t(i)], 50));
    }
    // The control's pixel and the page's beside it, at the same height.
    auto pixels = [&](int i) {
        return std::make_pair(clientPixel(controls[i], 5, 5), clientPixel(*bed.pages[size_t(i)], 30, 305));
    };
    repaintNow(bed.window);
    const auto before = pixels(0);
    EXPECT_EQ(before.second, before.first);
    EXPECT_NE(rgbOfColorref(ITransparentCtrl::clearedColor()), before.first);

    bed.window.SetWindowPos(nullptr, 0, 0, 1000, 500, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    bed.fill();
    repaintNow(bed.window);
    const auto after = pixels(0);
    EXPECT_EQ(after.second, after.first);
    EXPECT_NE(before.first, after.first);

    bed.host->activatePage(1);
    pumpPending();
    const auto hidden = pixels(1);
    EXPECT_EQ(hidden.second, hidden.first);
    EXPECT_EQ(after.first, hidden.first);

    bed.host->activatePage(0);
    pumpPending();
    EXPECT_EQ(after, pixels(0));
}
