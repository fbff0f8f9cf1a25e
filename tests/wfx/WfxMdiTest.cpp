#include "WfxDocViewIds.h"
#include "WfxFrameSupport.h"
#include "WfxTestSupport.h"

#include <gtest/gtest.h>

using wfxtest::placeIn;
using wfxtest::pumpPending;

namespace {

int g_documentsDeleted = 0;

class CCountedDoc : public CDocument
{
    DECLARE_DYNCREATE(CCountedDoc)

public:
    ~CCountedDoc() override { ++g_documentsDeleted; }
    int m_commands = 0;

protected:
    afx_msg void OnCount() { ++m_commands; }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CCountedDoc, CDocument)

BEGIN_MESSAGE_MAP(CCountedDoc, CDocument)
ON_COMMAND(ID_DOC_COUNT, &CCountedDoc::OnCount)
END_MESSAGE_MAP()

// The MDI main frame of a test, with its application and template.
class MdiProgram
{
public:
    MdiProgram()
    {
        m_template = new CMultiDocTemplate(IDR_DOCVIEW, RUNTIME_CLASS(CCountedDoc),
                                           RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(wfxtest::CBlankView));
        m_app.AddDocTemplate(m_template);
        m_frame = new CMDIFrameWnd;
        m_frame->m_bAutoDelete = TRUE;
        m_frame->Create(nullptr, L"mdi", WS_POPUP | WS_CLIPCHILDREN, CRect(0, 0, 600, 400));
        m_frame->ShowWindow(SW_SHOWNA);
        m_app.m_pMainWnd = m_frame;
    }
    ~MdiProgram()
    {
        m_app.m_pMainWnd = nullptr;
        m_frame->DestroyWindow();
        MSG msg;
        while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    MdiProgram(const MdiProgram&) = delete;
    MdiProgram& operator=(const MdiProgram&) = delete;

    CWinApp m_app{L"Mdi Test"};
    CMultiDocTemplate* m_template;
    CMDIFrameWnd* m_frame;
};

CFrameWnd* frameOf(CDocument* document)
{
    POSITION pos = document->GetFirstViewPosition();
    CView* view = document->GetNextView(pos);
    return view ? view->GetParentFrame() : nullptr;
}

// A view whose window cannot be made.
class CRefusedView : public CView
{
    DECLARE_DYNCREATE(CRefusedView)

public:
    void OnDraw(CDC*) override {}

protected:
    afx_msg int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CRefusedView, CView)

BEGIN_MESSAGE_MAP(CRefusedView, CView)
ON_WM_CREATE()
END_MESSAGE_MAP()

} // namespace

TEST(WfxMdi, DocumentsOpenInChildFramesOfTheClientAndCloseWithThem)
{
    MdiProgram program;
    ASSERT_NE(nullptr, program.m_frame->m_hWndMDIClient);
    EXPECT_EQ(program.m_frame->m_hWndMDIClient, ::GetDlgItem(program.m_frame->m_hWnd, AFX_IDW_PANE_FIRST));
    CRect client;
    program.m_frame->GetClientRect(&client);
    EXPECT_EQ(client, placeIn(*program.m_frame, program.m_frame->m_hWndMDIClient));

    CDocument* first = program.m_app.OpenDocumentFile(nullptr);
    CDocument* second = program.m_template->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);
    auto* firstFrame = DYNAMIC_DOWNCAST(CMDIChildWnd, frameOf(first));
    auto* secondFrame = DYNAMIC_DOWNCAST(CMDIChildWnd, frameOf(second));
    ASSERT_NE(nullptr, firstFrame);
    ASSERT_NE(nullptr, secondFrame);
    EXPECT_EQ(program.m_frame->m_hWndMDIClient, ::GetParent(firstFrame->m_hWnd));
    EXPECT_EQ(program.m_frame, firstFrame->GetMDIFrame());
    EXPECT_EQ(secondFrame, program.m_frame->MDIGetActive());
    EXPECT_EQ(L"Untitled", second->GetTitle().str()); // the template names no document

    // Commands reach the active child's document.
    program.m_frame->SendMessage(WM_COMMAND, ID_DOC_COUNT);
    EXPECT_EQ(1, static_cast<CCountedDoc*>(second)->m_commands);
    firstFrame->MDIActivate();
    EXPECT_EQ(firstFrame, program.m_frame->MDIGetActive());
    program.m_frame->SendMessage(WM_COMMAND, ID_DOC_COUNT);
    EXPECT_EQ(1, static_cast<CCountedDoc*>(first)->m_commands);
    EXPECT_EQ(first, program.m_frame->GetActiveDocument());

    // A child frame closed takes its document with it.
    int deleted = g_documentsDeleted;
    firstFrame->SendMessage(WM_CLOSE);
    pumpPending();
    EXPECT_EQ(deleted + 1, g_documentsDeleted);
    POSITION pos = program.m_template->GetFirstDocPosition();
    EXPECT_EQ(second, program.m_template->GetNextDoc(pos));
    EXPECT_EQ(nullptr, pos);
    EXPECT_EQ(secondFrame, program.m_frame->MDIGetActive());
}

TEST(WfxMdi, AFrameThatCannotMakeItsViewLeavesNoDocument)
{
    MdiProgram program;
    auto* refused = new CMultiDocTemplate(IDR_DOCVIEW, RUNTIME_CLASS(CCountedDoc),
                                          RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CRefusedView));
    program.m_app.AddDocTemplate(refused);
    int deleted = g_documentsDeleted;
    EXPECT_EQ(nullptr, refused->OpenDocumentFile(nullptr));
    EXPECT_EQ(deleted + 1, g_documentsDeleted);
    EXPECT_EQ(nullptr, refused->GetFirstDocPosition());
    EXPECT_EQ(nullptr, ::GetWindow(program.m_frame->m_hWndMDIClient, GW_CHILD));
}

TEST(WfxSplitter, StaticPanesFollowTheirSizesAndTheDraggedBar)
{
    auto* frame = new CFrameWnd;
    frame->m_bAutoDelete = TRUE;
    ASSERT_TRUE(frame->Create(nullptr, L"split", WS_POPUP, CRect(0, 0, 400, 300)));
    frame->ShowWindow(SW_SHOWNA);
    CSplitterWnd splitter;
    ASSERT_TRUE(splitter.CreateStatic(frame, 2, 2));
    EXPECT_FALSE(CSplitterWnd().CreateStatic(frame, 0, 2));
    EXPECT_EQ(AFX_IDW_PANE_FIRST + 16 + 1, splitter.IdFromRowCol(1, 1));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 2; ++col)
            ASSERT_TRUE(
                splitter.CreateView(row, col, RUNTIME_CLASS(wfxtest::CBlankView), CSize(100, 80), nullptr));
    EXPECT_FALSE(splitter.CreateView(0, 0, RUNTIME_CLASS(wfxtest::CBlankView), CSize(0, 0), nullptr));
    EXPECT_FALSE(splitter.CreateView(2, 0, RUNTIME_CLASS(wfxtest::CBlankView), CSize(0, 0), nullptr));
    splitter.SetColumnInfo(0, 150, 40);
    splitter.RecalcLayout();

    CRect client;
    splitter.GetClientRect(&client);
    CRect topLeft = placeIn(splitter, splitter.GetPane(0, 0)->m_hWnd);
    CRect bottomRight = placeIn(splitter, splitter.GetPane(1, 1)->m_hWnd);
    EXPECT_EQ(150, topLeft.Width());
    EXPECT_EQ(80, topLeft.Height());
    EXPECT_EQ(client.right - 2, bottomRight.right); // the last column takes the rest
    EXPECT_EQ(client.bottom - 2, bottomRight.bottom);
    int cur = 0, minimum = 0;
    splitter.GetColumnInfo(0, cur, minimum);
    EXPECT_EQ(150, cur);
    EXPECT_EQ(40, minimum);

    // The bar between the columns follows the mouse, down to the minimum.
    CPoint bar(topLeft.right + 2, 20);
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar.x, bar.y));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(bar.x + 30, bar.y));
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(bar.x + 30, bar.y));
    splitter.GetColumnInfo(0, cur, minimum);
    EXPECT_EQ(180, cur);
    EXPECT_EQ(180, placeIn(splitter, splitter.GetPane(1, 0)->m_hWnd).Width());
    bar.x += 30;
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar.x, bar.y));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, bar.y));
    splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, bar.y));
    splitter.GetColumnInfo(0, cur, minimum);
    EXPECT_EQ(40, cur);

    splitter.DeleteView(0, 1);
    EXPECT_EQ(nullptr, splitter.GetPane(0, 1));
    EXPECT_TRUE(splitter.CreateView(0, 1, RUNTIME_CLASS(wfxtest::CBlankView), CSize(0, 0), nullptr));
    frame->DestroyWindow();
}
