#pragma once

#include "CCmdTarget.h"
#include "CString.h"
#include "WfxPosition.h"

class CDocument;
class CFrameWnd;

// Makes documents with their frame and view from three run-time classes.
// The resource id names the frame's menu, icon and accelerators and a string
// of seven parts separated by '\n' (see DocStringIndex).
class WFX_API CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)

public:
    enum DocStringIndex
    {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };

    ~CDocTemplate() override;

    UINT GetResourceID() const { return m_nIDResource; }
    // FALSE when the part is missing (an empty part gives TRUE and "").
    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;

    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);

    // A document of the document class, added to this template; null when
    // the class cannot be made.
    virtual CDocument* CreateNewDocument();
    // A frame of the frame class holding a view of the view class on pDoc;
    // null when it could not be made (nothing of it is left then).
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    // A new document (null path) or one opened from a file; null on failure.
    virtual CDocument* OpenDocumentFile(LPCWSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual void SetDefaultTitle(CDocument* pDocument);
    virtual void CloseAllDocuments(BOOL bEndSession);
    virtual BOOL SaveAllModified();

protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                 CRuntimeClass* pViewClass);

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    CString m_strDocStrings;
};
