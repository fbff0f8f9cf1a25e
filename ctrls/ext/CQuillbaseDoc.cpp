#include "CQuillbaseDoc.h"

IMPLEMENT_DYNCREATE(CQuillbaseDoc, CDocument)

int CQuillbaseDoc::m_running = 0;

CQuillbaseDoc::CQuillbaseDoc() = default;

CQuillbaseDoc::CQuillbaseDoc(bool multi, std::wstring title, std::wstring templateKey)
    : m_multi(multi), m_title(std::move(title)), m_templateKey(std::move(templateKey))
{
}

// A document the framework deletes without closing it leaves the count too.
CQuillbaseDoc::~CQuillbaseDoc()
{
    uncount();
}

int CQuillbaseDoc::running()
{
    return m_running;
}

void CQuillbaseDoc::inc()
{
    ++m_running;
}

void CQuillbaseDoc::dec()
{
    --m_running;
}

void CQuillbaseDoc::uncount()
{
    if (m_counted) {
        m_counted = false;
        dec();
    }
}

// The document counted is the one open: a refused document is never
// counted, and a document made new again (a single-document template reuses
// it) is counted once.
BOOL CQuillbaseDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    if (!m_multi && !m_counted) {
        if (running()) {
            activate();
            return FALSE;
        }
        inc();
        m_counted = true;
    }
    SetTitle(m_title.c_str());
    return TRUE;
}

void CQuillbaseDoc::OnCloseDocument()
{
    uncount();
    CWnd* mainWnd = AfxGetMainWnd();
    if (mainWnd && mainWnd->m_hWnd)
        mainWnd->SetFocus();
    CDocument::OnCloseDocument();
}

namespace {

void bringFramesForward(CDocument* document)
{
    for (POSITION pos = document->GetFirstViewPosition(); pos;) {
        CView* view = document->GetNextView(pos);
        for (CWnd* wnd = view ? view->GetParent() : nullptr; wnd; wnd = wnd->GetParent())
            if (wnd->IsKindOf(RUNTIME_CLASS(CMDIChildWnd))) {
                wnd->BringWindowToTop();

                break;
            }
    }
}

} // namespace

void CQuillbaseDoc::activate()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    for (POSITION pos = app->GetFirstDocTemplatePosition(); pos;) {
        CDocTemplate* docTemplate = app->GetNextDocTemplate(pos);
        CString name;
        if (!docTemplate->GetDocString(name, CDocTemplate::docName) || name.str() != m_templateKey)
            continue;
        // The refused document itself (already in its template) is passed
        // over; a template with no other document has nothing to bring forward.
        CDocument* open = nullptr;
        for (POSITION docPos = docTemplate->GetFirstDocPosition(); docPos && !open;) {
            CDocument* document = docTemplate->GetNextDoc(docPos);
            open = document != this ? document : nullptr;
        }
        if (open)
            bringFramesForward(open);
    }
}
