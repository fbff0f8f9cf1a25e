#pragma once

#include "CWnd.h"

class CDocument;
class CPreviewView;
struct CPrintInfo;
struct CPrintPreviewState;

// A window showing a document, the client of a frame. Made by the frame
// from the template's view class, it joins the document when created,
// leaves it when its window goes and then deletes itself (m_bAutoDelete, set
// for views the framework makes). Commands it does not handle go on to its
// document.
class WFX_API CView : public CWnd
{
    DECLARE_DYNAMIC(CView)

public:
    ~CView() override;

    BOOL m_bAutoDelete = FALSE;

    CDocument* GetDocument() const { return m_pDocument; }

    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    // Called once the frame and document are ready (WM_INITIALUPDATE).
    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);

    // Printing and print preview: the view sets the page range and asks for
    // the printer (DoPreparePrinting), then draws each page with OnPrint.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // The preview pView of this view closes: printing ends and the frame
    // gets its own panes back; pView is gone afterwards.
    virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView);
    // Puts the frame into preview mode with a preview view of the class
    // given and its tool bar from template nIDResource; takes pState.
    BOOL DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                        CPrintPreviewState* pState);
    // Shows the print dialog (for a preview only the default printer's
    // context is taken); FALSE when cancelled or without a printer.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    afx_msg void OnFilePrint();

    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, WfxCmdHandlerInfo* pHandlerInfo) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

protected:
    CView();

    CDocument* m_pDocument = nullptr;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    friend class CDocument;
};
