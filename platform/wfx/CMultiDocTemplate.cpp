#include "CMultiDocTemplate.h"

#include "CDocument.h"
#include "CFrameWnd.h"
#include "CWinApp.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    std::vector<CDocument*> documents = m_docList;
    for (CDocument* document : documents)
        RemoveDocument(document);
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const
{
    return WfxPositionAt(m_docList, 0);
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const
{
    return WfxNextAt(m_docList, rPos);
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    if (std::find(m_docList.begin(), m_docList.end(), pDoc) == m_docList.end())
        m_docList.push_back(pDoc);
    CDocTemplate::AddDocument(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    m_docList.erase(std::remove(m_docList.begin(), m_docList.end(), pDoc), m_docList.end());
    CDocTemplate::RemoveDocument(pDoc);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCWSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* document = CreateNewDocument();
    if (!document) {
        AfxMessageBox(L"Failed to create an empty document.", MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    BOOL autoDelete = document->m_bAutoDelete;
    document->m_bAutoDelete = FALSE; // the frame may fail after taking views
    CFrameWnd* frame = CreateNewFrame(document, nullptr);
    document->m_bAutoDelete = autoDelete;
    if (!frame) {
        delete document;
        return nullptr;
    }
    BOOL ready = FALSE;
    if (!lpszPathName) {
        SetDefaultTitle(document);
        ready = document->OnNewDocument();
    } else if (document->OnOpenDocument(lpszPathName)) {
        document->SetPathName(lpszPathName);
        ready = TRUE;
    }
    if (!ready) {
        bool hasViews = document->GetFirstViewPosition() != nullptr;
        frame->DestroyWindow(); // its views go, and the document closes with the last one
        if (!hasViews && autoDelete)
            delete document;
        return nullptr;
    }
    InitialUpdateFrame(frame, document, bMakeVisible);
    return document;
}
