#include "WfxPrintTestIds.h"
#include "WfxTestSupport.h"

#include <TempDir.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using wfxtest::repaintNow;

namespace {

std::vector<UINT> g_printed; // pages given to OnPrint, preview or paper

// Four pages, each drawn as a black inch at the printable area's top left.
class CFourPagesView : public CView
{
    DECLARE_DYNCREATE(CFourPagesView)

public:
    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        pInfo->SetMaxPage(4);
        pInfo->m_nNumPreviewPages = 2;
        return DoPreparePrinting(pInfo);
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        g_printed.push_back(pInfo->m_nCurPage);
        pDC->FillSolidRect(0, 0, pDC->GetDeviceCaps(LOGPIXELSX), pDC->GetDeviceCaps(LOGPIXELSY),
                           RGB(0, 0, 0));
    }

protected:
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CFourPagesView, CView)

BEGIN_MESSAGE_MAP(CFourPagesView, CView)
ON_COMMAND(ID_FILE_PRINT, &CView::OnFilePrint)
END_MESSAGE_MAP()

// The preview's state open to the test.
class CProbePreviewView : public CPreviewView
{
    DECLARE_DYNCREATE(CProbePreviewView)

public:
    UINT shown() const { return m_nPages; }
    UINT current() const { return m_nCurrentPage; }
    CRect pageRect(int i) const { return m_pPageInfo[i].rectScreen; }
};

IMPLEMENT_DYNCREATE(CProbePreviewView, CPreviewView)

class WfxPrintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(wfxtest::testPrinterReady()) << "no test printer: source tests/testenv.sh after building";
        g_printed.clear();
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CFourPagesView);
        m_frame = new CFrameWnd;
        m_frame->m_bAutoDelete = TRUE;
        ASSERT_TRUE(m_frame->Create(nullptr, L"print", WS_POPUP, CRect(0, 0, 700, 500), nullptr,
                                    MAKEINTRESOURCEW(IDR_PRINT_FRAME), 0, &context));
        ASSERT_TRUE(m_status.Create(m_frame));
        ASSERT_TRUE(m_tools.Create(m_frame, IDD_PREVIEW_BAR, CBRS_TOP | WS_VISIBLE, ID_PRINT_TOOLS));
        m_frame->InitialUpdateFrame(nullptr, FALSE);
        m_frame->ShowWindow(SW_SHOWNA);
        m_frame->RecalcLayout();
        m_view = m_frame->GetActiveView();
    }
    void TearDown() override
    {
        WfxSetPrintDialogHook(nullptr);
        WfxSetFileDialogHook(nullptr);
        if (::IsWindow(m_frame->m_hWnd))
            m_frame->DestroyWindow();
    }
    // Answers the print dialog with a page range printed to `output`.
    void printTo(const std::wstring& output, WORD from, WORD to)
    {
        WfxSetPrintDialogHook([from, to](PRINTDLGW& pd) {
            pd.Flags |= PD_PRINTTOFILE | PD_PAGENUMS;
            pd.nFromPage = from;
            pd.nToPage = to;
            return TRUE;
        });
        WfxSetFileDialogHook([output](OPENFILENAMEW& ofn, BOOL) {
            wcsncpy(ofn.lpstrFile, output.c_str(), ofn.nMaxFile);
            return TRUE;
        });
    }

    CFrameWnd* m_frame = nullptr;
    CView* m_view = nullptr;
    CStatusBar m_status;
    CDialogBar m_tools;
};

} // namespace

// The frame gives its menu, tool bar and view to the preview (the status
// bar stays and shows the pages) and gets them back when it closes.
TEST_F(WfxPrintTest, PreviewTakesTheFrameAndGivesItBack)
{
    HMENU menu = ::GetMenu(m_frame->m_hWnd);
    ASSERT_NE(nullptr, menu);
    ASSERT_TRUE(m_view->DoPrintPreview(IDD_PREVIEW_BAR, m_view, RUNTIME_CLASS(CProbePreviewView),
                                       new CPrintPreviewState));
    auto* preview = DYNAMIC_DOWNCAST(CProbePreviewView, m_frame->GetActiveView());
    ASSERT_NE(nullptr, preview);
    repaintNow(*preview);
    EXPECT_EQ(nullptr, ::GetMenu(m_frame->m_hWnd));
    EXPECT_FALSE(m_tools.IsWindowVisible());
    EXPECT_FALSE(m_view->IsWindowVisible());
    EXPECT_TRUE(m_status.IsWindowVisible());
    EXPECT_EQ(2u, preview->shown());
    EXPECT_EQ((std::vector<UINT>{1, 2}), g_printed);
    wchar_t text[64] = {};
    m_status.SendMessage(SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(L"Pages 1-2", text);
    EXPECT_GT(preview->pageRect(1).left, preview->pageRect(0).right);
    int low = 0;
    int high = 0;
    preview->GetScrollRange(SB_VERT, &low, &high);
    EXPECT_EQ(1, low);
    EXPECT_EQ(4, high);

    // The bar's buttons reach the preview through the frame.
    HWND bar = ::GetDlgItem(m_frame->m_hWnd, AFX_IDW_PREVIEW_BAR);
    ::SendMessageW(bar, WM_COMMAND, MAKEWPARAM(AFX_ID_PREVIEW_NEXT, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(bar, AFX_ID_PREVIEW_NEXT)));
    EXPECT_EQ(2u, preview->current());
    preview->SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(4u, preview->current());
    g_printed.clear();
    repaintNow(*preview); // no fifth page: the second place stays blank
    EXPECT_EQ(std::vector<UINT>{4}, g_printed);
    EXPECT_EQ(4u, preview->current());
    ::SendMessageW(bar, WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(bar, AFX_ID_PREVIEW_NEXT)));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(bar, AFX_ID_PREVIEW_PREV)));

    m_frame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
    EXPECT_EQ(menu, ::GetMenu(m_frame->m_hWnd));
    EXPECT_TRUE(m_tools.IsWindowVisible());
    EXPECT_TRUE(m_view->IsWindowVisible());
    EXPECT_EQ(m_view, m_frame->GetActiveView());
    EXPECT_EQ(nullptr, ::GetDlgItem(m_frame->m_hWnd, AFX_IDW_PREVIEW_BAR));
}

// Printing asks the dialog, prints the range chosen to the file asked for;
// a cancelled dialog prints nothing.
TEST_F(WfxPrintTest, PrintsThePageRangeChosen)
{
    kwtest::TempDir folder;
    std::wstring output = folder.file(L"range.ps");
    printTo(output, 2, 3);
    m_frame->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    EXPECT_EQ((std::vector<UINT>{2, 3}), g_printed);
    std::string text = wfxtest::fileBytes(output);
    EXPECT_EQ(0u, text.find("%!PS"));
    EXPECT_EQ(2u, wfxtest::countOf(text, "%%Page:"));

    g_printed.clear();
    WfxSetPrintDialogHook([](PRINTDLGW&) { return FALSE; });
    m_frame->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    EXPECT_TRUE(g_printed.empty());
}
