#include "CExtSplitterWnd.h"

IMPLEMENT_DYNAMIC(CExtSplitterWnd, CSplitterWnd)

BEGIN_MESSAGE_MAP(CExtSplitterWnd, CSplitterWnd)
END_MESSAGE_MAP()

namespace {

// Keeps a document whose last view is swapped from closing itself meanwhile.
class DocumentHeld
{
public:
    explicit DocumentHeld(CDocument* document) : m_document(document)
    {
        if (m_document) {
            m_autoDelete = m_document->m_bAutoDelete;
            m_document->m_bAutoDelete = FALSE;
        }
    }
    ~DocumentHeld()
    {
        if (!m_document)
            return;
        m_document->m_bAutoDelete = m_autoDelete;
        if (m_autoDelete && !m_document->GetFirstViewPosition())
            m_document->OnCloseDocument(); // no view could be made again
    }
    DocumentHeld(const DocumentHeld&) = delete;
    DocumentHeld& operator=(const DocumentHeld&) = delete;

private:
    CDocument* m_document;
    BOOL m_autoDelete = FALSE;
};

} // namespace

CExtSplitterWnd::CExtSplitterWnd() = default;

CExtSplitterWnd::~CExtSplitterWnd() = default;

BOOL CExtSplitterWnd::createPaneView(int row, int col, CRuntimeClass* viewClass, CDocument* document,
                                     CFrameWnd* frame)
{
    CCreateContext context;
    context.m_pNewViewClass = viewClass;
    context.m_pCurrentDoc = document;
    context.m_pCurrentFrame = frame;
    if (!CreateView(row, col, viewClass, CSize(0, 0), &context))
        return FALSE;
    RecalcLayout();
    if (CWnd* pane = GetPane(row, col))
        pane->SendMessage(WM_INITIALUPDATE);
    return TRUE;
}

BOOL CExtSplitterWnd::ChangeView(int row, int col, CRuntimeClass* viewClass)
{
    CWnd* pane = GetPane(row, col);
    if (!pane || !viewClass)
        return FALSE;
    CRuntimeClass* oldClass = pane->GetRuntimeClass();
    CView* oldView = DYNAMIC_DOWNCAST(CView, pane);
    CDocument* document = oldView ? oldView->GetDocument() : nullptr;
    CFrameWnd* frame = pane->GetParentFrame();
    DocumentHeld held(document);
    DeleteView(row, col);
    if (createPaneView(row, col, viewClass, document, frame))
        return TRUE;
    if (oldClass->m_pfnCreateObject)
        createPaneView(row, col, oldClass, document, frame);
    return FALSE;
}
