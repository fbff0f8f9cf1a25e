#include "FramesTestIds.h"
#include "WfxFrameSupport.h"
#include "WfxTestSupport.h"

#include <CMultiSpliterFrame.h>
#include <CQuillbaseDoc.h>

#include <gtest/gtest.h>

using wfxtest::CBlankView;
using wfxtest::placeIn;
using wfxtest::pumpPending;

namespace {

int g_deleted = 0;
int g_initialUpdates = 0;

// Single-instance documents of two classes, and a multi-instance one.
class CNotesDoc : public CQuillbaseDoc
{
    DECLARE_DYNCREATE(CNotesDoc)

public:
    CNotesDoc() : CQuillbaseDoc(false, L"Notes 1", L"Notes") {}
    ~CNotesDoc() override { ++g_deleted; }
    static int open() { return m_running; }
};

IMPLEMENT_DYNCREATE(CNotesDoc, CQuillbaseDoc)

class CSheetsDoc : public CQuillbaseDoc
{
    DECLARE_DYNCREATE(CSheetsDoc)

public:
    CSheetsDoc() : CQuillbaseDoc(false, L"Sheet", L"Sheets") {}
    ~CSheetsDoc() override { ++g_deleted; }
};

IMPLEMENT_DYNCREATE(CSheetsDoc, CQuillbaseDoc)

class CLooseDoc : public CQuillbaseDoc
{
    DECLARE_DYNCREATE(CLooseDoc)

public:
    CLooseDoc() : CQuillbaseDoc(true, L"Loose", L"Loose") {}
};

IMPLEMENT_DYNCREATE(CLooseDoc, CQuillbaseDoc)

// Views that count their initial updates, and one whose window fails.
class CListView : public CBlankView
{
    DECLARE_DYNCREATE(CListView)

public:
    void OnInitialUpdate() override { ++g_initialUpdates; }
};

IMPLEMENT_DYNCREATE(CListView, CBlankView)

class CFailingView : public CBlankView
{
    DECLARE_DYNCREATE(CFailingView)

protected:
    afx_msg int OnCreate(LPCREATESTRUCT) { return -1; }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CFailingView, CBlankView)

BEGIN_MESSAGE_MAP(CFailingView, CBlankView)
ON_WM_CREATE()
END_MESSAGE_MAP()

// A description the test sets before the frame is made.
std::vector<SSplitterDesc> g_description;

class CSheetFrame : public CMultiSpliterFrame
{
    DECLARE_DYNCREATE(CSheetFrame)

public:
    CSheetFrame() { m_description = g_description; }
    CExtSplitterWnd* splitter(size_t i) { return i < m_splitters.size() ? m_splitters[i].get() : nullptr; }
    size_t splitters() const { return m_splitters.size(); }
};

IMPLEMENT_DYNCREATE(CSheetFrame, CMultiSpliterFrame)

// One view on the left; on the right a splitter of two rows, the upper 80 high.
std::vector<SSplitterDesc> nestedDescription()
{
    SSplitterDesc outer{1, 2, 0, 0, 0, WS_CHILD | WS_VISIBLE, {{0, 0, RUNTIME_CLASS(CBlankView), 120, 0}},
                        {}};
    SSplitterDesc inner{2,
                        1,
                        0,
                        0,
                        1,
                        WS_CHILD | WS_VISIBLE,
                        {{0, 0, RUNTIME_CLASS(CListView), 0, 0}, {1, 0, RUNTIME_CLASS(CBlankView), 0, 0}},
                        {{0, 0, 80, 20}, {2, 0, 500, 500}}};
    return {outer, inner};
}

// The MDI program: application, templates and main frame.
class Program
{
public:
    Program()
    {
        m_notes = add(IDR_NOTES, RUNTIME_CLASS(CNotesDoc), RUNTIME_CLASS(CMDIChildWnd));
        m_sheets = add(IDR_SHEETS, RUNTIME_CLASS(CSheetsDoc), RUNTIME_CLASS(CSheetFrame));
        m_loose = add(IDR_LOOSE, RUNTIME_CLASS(CLooseDoc), RUNTIME_CLASS(CMDIChildWnd));
        m_frame = new CMDIFrameWnd;
        m_frame->m_bAutoDelete = TRUE;
        m_frame->Create(nullptr, L"program", WS_POPUP | WS_CLIPCHILDREN, CRect(0, 0, 640, 480));
        m_frame->ShowWindow(SW_SHOWNA);
        m_app.m_pMainWnd = m_frame;
        g_description = nestedDescription();
    }
    ~Program()
    {
        m_app.CloseAllDocuments(TRUE);
        m_app.m_pMainWnd = nullptr;
        m_frame->DestroyWindow();
        MSG msg;
        while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    CMultiDocTemplate* add(UINT id, CRuntimeClass* doc, CRuntimeClass* frame)
    {
        auto* docTemplate = new CMultiDocTemplate(id, doc, frame, RUNTIME_CLASS(CBlankView));
        m_app.AddDocTemplate(docTemplate);
        return docTemplate;
    }
    HWND topChild() const { return ::GetWindow(m_frame->m_hWndMDIClient, GW_CHILD); }

    CWinApp m_app{L"Frames Test"};
    CMultiDocTemplate* m_notes;
    CMultiDocTemplate* m_sheets;
    CMultiDocTemplate* m_loose;
    CMDIFrameWnd* m_frame;
};

CFrameWnd* frameOf(CDocument* document)
{
    POSITION pos = document->GetFirstViewPosition();
    CView* view = document->GetNextView(pos);
    return view ? view->GetParentFrame() : nullptr;
}

int viewCount(CDocument* document)
{
    int count = 0;
    for (POSITION pos = document->GetFirstViewPosition(); pos; document->GetNextView(pos))
        ++count;
    return count;
}

} // namespace

TEST(QuillbaseDoc, OneSingleInstanceDocumentAtATimeTheOpenOneBroughtForward)
{
    Program program;
    int before = CNotesDoc::open();
    CDocument* notes = program.m_notes->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, notes);
    EXPECT_EQ(L"Notes 1", notes->GetTitle().str());
    EXPECT_EQ(before + 1, CNotesDoc::open());
    EXPECT_TRUE(notes->OnNewDocument()); // made new again (as a single-document template does)
    EXPECT_EQ(before + 1, CNotesDoc::open());
    CDocument* loose = program.m_loose->OpenDocumentFile(nullptr); // in front of the notes now
    ASSERT_NE(nullptr, loose);
    ASSERT_NE(nullptr, program.m_loose->OpenDocumentFile(nullptr));
    EXPECT_EQ(before + 1, CNotesDoc::open()); // multi-instance documents are not counted
    EXPECT_NE(frameOf(notes)->m_hWnd, program.topChild());

    // Another class's single-instance document is refused, again and again,
    // and the count stays.
    int deleted = g_deleted;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(nullptr, program.m_sheets->OpenDocumentFile(nullptr));
    EXPECT_EQ(deleted + 3, g_deleted);
    EXPECT_EQ(before + 1, CNotesDoc::open());
    // Another notes document is refused too, bringing the open one forward.
    EXPECT_EQ(nullptr, program.m_notes->OpenDocumentFile(nullptr));
    EXPECT_EQ(before + 1, CNotesDoc::open());
    EXPECT_EQ(frameOf(notes)->m_hWnd, program.topChild());
    EXPECT_EQ(nullptr, program.m_sheets->GetFirstDocPosition());

    // Once the notes are closed a sheet opens.
    notes->OnCloseDocument();
    EXPECT_EQ(before, CNotesDoc::open());
    CDocument* sheet = program.m_sheets->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ(before + 1, CNotesDoc::open());
    // A template whose documents are all closed brings nothing forward.
    EXPECT_EQ(nullptr, program.m_notes->OpenDocumentFile(nullptr));
}

TEST(MultiSpliterFrame, BuildsNestedSplittersAndTheirViewsFromItsDescription)
{
    Program program;
    int updates = g_initialUpdates;
    CDocument* sheet = program.m_sheets->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, sheet);
    auto* frame = DYNAMIC_DOWNCAST(CSheetFrame, frameOf(sheet));
    ASSERT_NE(nullptr, frame);
    ASSERT_EQ(2u, frame->splitters());
    CExtSplitterWnd* outer = frame->splitter(0);
    CExtSplitterWnd* inner = frame->splitter(1);
    EXPECT_EQ(outer->m_hWnd, ::GetDlgItem(frame->m_hWnd, AFX_IDW_PANE_FIRST));
    EXPECT_EQ(inner, outer->GetPane(0, 1));
    EXPECT_NE(nullptr, DYNAMIC_DOWNCAST(CListView, inner->GetPane(0, 0)));
    EXPECT_EQ(3, viewCount(sheet));
    EXPECT_EQ(updates + 1, g_initialUpdates);
    EXPECT_EQ(120, placeIn(*outer, outer->GetPane(0, 0)->m_hWnd).Width());
    EXPECT_EQ(80, placeIn(*inner, inner->GetPane(0, 0)->m_hWnd).Height());
    CSize border = outer->GetBorderSize();
    EXPECT_EQ(border.cx, placeIn(*outer, outer->GetPane(0, 0)->m_hWnd).left);
    EXPECT_EQ(120 + outer->GetSplitterSize().cx + border.cx, placeIn(*outer, inner->m_hWnd).left);

    // A pane's view swapped: same document, the new view initialised.
    EXPECT_TRUE(outer->ChangeView(0, 0, RUNTIME_CLASS(CListView)));
    auto* swapped = DYNAMIC_DOWNCAST(CListView, outer->GetPane(0, 0));
    ASSERT_NE(nullptr, swapped);
    EXPECT_EQ(sheet, swapped->GetDocument());
    EXPECT_EQ(updates + 2, g_initialUpdates);
    EXPECT_EQ(3, viewCount(sheet));
    EXPECT_EQ(120, placeIn(*outer, swapped->m_hWnd).Width());

    // A view that cannot be made leaves the old view class in the pane.
    EXPECT_FALSE(outer->ChangeView(0, 0, RUNTIME_CLASS(CFailingView)));
    EXPECT_NE(nullptr, DYNAMIC_DOWNCAST(CListView, outer->GetPane(0, 0)));
    EXPECT_EQ(3, viewCount(sheet));
}

TEST(MultiSpliterFrame, SwappingADocumentsOnlyViewKeepsTheDocument)
{
    Program program;
    g_description = {
        SSplitterDesc{1, 1, 0, 0, 0, WS_CHILD | WS_VISIBLE, {{0, 0, RUNTIME_CLASS(CBlankView), 0, 0}}, {}}};
    CDocument* sheet = program.m_sheets->OpenDocumentFile(nullptr);
    ASSERT_NE(nullptr, sheet);
    auto* frame = DYNAMIC_DOWNCAST(CSheetFrame, frameOf(sheet));
    ASSERT_NE(nullptr, frame);
    int deleted = g_deleted;
    EXPECT_TRUE(frame->splitter(0)->ChangeView(0, 0, RUNTIME_CLASS(CListView)));
    EXPECT_EQ(deleted, g_deleted);
    EXPECT_EQ(1, viewCount(sheet));
    EXPECT_EQ(sheet, DYNAMIC_DOWNCAST(CView, frame->splitter(0)->GetPane(0, 0))->GetDocument());
}

TEST(MultiSpliterFrame, RefusesADescriptionThatNamesNoEarlierSplitterOrNoCell)
{
    Program program;
    SSplitterDesc root{1, 2, 0, 0, 0, WS_CHILD | WS_VISIBLE, {}, {}};
    SSplitterDesc child{1, 1, 0, 0, 1, WS_CHILD | WS_VISIBLE, {}, {}};
    auto opens = [&](std::vector<SSplitterDesc> description) {
        g_description = std::move(description);
        CDocument* document = program.m_sheets->OpenDocumentFile(nullptr);
        if (!document)
            return false;
        HWND frame = program.topChild(); // a frame without views stays after its document
        document->OnCloseDocument();
        if (CWnd* left = CWnd::FromHandlePermanent(frame))
            left->DestroyWindow();
        return true;
    };
    EXPECT_TRUE(opens({}));
    EXPECT_TRUE(opens({root, child}));
    SSplitterDesc badParent = child;
    badParent.parent = 1; // itself
    EXPECT_FALSE(opens({root, badParent}));
    badParent.parent = -1;
    EXPECT_FALSE(opens({root, badParent}));
    SSplitterDesc badCell = child;
    badCell.col = 2;
    EXPECT_FALSE(opens({root, badCell}));
    EXPECT_FALSE(opens({root, child, child})); // one pane, two splitters
    SSplitterDesc badView = root;
    badView.views = {{0, 3, RUNTIME_CLASS(CBlankView), 0, 0}};
    EXPECT_FALSE(opens({badView}));
    SSplitterDesc taken = root;
    taken.views = {{0, 1, RUNTIME_CLASS(CBlankView), 0, 0}};
    EXPECT_FALSE(opens({taken, child})); // a view where the splitter goes
    EXPECT_EQ(nullptr, program.m_sheets->GetFirstDocPosition());
    EXPECT_EQ(nullptr, program.topChild());
}
