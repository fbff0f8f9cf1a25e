#include "WfxDocViewApp.h"
#include "WfxTestSupport.h"

#include <ChildProcess.h>
#include <TempDir.h>

#include <gtest/gtest.h>

#include <memory>

using docview::results;

namespace {

// The test program's profile, removed before and after each test.
class ProgramProfile
{
public:
    ProgramProfile() { clear(); }
    ~ProgramProfile() { clear(); }

    std::wstring text(LPCWSTR section, LPCWSTR entry) const
    {
        wchar_t value[512] = {};
        DWORD size = sizeof(value);
        RegGetValueW(HKEY_CURRENT_USER, (path() + L"\\" + section).c_str(), entry, RRF_RT_REG_SZ, nullptr,
                     value, &size);
        return value;
    }
    DWORD number(LPCWSTR section, LPCWSTR entry) const
    {
        DWORD value = 0xFFFFFFFF;
        DWORD size = sizeof(value);
        RegGetValueW(HKEY_CURRENT_USER, (path() + L"\\" + section).c_str(), entry, RRF_RT_REG_DWORD, nullptr,
                     &value, &size);
        return value;
    }

private:
    static std::wstring path()
    {
        return std::wstring(L"Software\\") + docview::kRegistryKey + L"\\" + docview::kAppName;
    }
    static void clear() { RegDeleteTreeW(HKEY_CURRENT_USER, path().c_str()); }
};

// A frame that became the thread's main window ends the message loop when
// it goes; tests that run no loop take that request away again.
void dropQuitRequest()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

CFrameWnd* frameOf(CDocument* document)
{
    POSITION pos = document->GetFirstViewPosition();
    CView* view = document->GetNextView(pos);
    return view ? view->GetParentFrame() : nullptr;
}

} // namespace

TEST(WfxDocView, ProgramBuiltOnATemplateRoutesCommandsUpdatesMenusAndWritesItsProfile)
{
    ProgramProfile profile;
    results() = {};
    docview::CTestApp app;
    // Kept hidden: under Wine without a window manager a shown frame takes
    // two seconds to go.
    EXPECT_EQ(0, AfxWinMain(GetModuleHandleW(nullptr), nullptr, const_cast<LPWSTR>(L""), SW_HIDE));

    const docview::Results& r = results();
    EXPECT_EQ(1, r.initialUpdates);
    EXPECT_TRUE(r.viewHadDocument);
    EXPECT_TRUE(r.frameWasMainWindow);
    EXPECT_EQ(1, r.ticks);
    // The popup as the frame updated it: disabled and checked by the
    // document's handlers, disabled for want of any handler, enabled by a
    // command handler anywhere on the route.
    EXPECT_TRUE(r.disabledState & MF_GRAYED);
    EXPECT_TRUE(r.checkedState & MF_CHECKED);
    EXPECT_FALSE(r.checkedState & MF_GRAYED);
    EXPECT_TRUE(r.noHandlerState & MF_GRAYED);
    EXPECT_FALSE(r.countState & (MF_GRAYED | MF_CHECKED));
    EXPECT_FALSE(r.exitState & MF_GRAYED);
    // View before document, frame before application; a disabled command is not carried out.
    EXPECT_EQ(1, r.countRuns);
    EXPECT_EQ(0, r.disabledRuns);
    EXPECT_EQ(L"view", r.routedTo[0]);
    EXPECT_EQ(L"frame", r.routedTo[1]);
    EXPECT_EQ(L"application", r.routedTo[2]);
    EXPECT_EQ(L"Untitled - Doc View", r.title);
    EXPECT_EQ(L"Untitled", r.documentTitle);
    // Exit closed the document with its frame and view, then ended the loop.
    EXPECT_EQ(1, r.documentsDeleted);
    EXPECT_EQ(1, r.viewsDeleted);
    EXPECT_EQ(1, r.framesDeleted);
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_EQ(1u, profile.number(L"Results", L"CountRuns"));
    EXPECT_EQ(L"Untitled - Doc View", profile.text(L"Results", L"Title"));
}

TEST(WfxDocView, ProgramOpensTheFileOfItsCommandLineAndKeepsItInTheRecentList)
{
    ProgramProfile profile;
    kwtest::TempDir dir;
    std::wstring path = dir.file(L"notes.kwd");
    ASSERT_TRUE(kwtest::writeFileBytes(path, "notes"));

    kwtest::ChildProcess program;
    ASSERT_TRUE(program.start(L"wfx_docview_program.exe", L"\"" + path + L"\""));
    EXPECT_EQ(0, program.wait(60000));
    EXPECT_EQ(L"notes.kwd - Doc View", profile.text(L"Results", L"Title"));
    EXPECT_EQ(1u, profile.number(L"Results", L"CountRuns"));
    EXPECT_EQ(path, profile.text(L"Recent File List", L"File1"));
    EXPECT_EQ(L"", profile.text(L"Recent File List", L"File2"));
}

TEST(WfxDocView, DocumentThatCannotBeOpenedLeavesNoDocumentOrFrame)
{
    results() = {};
    wfxtest::MessageBoxRecorder boxes;
    std::unique_ptr<CSingleDocTemplate> docTemplate(docview::makeTemplate());
    EXPECT_EQ(nullptr, docTemplate->OpenDocumentFile(L"C:\\no such folder\\missing.kwd", FALSE));
    ASSERT_EQ(1u, boxes.texts.size());
    EXPECT_NE(std::wstring::npos, boxes.texts[0].find(L"missing.kwd"));
    EXPECT_EQ(1, results().documentsDeleted);
    EXPECT_EQ(1, results().framesDeleted);
    EXPECT_EQ(1, results().viewsDeleted);
    EXPECT_EQ(nullptr, docTemplate->GetFirstDocPosition());
    EXPECT_EQ(nullptr, AfxGetMainWnd());
}

TEST(WfxDocView, SingleDocumentTemplateReusesItsDocumentAndFrame)
{
    results() = {};
    kwtest::TempDir dir;
    std::wstring path = dir.file(L"first.kwd");
    ASSERT_TRUE(kwtest::writeFileBytes(path, "first"));
    std::unique_ptr<CSingleDocTemplate> docTemplate(docview::makeTemplate());

    CDocument* opened = docTemplate->OpenDocumentFile(path.c_str(), FALSE);
    ASSERT_NE(nullptr, opened);
    EXPECT_EQ(L"first.kwd", opened->GetTitle().str());
    EXPECT_EQ(path, opened->GetPathName().str());
    CFrameWnd* frame = frameOf(opened);
    ASSERT_NE(nullptr, frame);
    EXPECT_EQ(frame, AfxGetMainWnd());

    CDocument* renewed = docTemplate->OpenDocumentFile(nullptr, FALSE);
    EXPECT_EQ(opened, renewed);
    EXPECT_EQ(frame, frameOf(renewed));
    EXPECT_EQ(L"Untitled", renewed->GetTitle().str());
    EXPECT_TRUE(renewed->GetPathName().IsEmpty());
    EXPECT_EQ(2, results().initialUpdates);

    // The frame going takes its view and, with the last view, the document.
    frame->DestroyWindow();
    dropQuitRequest();
    EXPECT_EQ(1, results().documentsDeleted);
    EXPECT_EQ(1, results().viewsDeleted);
    EXPECT_EQ(1, results().framesDeleted);
    EXPECT_EQ(nullptr, docTemplate->GetFirstDocPosition());
    EXPECT_EQ(nullptr, AfxGetMainWnd());
}
