#include "PageTestSupport.h"

#include <memory>

using namespace drawntest;

namespace {

// A frame that records the presses and commands its caption bar forwards
// instead of acting on them (a caption press would start the move loop).
class RecordingFrame : public CFrameWndEx
{
public:
    struct Press
    {
        UINT message;
        UINT hit;
        CPoint point;
    };
    std::vector<Press> presses;
    std::vector<UINT> sysCommands;
    std::vector<std::vector<std::wstring>> popupTexts; // per popup shown: its entries, separators empty
    std::vector<UINT> grayedSysCommands;               // of the last system menu shown

protected:
    afx_msg void OnNcLButtonDown(UINT hit, CPoint p) { presses.push_back({WM_NCLBUTTONDOWN, hit, p}); }
    afx_msg void OnNcLButtonDblClk(UINT hit, CPoint p) { presses.push_back({WM_NCLBUTTONDBLCLK, hit, p}); }
    afx_msg void OnSysCommand(UINT id, LPARAM) { sysCommands.push_back(id); }
    afx_msg void OnInitMenuPopup(CMenu* menu, UINT, BOOL)
    {
        std::vector<std::wstring> texts;
        for (int i = 0; i < menu->GetMenuItemCount(); ++i) {
            CString text;
            menu->GetMenuString(UINT(i), text, MF_BYPOSITION);
            texts.emplace_back(text.GetString());
        }
        popupTexts.push_back(texts);
        if (menu->GetMenuState(SC_CLOSE, MF_BYCOMMAND) == UINT(-1))
            return;
        grayedSysCommands.clear();
        for (UINT command : {SC_SIZE, SC_MOVE, SC_MAXIMIZE, SC_RESTORE}) {
            if (menu->GetMenuState(command, MF_BYCOMMAND) & MF_GRAYED)
                grayedSysCommands.push_back(command);
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingFrame, CFrameWndEx)
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONDBLCLK()
ON_WM_SYSCOMMAND()
ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

class TestCaptionBar : public CGDIpCaptionBar
{
public:
    using CMSMCaptionBar::m_menuRects;
};

// A frame with the drawn visual manager and a caption bar on it.
struct CaptionBed
{
    explicit CaptionBed(CRuntimeClass* manager = RUNTIME_CLASS(CGDIpVisualManager))
    {
        CMFCVisualManager::SetDefaultManager(manager);
        frame = new RecordingFrame;
        frame->Create(nullptr, L"Frame", WS_POPUP | WS_SYSMENU, CRect(20, 20, 620, 420));
        frame->ShowWindow(SW_SHOWNA);
        created = bar.Create(frame, IDB_CAPTION_BUTTONS, 0, 128);
    }
    ~CaptionBed()
    {
        bar.DestroyWindow();
        frame->DestroyWindow(); // the frame deletes itself
        CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CMFCVisualManager));
    }
    CRect client() const
    {
        CRect r;
        bar.GetClientRect(&r);
        return r;
    }
    CPoint screen(CPoint p) const
    {
        bar.ClientToScreen(&p);
        return p;
    }
    CRect buttonRect(UINT id) { return rectInParent(*bar.GetDlgItem(int(id))); }
    void press(UINT message, CPoint p)
    {
        bar.PostMessage(message, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        pumpPending();
    }

    RecordingFrame* frame;
    TestCaptionBar bar;
    BOOL created;
};

HICON copyOfAppIcon()
{
    return ::CopyIcon(::LoadIconW(nullptr, IDI_APPLICATION));
}

} // namespace

TEST(CaptionBar, ButtonsFromTheBitmapAndHitCodes)
{
    CaptionBed bed;
    ASSERT_TRUE(bed.created);
    // 144 pixels make twelve 12-pixel images: buttons 12 x 12, caption 14.
    EXPECT_EQ(bed.bar.GetCaptionHeight(), 14);
    const CRect client = bed.client();
    EXPECT_GE(client.Height(), 14);
    const int W = client.Width();
    const int top = (client.Height() - 12) / 2;
    EXPECT_TRUE(bed.buttonRect(SC_CLOSE) == CRect(W - 12, top, W, top + 12));
    EXPECT_TRUE(bed.buttonRect(SC_MAXIMIZE) == CRect(W - 25, top, W - 13, top + 12));
    EXPECT_TRUE(bed.buttonRect(SC_MINIMIZE) == CRect(W - 38, top, W - 26, top + 12));

    const int mid = client.Height() / 2;
    EXPECT_EQ(bed.bar.HitTest(bed.screen(CPoint(W - 6, mid))), UINT(HTCLOSE));
    EXPECT_EQ(bed.bar.HitTest(bed.screen(CPoint(W - 20, mid))), UINT(HTMAXBUTTON));
    EXPECT_EQ(bed.bar.HitTest(bed.screen(CPoint(W - 33, mid))), UINT(HTMINBUTTON));
    EXPECT_EQ(bed.bar.HitTest(bed.screen(CPoint(300, mid))), UINT(HTCAPTION));
    EXPECT_EQ(bed.bar.HitTest(bed.screen(CPoint(2, mid))), UINT(HTCAPTION)); // no icon yet
    EXPECT_EQ(bed.bar.HitTest(bed.screen(CPoint(300, client.bottom + 5))), UINT(HTNOWHERE));
    bed.bar.SetIcon(copyOfAppIcon());
    EXPECT_EQ(bed.bar.HitTest(bed.screen(CPoint(2, mid))), UINT(HTSYSMENU));

    bed.bar.SetParentMaximize(TRUE);
    EXPECT_TRUE(bed.bar.IsParentMaximize());
    EXPECT_EQ(bed.bar.GetDlgItem(SC_MAXIMIZE), nullptr);
    ASSERT_NE(bed.bar.GetDlgItem(SC_RESTORE), nullptr);
    EXPECT_EQ(bed.bar.HitTest(bed.screen(CPoint(W - 20, mid))), UINT(HTMAXBUTTON));
    bed.bar.SetParentMaximize(FALSE);
    EXPECT_NE(bed.bar.GetDlgItem(SC_MAXIMIZE), nullptr);
}

TEST(CaptionBar, PressesAndButtonsReachTheFrame)
{
    CaptionBed bed;
    ASSERT_TRUE(bed.created);
    const CPoint caption(300, bed.client().Height() / 2);
    bed.press(WM_LBUTTONDOWN, caption);
    bed.press(WM_LBUTTONDBLCLK, caption);
    ASSERT_EQ(bed.frame->presses.size(), 2u);
    EXPECT_EQ(bed.frame->presses[0].message, UINT(WM_NCLBUTTONDOWN));
    EXPECT_EQ(bed.frame->presses[0].hit, UINT(HTCAPTION));
    EXPECT_EQ(bed.frame->presses[0].point, bed.screen(caption));
    EXPECT_EQ(bed.frame->presses[1].message, UINT(WM_NCLBUTTONDBLCLK));

    bed.bar.GetDlgItem(SC_CLOSE)->SendMessage(BM_CLICK);
    bed.bar.GetDlgItem(SC_MINIMIZE)->SendMessage(BM_CLICK);
    pumpPending();
    ASSERT_EQ(bed.frame->sysCommands.size(), 2u);
    EXPECT_EQ(bed.frame->sysCommands[0], UINT(SC_CLOSE));
    EXPECT_EQ(bed.frame->sysCommands[1], UINT(SC_MINIMIZE));
    EXPECT_TRUE(::IsWindow(bed.frame->m_hWnd));
}

TEST(CaptionBar, CaptionMenuShowsItsTextsPerPosition)
{
    CaptionBed bed;
    ASSERT_TRUE(bed.created);
    bed.bar.m_captionMenuId = IDR_CAPTION_MENU;
    bed.bar.m_captionMenuTexts = {{L"Plik", L"Połącz", L"Wczytaj"}, {L"Info"}};
    repaintNow(bed.bar);
    ASSERT_EQ(bed.bar.m_menuRects.size(), 2u);
    EXPECT_LT(bed.bar.m_menuRects[0].right, bed.bar.m_menuRects[1].left);

    // The popup opened by a press is closed again from a timer.
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); });
    bed.press(WM_LBUTTONDOWN, bed.bar.m_menuRects[0].CenterPoint());
    ::KillTimer(nullptr, timer);
    EXPECT_TRUE(bed.frame->presses.empty()); // no move loop for a menu press
    ASSERT_EQ(bed.frame->popupTexts.size(), 1u);
    const std::vector<std::wstring> expected = {L"Połącz", L"", L"Wczytaj", L"E&xit"};
    EXPECT_EQ(bed.frame->popupTexts[0], expected);

    // Hovering an item frames it; leaving the bar takes the frame away.
    Canvas shot(bed.client().Width(), bed.client().Height());
    auto framePixels = [&] {
        repaintNow(bed.bar);
        CClientDC dc(&bed.bar);
        shot.dc().BitBlt(0, 0, shot.width(), shot.height(), &dc, 0, 0, SRCCOPY);
        return countPixels(shot, CRect(0, 0, shot.width(), shot.height()), 0x808080);
    };
    bed.bar.SendMessage(WM_MOUSELEAVE); // the press above left item 0 hovered
    EXPECT_EQ(framePixels(), 0);
    const CPoint onItem = bed.bar.m_menuRects[1].CenterPoint();
    bed.bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(onItem.x, onItem.y));
    EXPECT_GT(framePixels(), 10);
    bed.bar.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(framePixels(), 0);

    // A press on the icon shows the system menu, which goes no further.
    bed.bar.SetIcon(copyOfAppIcon());
    const UINT_PTR again = ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); });
    bed.press(WM_LBUTTONDOWN, CPoint(2, bed.client().Height() / 2));
    EXPECT_TRUE(bed.frame->presses.empty());
    EXPECT_EQ(bed.frame->grayedSysCommands, std::vector<UINT>{SC_RESTORE});
    bed.bar.SetParentMaximize(TRUE);
    bed.press(WM_LBUTTONDOWN, CPoint(2, bed.client().Height() / 2));
    ::KillTimer(nullptr, again);
    const std::vector<UINT> whileMaximized = {SC_SIZE, SC_MOVE, SC_MAXIMIZE};
    EXPECT_EQ(bed.frame->grayedSysCommands, whileMaximized);
}

TEST(CaptionBar, MenuBarPaneItemsAreFixed)
{
    CaptionBed bed;
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_CAPTION_MENU));
    CMSMMenuBar bar;
    ASSERT_TRUE(bar.Create(bed.frame));
    bar.CreateFromMenu(menu.m_hMenu);
    EXPECT_TRUE(bar.GetPaneStyle() & CBRS_SIZE_DYNAMIC);
    EXPECT_EQ(bar.GetBorders(), CRect(0, 0, 0, 0));
    EXPECT_EQ(bar.GetItemRect(1).Size(), CSize(40, 16));
    bar.DestroyWindow();
}

TEST(CaptionBar, IconsAndBitmapsOwnedAndChecked)
{
    CaptionBed bed;
    ASSERT_TRUE(bed.created);
    HICON first = copyOfAppIcon();
    bed.bar.SetIcon(first);
    bed.bar.SetIcon(first); // the same icon again is kept
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(first, &info));
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    bed.bar.SetIcon(nullptr);
    EXPECT_FALSE(::GetIconInfo(first, &info));

    CMSMVisualManager manager;
    EXPECT_FALSE(manager.LoadMSMCaptionButtonsIcons(IDB_NARROW_BUTTONS));
    EXPECT_FALSE(manager.LoadMSMCaptionButtonsIcons(9999));
    EXPECT_EQ(manager.GetMSMCaptionButtonsSize(), CSize(0, 0));
    ASSERT_TRUE(manager.LoadMSMCaptionButtonsIcons(IDB_CAPTION_BUTTONS));
    EXPECT_EQ(manager.GetMSMCaptionButtonsSize(), CSize(12, 12));
    EXPECT_EQ(manager.GetMSMCaptionButtonsImageCount(), 12);

    // The parent must be a frame of panes; nothing is made otherwise.
    HostWindow plain;
    CGDIpCaptionBar orphan;
    EXPECT_FALSE(orphan.Create(&plain, IDB_CAPTION_BUTTONS, 0, 1));
    EXPECT_EQ(orphan.m_hWnd, nullptr);
}

TEST(CaptionBar, PaintsInTheManagersColours)
{
    {
        CaptionBed bed;
        ASSERT_TRUE(bed.created);
        bed.bar.SetWindowText(L"");
        repaintNow(bed.bar);
        EXPECT_TRUE(rgbNear(0x434343, clientPixel(bed.bar, 300, 2)));
    }
    // Under the framework's own manager the drawn bar still paints.
    CaptionBed plain(RUNTIME_CLASS(CMFCVisualManagerOffice2003));
    ASSERT_TRUE(plain.created);
    repaintNow(plain.bar);
}

TEST(VisualManager, DrawnColours)
{
    CGDIpVisualManager gray;
    EXPECT_EQ(GetGlobalData()->clrBarText, RGB(255, 255, 255));
    EXPECT_EQ(GetGlobalData()->clrBtnShadow, RGB(0x80, 0x80, 0x80));
    Canvas canvas(100, 40);
    const CRect all(0, 0, 100, 40);
    gray.drawCaptionBarBackground(&canvas.dc(), nullptr, all, all);
    EXPECT_TRUE(rgbNear(0x434343, canvas.rgb(50, 20), 0));

    Canvas frames(100, 40);
    gray.drawMenuFocusRectOnCaptionBar(&frames.dc(), CRect(0, 0, 20, 20));
    EXPECT_EQ(frames.rgb(1, 1), 0x808080u);
    EXPECT_EQ(frames.rgb(0, 0), 0xFFFFFFu);
    gray.drawMenuFocusRect(&frames.dc(), CRect(40, 0, 60, 20));
    EXPECT_EQ(frames.rgb(41, 1), 0xFF0000u);

    Canvas separator(100, 9);
    gray.drawPopUpMenuSeparator(&separator.dc(), CRect(0, 0, 100, 9));
    EXPECT_EQ(separator.rgb(99, 4), 0x808080u);
    EXPECT_EQ(separator.rgb(1, 4), 0x434343u);

    // Caption text red, caption-menu text white, on the gray.
    CFont font;
    font.CreateFont(-30, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    canvas.dc().SelectObject(&font);
    gray.drawCaptionBarText(&canvas.dc(), L"WWWW", CRect(0, 0, 100, 40), DT_LEFT | DT_SINGLELINE);
    EXPECT_GT(countPixels(canvas, all, 0xFF0000), 20);
    gray.drawCaptionBarBackground(&canvas.dc(), nullptr, all, all);
    gray.drawMenuTextOnCaptionBar(&canvas.dc(), L"WWWW", CRect(0, 0, 100, 40), DT_LEFT | DT_SINGLELINE);
    EXPECT_GT(countPixels(canvas, all, 0xFFFFFF), 20);

    CGDIpDarkBlueVisualManager blue;
    blue.drawCaptionBarBackground(&canvas.dc(), nullptr, all, all);
    EXPECT_TRUE(rgbNear(0x34497E, canvas.rgb(50, 20), 0));
    EXPECT_EQ(blue.getCaptionTextColor(), RGB(255, 255, 255));
}
