#include "CSingleDocTemplate.h"

#include "CDocument.h"
#include "CFrameWnd.h"
#include "CView.h"
#include "CWinApp.h"

IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

namespace {

// Keeps a document alive while its frame is made or taken down again.
class DocumentKept
{
public:
    explicit DocumentKept(CDocument* document) : m_document(document), m_autoDelete(document->m_bAutoDelete)
    {
        document->m_bAutoDelete = FALSE;
    }
    ~DocumentKept() { m_document->m_bAutoDelete = m_autoDelete; }
    DocumentKept(const DocumentKept&) = delete;
    DocumentKept& operator=(const DocumentKept&) = delete;

private:
    CDocument* m_document;
    BOOL m_autoDelete;
};

} // namespace

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                       CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pOnlyDoc)
        RemoveDocument(m_pOnlyDoc);
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc ? reinterpret_cast<POSITION>(1) : nullptr;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const
{
    CDocument* document = rPos ? m_pOnlyDoc : nullptr;
    rPos = nullptr;
    return document;
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    if (!m_pOnlyDoc)
        m_pOnlyDoc = pDoc;
    CDocTemplate::AddDocument(pDoc);
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
    CDocTemplate::RemoveDocument(pDoc);
}

CFrameWnd* CSingleDocTemplate::frameOf(CDocument* pDoc) const
{
    POSITION pos = pDoc->GetFirstViewPosition();
    CView* view = pDoc->GetNextView(pos);
    return view ? view->GetParentFrame() : nullptr;
}

BOOL CSingleDocTemplate::prepareDocument(CDocument* pDoc, LPCWSTR lpszPathName)
{
    if (!lpszPathName) {
        SetDefaultTitle(pDoc);
        return pDoc->OnNewDocument();
    }
    if (!pDoc->OnOpenDocument(lpszPathName))
        return FALSE;
    pDoc->SetPathName(lpszPathName);
    return TRUE;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCWSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* document = m_pOnlyDoc;
    bool created = !document;
    if (document && !document->SaveModified())
        return nullptr;
    if (created && !(document = CreateNewDocument())) {
        AfxMessageBox(L"Failed to create an empty document.", MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    CFrameWnd* frame = frameOf(document);
    bool frameCreated = !frame;
    if (frameCreated) {
        DocumentKept kept(document);
        frame = CreateNewFrame(document, nullptr);
    }
    if (frame && prepareDocument(document, lpszPathName)) {
        CWinThread* thread = AfxGetThread();
        if (frameCreated && !thread->m_pMainWnd)
            thread->m_pMainWnd = frame;
        InitialUpdateFrame(frame, document, bMakeVisible);
        return document;
    }
    if (frame && frameCreated) {
        DocumentKept kept(document);
        frame->DestroyWindow();
    }
    if (created)
        delete document;
    return nullptr;
}
