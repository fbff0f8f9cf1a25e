#include "WfxFrameSupport.h"
#include "WfxTestSupport.h"

#include <ExtPreviewView.h>
#include <IPrintView.h>
#include <TempDir.h>

#include <gtest/gtest.h>

#include <string>

using wfxtest::pumpPending;
using wfxtest::repaintNow;

namespace {

struct PrintRecord
{
    std::vector<UINT> pages; // drawn through IPrintView, in order
    int printerPixelsPerInch = 0;
    int printCommands = 0;
    bool previewGoneAtPrint = false;
};
PrintRecord g_record;

// A document of `pages` pages: each has an inch-square black block at the
// printable area's top left.
class CPagesView : public CView, public IPrintView
{
    DECLARE_DYNCREATE(CPagesView)

public:
    static UINT pages;

    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        pInfo->SetMaxPage(pages);
        return DoPreparePrinting(pInfo);
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override { printPage(pDC, pInfo); }
    void printPage(CDC* dc, CPrintInfo* info) override
    {
        g_record.pages.push_back(info->m_nCurPage);
        g_record.printerPixelsPerInch = dc->GetDeviceCaps(LOGPIXELSX);
        dc->FillSolidRect(0, 0, 300, 300, RGB(0, 0, 0));
    }

protected:
    afx_msg void OnPrintCommand()
    {
        ++g_record.printCommands;
        CFrameWnd* frame = GetParentFrame();
        g_record.previewGoneAtPrint = frame->GetActiveView() == this && IsWindowVisible() &&
                                      !::GetDlgItem(frame->m_hWnd, AFX_IDW_PREVIEW_BAR);
        OnFilePrint();
    }
    DECLARE_MESSAGE_MAP()
};

UINT CPagesView::pages = 3;

IMPLEMENT_DYNCREATE(CPagesView, CView)

BEGIN_MESSAGE_MAP(CPagesView, CView)
ON_COMMAND(ID_FILE_PRINT, &CPagesView::OnPrintCommand)
END_MESSAGE_MAP()

// The preview with its state open to the test.
class CProbePreview : public ExtPreviewView
{
    DECLARE_DYNCREATE(CProbePreview)

public:
    UINT step() const { return m_nZoomState; }
    CSize unscaled() const { return m_pPageInfo[0].sizeUnscaled; }
    CSize ratio() const { return m_pPageInfo[0].sizeScaleRatio; }
    CSize zoomOut() const { return m_pPageInfo[0].sizeZoomOutRatio; }
    CRect pageRect(int i = 0) const { return m_pPageInfo[i].rectScreen; }
    UINT current() const { return m_nCurrentPage; }
    CPoint printOffset() const { return m_printOffset; }
    CPoint scroll() const { return GetDeviceScrollPosition(); }
    bool scaleMode() const { return m_bScaleMode; }
    HCURSOR magnifier() const { return m_hMagnifyCursor; }
    HCURSOR hand() const { return m_hMoveCursor; }
    HCURSOR grip() const { return m_hMovePressedCursor; }
};

IMPLEMENT_DYNCREATE(CProbePreview, ExtPreviewView)

// A window that counts the MDI activations it is sent.
class ActivationCounter : public wfxtest::HostWindow
{
public:
    ActivationCounter() : HostWindow(520, 640) {}
    int activations = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        activations += message == WM_MDIACTIVATE;
        return HostWindow::WindowProc(message, wParam, lParam);
    }
};

int screenPixelsPerInch()
{
    HDC screen = ::GetDC(nullptr);
    int ppi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    return ppi;
}

class PreviewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(wfxtest::testPrinterReady()) << "no test printer: source tests/testenv.sh after building";
        g_record = PrintRecord();
        CPagesView::pages = 3;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CPagesView);
        m_frame = new CFrameWnd;
        m_frame->m_bAutoDelete = TRUE;
        ASSERT_TRUE(m_frame->Create(nullptr, L"preview", WS_POPUP, CRect(0, 0, 520, 640), nullptr, nullptr, 0,
                                    &context));
        m_frame->InitialUpdateFrame(nullptr, FALSE);
        m_frame->ShowWindow(SW_SHOWNA);
        m_view = DYNAMIC_DOWNCAST(CPagesView, m_frame->GetActiveView());
        ASSERT_NE(nullptr, m_view);
    }
    void TearDown() override
    {
        WfxSetPrintDialogHook(nullptr);
        WfxSetFileDialogHook(nullptr);
        if (m_frame && ::IsWindow(m_frame->m_hWnd))
            m_frame->DestroyWindow();
    }

    CProbePreview* preview(CFrameWnd* frame = nullptr, CView* view = nullptr)
    {
        frame = frame ? frame : m_frame;
        view = view ? view : m_view;
        if (!view->DoPrintPreview(IDD_EXT_PREVIEW_BAR, view, RUNTIME_CLASS(CProbePreview),
                                  new CPrintPreviewState))
            return nullptr;
        auto* shown = DYNAMIC_DOWNCAST(CProbePreview, frame->GetActiveView());
        if (shown)
            repaintNow(*shown);
        return shown;
    }
    void command(UINT id, CFrameWnd* frame = nullptr)
    {
        (frame ? frame : m_frame)->SendMessage(WM_COMMAND, id);
    }
    bool enabled(UINT id)
    {
        HWND bar = ::GetDlgItem(m_frame->m_hWnd, AFX_IDW_PREVIEW_BAR);
        ::SendMessageW(bar, WM_IDLEUPDATECMDUI, TRUE, 0);
        return ::IsWindowEnabled(::GetDlgItem(bar, int(id)));
    }

    CFrameWnd* m_frame = nullptr;
    CPagesView* m_view = nullptr;
};

} // namespace

// Whole A4 pages of the 300 dpi printer at the screen's resolution, centred,
// the printable area's top left (18 pt in) drawn through IPrintView; the
// offset at 400 % is the printer's margin in screen pixels.
TEST_F(PreviewTest, PlacesThePrintersPageAndItsPrintableArea)
{
    CProbePreview* shown = preview();
    ASSERT_NE(nullptr, shown);
    int ppi = screenPixelsPerInch();
    EXPECT_EQ(CSize(MulDiv(2479, ppi, 300), MulDiv(3508, ppi, 300)), shown->unscaled());
    CSize ratio = shown->ratio();
    EXPECT_EQ(shown->zoomOut(), ratio);
    CRect page = shown->pageRect();
    EXPECT_EQ(MulDiv(shown->unscaled().cx, ratio.cx, ratio.cy) + 3, page.Width());
    CRect client;
    shown->GetClientRect(&client);
    EXPECT_NEAR(page.left, client.right - page.right, 4); // the shadow sits on the right
    EXPECT_LE(page.bottom, client.bottom);
    EXPECT_EQ(std::vector<UINT>{1}, g_record.pages);
    EXPECT_EQ(300, g_record.printerPixelsPerInch);
    EXPECT_NEAR(MulDiv(75 * 4, ppi, 300) + 9, shown->printOffset().x, 1);
    // The block starts at the printable area, a margin in from the paper's edge.
    int margin = MulDiv(MulDiv(75, ppi, 300), ratio.cx, ratio.cy);
    int blockEnd = MulDiv(MulDiv(375, ppi, 300), ratio.cx, ratio.cy);
    CPoint inBlock(page.left + 1 + (margin + blockEnd) / 2, page.top + 1 + (margin + blockEnd) / 2);
    EXPECT_EQ(0x000000u, wfxtest::clientPixel(*shown, inBlock.x, inBlock.y));
    EXPECT_EQ(0xFFFFFFu, wfxtest::clientPixel(*shown, page.left + margin / 2, page.top + margin / 2));
    EXPECT_EQ(0xFFFFFFu, wfxtest::clientPixel(*shown, page.CenterPoint().x, page.bottom - 20));
}

// Six steps: the fit, two between it and 100 %, then 200, 300 and 400 %;
// zooming stops at both ends, where its command is disabled.
TEST_F(PreviewTest, ZoomsInSixSteps)
{
    CProbePreview* shown = preview();
    ASSERT_NE(nullptr, shown);
    CSize fit = shown->zoomOut();
    ASSERT_LT(fit.cx, fit.cy);
    EXPECT_FALSE(enabled(AFX_ID_PREVIEW_ZOOMOUT));
    EXPECT_TRUE(enabled(AFX_ID_PREVIEW_NEXT));
    EXPECT_FALSE(enabled(AFX_ID_PREVIEW_PREV));
    const CSize expected[] = {CSize((fit.cx + fit.cy) / 2, fit.cy),
                              CSize(1, 1),
                              CSize(200, 100),
                              CSize(300, 100),
                              CSize(400, 100),
                              CSize(400, 100)};
    for (const CSize& ratio : expected) {
        command(AFX_ID_PREVIEW_ZOOMIN);
        EXPECT_EQ(ratio, shown->ratio());
    }
    EXPECT_EQ(5u, shown->step());
    EXPECT_EQ(4 * shown->unscaled().cx + 11, shown->pageRect().right);
    EXPECT_FALSE(enabled(AFX_ID_PREVIEW_ZOOMIN));
    EXPECT_FALSE(enabled(AFX_ID_PREVIEW_NUMPAGE));
    for (int i = 0; i < 6; ++i)
        command(AFX_ID_PREVIEW_ZOOMOUT);
    repaintNow(*shown);
    EXPECT_EQ(0u, shown->step());
    EXPECT_EQ(fit, shown->ratio());
    EXPECT_TRUE(enabled(AFX_ID_PREVIEW_ZOOMIN));
    command(AFX_ID_PREVIEW_NEXT);
    command(AFX_ID_PREVIEW_NEXT);
    command(AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(3u, shown->current());
    EXPECT_FALSE(enabled(AFX_ID_PREVIEW_NEXT));
}

// Scale mode: a click on a page zooms in about it, the right button out,
// dragging never scrolls. Move mode: clicks do not zoom, dragging scrolls
// the magnified page only.
TEST_F(PreviewTest, ScaleAndMoveModes)
{
    CProbePreview* shown = preview();
    ASSERT_NE(nullptr, shown);
    EXPECT_TRUE(shown->scaleMode());
    EXPECT_EQ(BST_CHECKED, ::IsDlgButtonChecked(::GetDlgItem(m_frame->m_hWnd, AFX_IDW_PREVIEW_BAR),
                                                ID_PREVIEW_SCALE_MODE));
    HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
    EXPECT_NE(arrow, shown->magnifier());
    EXPECT_NE(arrow, shown->hand());
    EXPECT_NE(arrow, shown->grip());
    CPoint onPage = shown->pageRect().CenterPoint();
    shown->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2)); // off the page
    shown->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(0u, shown->step());
    for (int i = 0; i < 3; ++i) {
        shown->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(onPage.x, onPage.y));
        shown->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(onPage.x, onPage.y));
    }
    EXPECT_EQ(3u, shown->step());
    CPoint scrolled = shown->scroll();
    EXPECT_GT(scrolled.y, 0); // centred on the point clicked, well down the page
    shown->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(onPage.x + 40, onPage.y + 40));
    EXPECT_EQ(scrolled, shown->scroll());
    shown->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(onPage.x, onPage.y));
    EXPECT_EQ(2u, shown->step());

    command(ID_PREVIEW_MOVE_MODE);
    EXPECT_FALSE(shown->scaleMode());
    command(AFX_ID_PREVIEW_ZOOMIN);
    scrolled = shown->scroll();
    shown->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 200));
    EXPECT_EQ(3u, shown->step());
    shown->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(180, 170));
    EXPECT_EQ(scrolled + CSize(20, 30), shown->scroll());
    shown->SendMessage(WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MAKELPARAM(100, 100));
    EXPECT_EQ(scrolled + CSize(20, 30), shown->scroll());
    shown->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(180, 170));
    for (int i = 0; i < 3; ++i)
        command(AFX_ID_PREVIEW_ZOOMOUT);
    scrolled = shown->scroll();
    shown->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(onPage.x, onPage.y));
    shown->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(onPage.x - 30, onPage.y - 30));
    shown->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(onPage.x - 30, onPage.y - 30));
    EXPECT_EQ(0u, shown->step());
    EXPECT_EQ(scrolled, shown->scroll());
}

// Print from the preview: the preview closes first, then the view gets the
// command and prints every page to the file asked for.
TEST_F(PreviewTest, PrintingFromPreviewReachesTheViewAfterItClosed)
{
    kwtest::TempDir folder;
    std::wstring output = folder.file(L"pages.ps");
    WfxSetPrintDialogHook([](PRINTDLGW& pd) {
        pd.Flags |= PD_PRINTTOFILE;
        return TRUE;
    });
    WfxSetFileDialogHook([&](OPENFILENAMEW& ofn, BOOL) {
        wcsncpy(ofn.lpstrFile, output.c_str(), ofn.nMaxFile);
        return TRUE;
    });
    CProbePreview* shown = preview();
    ASSERT_NE(nullptr, shown);
    EXPECT_FALSE(m_view->IsWindowVisible());
    command(AFX_ID_PREVIEW_PRINT);
    pumpPending();
    EXPECT_EQ(1, g_record.printCommands);
    EXPECT_TRUE(g_record.previewGoneAtPrint);
    EXPECT_EQ(m_view, m_frame->GetActiveView());
    EXPECT_EQ(m_view->m_hWnd, ::GetDlgItem(m_frame->m_hWnd, AFX_IDW_PANE_FIRST));
    std::string text = wfxtest::fileBytes(output);
    EXPECT_EQ(0u, text.find("%!PS"));
    EXPECT_EQ(3u, wfxtest::countOf(text, "%%Page:"));
}

// Without a printer there is nothing to preview: a clear message, and the
// frame keeps its view and gets no tool bar.
TEST_F(PreviewTest, NoPrinterLeavesTheFrameAsItWas)
{
    wfxtest::MessageBoxRecorder boxes;
    WfxSetPrintDialogHook([](PRINTDLGW&) { return FALSE; });
    EXPECT_EQ(nullptr, preview());
    EXPECT_EQ(1u, boxes.texts.size());
    EXPECT_EQ(m_view, m_frame->GetActiveView());
    EXPECT_TRUE(m_view->IsWindowVisible());
    EXPECT_EQ(m_view->m_hWnd, ::GetDlgItem(m_frame->m_hWnd, AFX_IDW_PANE_FIRST));
    EXPECT_EQ(nullptr, ::GetDlgItem(m_frame->m_hWnd, AFX_IDW_PREVIEW_BAR));
}

// A screen context as the printer reports no page size: the page falls back
// to the screen's resolution and zooms through all steps.
TEST_F(PreviewTest, PrinterWithoutPageSizeFallsBackToItsResolution)
{
    WfxSetPrintDialogHook([](PRINTDLGW& pd) {
        pd.hDC = ::CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
        return TRUE;
    });
    CProbePreview* shown = preview();
    ASSERT_NE(nullptr, shown);
    HDC screen = ::GetDC(nullptr);
    CSize resolution(::GetDeviceCaps(screen, HORZRES), ::GetDeviceCaps(screen, VERTRES));
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(resolution, shown->unscaled());
    for (int i = 0; i < 5; ++i)
        command(AFX_ID_PREVIEW_ZOOMIN);
    repaintNow(*shown);
    EXPECT_EQ(CSize(400, 100), shown->ratio());
    command(AFX_ID_PREVIEW_CLOSE);
    EXPECT_EQ(m_view, m_frame->GetActiveView());
}

// Closing reactivates the previewed view's MDI child, and sends no MDI
// activation for a frame that is not one.
TEST_F(PreviewTest, CloseReactivatesTheMdiChildOnly)
{
    ActivationCounter host;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CPagesView);
    auto* inner = new CFrameWnd;
    inner->m_bAutoDelete = TRUE;
    ASSERT_TRUE(inner->Create(nullptr, L"inner", WS_CHILD | WS_VISIBLE, CRect(0, 0, 500, 600), &host, nullptr,
                              0, &context));
    inner->InitialUpdateFrame(nullptr, FALSE);
    auto* innerView = DYNAMIC_DOWNCAST(CPagesView, inner->GetActiveView());
    ASSERT_NE(nullptr, preview(inner, innerView));
    command(AFX_ID_PREVIEW_CLOSE, inner);
    EXPECT_EQ(innerView, inner->GetActiveView());
    EXPECT_EQ(0, host.activations);

    auto* main = new CMDIFrameWnd;
    main->m_bAutoDelete = TRUE;
    ASSERT_TRUE(main->Create(nullptr, L"mdi", WS_POPUP | WS_CLIPCHILDREN, CRect(0, 0, 600, 700)));
    main->ShowWindow(SW_SHOWNA);
    CMDIChildWnd* children[2] = {new CMDIChildWnd, new CMDIChildWnd};
    for (CMDIChildWnd* child : children) {
        child->m_bAutoDelete = TRUE;
        ASSERT_TRUE(child->Create(nullptr, L"pages", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                                  CRect(0, 0, 500, 600), main, &context));
        child->InitialUpdateFrame(nullptr, TRUE);
    }
    auto* view = DYNAMIC_DOWNCAST(CPagesView, children[0]->GetActiveView());
    ASSERT_NE(nullptr, preview(children[0], view));
    main->MDIActivate(children[1]);
    ASSERT_EQ(children[1], main->MDIGetActive());
    command(AFX_ID_PREVIEW_CLOSE, children[0]);
    EXPECT_EQ(children[0], main->MDIGetActive());
    EXPECT_EQ(view, children[0]->GetActiveView());
    main->DestroyWindow();
}
