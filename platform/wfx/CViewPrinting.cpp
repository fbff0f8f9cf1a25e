#include "CCreateContext.h"
#include "CDialogBar.h"
#include "CDocument.h"
#include "CFileDialog.h"
#include "CFrameWnd.h"
#include "CPreviewView.h"
#include "CPrintInfo.h"
#include "CPrintPreviewState.h"
#include "CView.h"
#include "CWinApp.h"
#include "WfxInternal.h"

#include <memory>

// Printing and print preview of CView.

namespace {

// "Print to file": where to, asked like any file to save.
bool askOutputFile(CString& path)
{
    CFileDialog dialog(FALSE, L"prn", nullptr, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY,
                       L"Printer files (*.prn)|*.prn|All files (*.*)|*.*||");
    if (dialog.DoModal() != IDOK)
        return false;
    path = dialog.GetPathName();
    return !path.IsEmpty();
}

bool printPages(CView& view, CDC& dc, CPrintInfo& info)
{
    for (UINT page = info.GetFromPage(); page <= info.GetToPage() && info.m_bContinuePrinting; ++page) {
        info.m_nCurPage = page;
        view.OnPrepareDC(&dc, &info);
        if (!info.m_bContinuePrinting)
            break;
        if (dc.StartPage() <= 0)
            return false;
        info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        view.OnPrint(&dc, &info);
        if (dc.EndPage() <= 0)
            return false;
    }
    return true;
}

} // namespace

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrint(CDC* pDC, CPrintInfo*)
{
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    CPrintDialog& dialog = *pInfo->m_pPD;
    CFrameWnd* frame = GetParentFrame();
    dialog.m_pd.hwndOwner = frame ? frame->GetSafeHwnd() : m_hWnd;
    dialog.m_pd.nFromPage = WORD(pInfo->GetMinPage());
    dialog.m_pd.nToPage = WORD(pInfo->GetMaxPage());
    if (pInfo->m_bPreview ? !dialog.GetDefaults() : dialog.DoModal() != IDOK) {
        if (pInfo->m_bPreview)
            AfxMessageBox(L"No printer is installed, so there is nothing to preview.", MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    return dialog.GetPrinterDC() != nullptr;
}

void CView::OnFilePrint()
{
    CPrintInfo info;
    if (!OnPreparePrinting(&info))
        return;
    CString output;
    if (info.m_pPD->PrintToFile() && !askOutputFile(output))
        return;
    CDC* dc = CDC::FromHandle(info.m_pPD->GetPrinterDC()); // the dialog's to delete
    CString title = m_pDocument ? m_pDocument->GetTitle() : CString();
    DOCINFOW document{sizeof(document), title, output.IsEmpty() ? nullptr : LPCWSTR(output), nullptr, 0};
    if (dc->StartDoc(&document) <= 0) {
        AfxMessageBox(L"The document could not be printed.", MB_OK | MB_ICONSTOP);
        return;
    }
    OnBeginPrinting(dc, &info);
    bool printed = printPages(*this, *dc, info);
    OnEndPrinting(dc, &info);
    if (printed) {
        dc->EndDoc();
        return;
    }
    dc->AbortDoc();
    AfxMessageBox(L"The document could not be printed.", MB_OK | MB_ICONSTOP);
}

BOOL CView::DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                           CPrintPreviewState* pState)
{
    std::unique_ptr<CPrintPreviewState> state(pState);
    CFrameWnd* frame = GetParentFrame();
    CObject* object = frame && pPrintView && pPreviewViewClass ? pPreviewViewClass->CreateObject() : nullptr;
    CPreviewView* view = DYNAMIC_DOWNCAST(CPreviewView, object);
    if (!view) {
        delete object;
        return FALSE;
    }
    view->m_pOrigView = this;
    view->m_pPreviewState = std::move(state);
    return view->Start(frame, nIDResource, pPrintView);
}

void CView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT, CPreviewView* pView)
{
    OnEndPrinting(pDC, pInfo);
    CFrameWnd* frame = pView->GetParentFrame();
    if (frame)
        frame->OnSetPreviewMode(FALSE, pView->m_pPreviewState.get());
    pView->DestroyWindow();
}
