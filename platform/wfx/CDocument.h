#pragma once

#include "CCmdTarget.h"
#include "CString.h"
#include "WfxPosition.h"

class CDocTemplate;
class CFrameWnd;
class CView;

// The data of a document/view program. Made by its template; shown by its
// views, which add and remove themselves. A document whose last view goes
// away closes (and deletes itself unless m_bAutoDelete is cleared).
// Commands it does not handle go on to its template.
class WFX_API CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)

public:
    CDocument();
    ~CDocument() override;

    BOOL m_bAutoDelete = TRUE;

    const CString& GetTitle() const { return m_strTitle; }
    // Also renames the frames that show the document's title.
    virtual void SetTitle(LPCWSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // Takes the full path; the title becomes the file name and, with
    // bAddToMRU, the path goes to the application's recent-file list.
    virtual void SetPathName(LPCWSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const { return WfxPositionAt(m_views, 0); }
    CView* GetNextView(POSITION& rPosition) const { return WfxNextAt(m_views, rPosition); }
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);

    virtual BOOL OnNewDocument();
    // The framework keeps no data of its own: it checks that the file can
    // be read (a clear message and FALSE when not) and empties the document.
    virtual BOOL OnOpenDocument(LPCWSTR lpszPathName);
    // Takes down every frame showing the document, then deletes it when
    // m_bAutoDelete is set.
    virtual void OnCloseDocument();
    virtual void DeleteContents();
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    // The framework saves nothing itself; documents that keep data override it.
    virtual BOOL SaveModified();
    virtual void OnChangedViewList();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, WfxCmdHandlerInfo* pHandlerInfo) override;

protected:
    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    BOOL m_bModified = FALSE;

private:
    friend class CDocTemplate;
    void detachViews();

    std::vector<CView*> m_views;
};
