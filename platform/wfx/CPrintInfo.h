#pragma once

#include "CPrintDialog.h"
#include "CRect.h"

#include <memory>

// What a print job or a print preview knows about itself: its dialog (and
// so the printer and page range), the page being printed and the area to
// draw in. Pages are counted from 1.
struct WFX_API CPrintInfo
{
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    std::unique_ptr<CPrintDialog> m_pPD;
    BOOL m_bPreview = FALSE;
    BOOL m_bContinuePrinting = TRUE; // cleared by the view when the document ends early
    UINT m_nCurPage = 1;
    UINT m_nNumPreviewPages = 1; // pages the preview shows side by side (1 or 2)
    CRect m_rectDraw;            // the printable area of the page, in printer pixels

    void SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = WORD(nMinPage); }
    void SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = WORD(nMaxPage); }
    UINT GetMinPage() const { return m_pPD->m_pd.nMinPage; }
    UINT GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
    // The range chosen in the dialog, else all pages.
    UINT GetFromPage() const;
    UINT GetToPage() const;
};
