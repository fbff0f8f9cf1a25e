#include "CBrush.h"
#include "CFrameWnd.h"
#include "CPen.h"
#include "CPreviewView.h"
#include "CStatusBar.h"

#include <algorithm>

// Where CPreviewView places its pages, and how it draws them.

namespace {

const int kMargin = 8; // around the pages, in screen pixels

// A4, 210 x 297 mm, in thousandths of an inch.
const int kA4Width = 8268;
const int kA4Height = 11693;

int screenPixelsPerInch(int index)
{
    HDC screen = ::GetDC(nullptr);
    int ppi = ::GetDeviceCaps(screen, index);
    ::ReleaseDC(nullptr, screen);
    return ppi > 0 ? ppi : 96;
}

} // namespace

CSize CPreviewView::PhysicalPageOnScreen() const
{
    CSize screen(screenPixelsPerInch(LOGPIXELSX), screenPixelsPerInch(LOGPIXELSY));
    CSize printer(m_sizePrinterPPI.cx > 0 ? m_sizePrinterPPI.cx : screen.cx,
                  m_sizePrinterPPI.cy > 0 ? m_sizePrinterPPI.cy : screen.cy);
    POINT size{};
    if (m_pPreviewDC->Escape(GETPHYSPAGESIZE, 0, nullptr, &size) <= 0 || size.x <= 0 || size.y <= 0)
        size = POINT{m_pPreviewDC->GetDeviceCaps(HORZRES), m_pPreviewDC->GetDeviceCaps(VERTRES)};
    if (size.x <= 0 || size.y <= 0)
        size = POINT{::MulDiv(kA4Width, printer.cx, 1000), ::MulDiv(kA4Height, printer.cy, 1000)};
    return CSize(::MulDiv(size.x, screen.cx, printer.cx), ::MulDiv(size.y, screen.cy, printer.cy));
}

CSize CPreviewView::CalcPageDisplaySize()
{
    CRect client;
    GetClientRect(&client);
    m_nSecondPageOffset = (client.Width() - kMargin) / 2;
    int width = m_nPages == 2 ? (client.Width() - 3 * kMargin) / 2 : client.Width() - 2 * kMargin;
    return CSize(std::max(width, 1), std::max(int(client.Height()) - 2 * kMargin, 1));
}

CSize CPreviewView::CalcScaleRatio(CSize windowSize, CSize actualSize) const
{
    if (actualSize.cx <= 0 || actualSize.cy <= 0)
        return CSize(1, 1);
    if (windowSize.cx < ::MulDiv(actualSize.cx, windowSize.cy, actualSize.cy))
        return CSize(windowSize.cx, actualSize.cx);
    return CSize(windowSize.cy, actualSize.cy);
}

void CPreviewView::PositionPage(UINT nPage)
{
    CSize display = CalcPageDisplaySize();
    PAGE_INFO& page = m_pPageInfo[nPage];
    page.sizeUnscaled = PhysicalPageOnScreen();
    page.sizeZoomOutRatio = CalcScaleRatio(display, page.sizeUnscaled);
    SetScaledSize(nPage);
}

void CPreviewView::SetScaledSize(UINT nPage)
{
    PAGE_INFO& page = m_pPageInfo[nPage];
    page.sizeScaleRatio = m_nZoomState == ZOOM_OUT ? page.sizeZoomOutRatio : CSize(1, 1);
    PlaceScaledPage(nPage);
}

void CPreviewView::PlaceScaledPage(UINT nPage)
{
    PAGE_INFO& page = m_pPageInfo[nPage];
    CSize ratio = page.sizeScaleRatio;
    CSize scaled(::MulDiv(page.sizeUnscaled.cx, ratio.cx, ratio.cy),
                 ::MulDiv(page.sizeUnscaled.cy, ratio.cx, ratio.cy));
    page.rectScreen.SetRect(kMargin, kMargin, scaled.cx + kMargin + 3, scaled.cy + kMargin + 3);
    CSize display = CalcPageDisplaySize();
    if (m_nZoomState != ZOOM_OUT) {
        CSize total = page.rectScreen.Size() + CSize(2 * kMargin, 2 * kMargin);
        SetScrollSizes(MM_TEXT, total, display);
        return;
    }
    page.rectScreen.OffsetRect((display.cx - page.rectScreen.Width()) / 2 - 1,
                               (display.cy - page.rectScreen.Height()) / 2 - 1);
    if (nPage == 1)
        page.rectScreen.OffsetRect(m_nSecondPageOffset, 0);
}

void CPreviewView::OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed)
{
    CFrameWnd* frame = GetParentFrame();
    auto* bar = frame ? DYNAMIC_DOWNCAST(CStatusBar, frame->GetControlBar(AFX_IDW_STATUS_BAR)) : nullptr;
    if (!bar)
        return;
    CString text;
    if (nPagesDisplayed == 1)
        text.Format(L"Page %u", nPage);
    else
        text.Format(L"Pages %u-%u", nPage, nPage + nPagesDisplayed - 1);
    bar->SetPaneText(0, text);
}

void CPreviewView::OnDraw(CDC* pDC)
{
    if (!m_pPreviewDC || !m_pPrintView)
        return;
    for (UINT slot = 0; slot < m_nPages; ++slot) {
        int saved = ::SaveDC(m_pPreviewDC->m_hAttribDC); // the view may change the printer's state
        bool more = DrawPage(pDC, slot);
        ::RestoreDC(m_pPreviewDC->m_hAttribDC, saved);
        if (!more)
            break;
    }
}

void CPreviewView::DrawPageOutline(CDC* pDC, const CRect& rect, CPoint viewportOrg)
{
    int saved = pDC->SaveDC();
    pDC->SetMapMode(MM_TEXT);
    pDC->SetViewportOrg(viewportOrg.x, viewportOrg.y);
    pDC->SetWindowOrg(0, 0);
    CPen framePen(PS_SOLID, 2, ::GetSysColor(COLOR_WINDOWFRAME));
    CPen shadowPen(PS_SOLID, 3, ::GetSysColor(COLOR_BTNSHADOW));
    pDC->SelectStockObject(HOLLOW_BRUSH);
    pDC->SelectObject(&framePen);
    pDC->Rectangle(&rect);
    pDC->SelectObject(&shadowPen);
    pDC->MoveTo(rect.right + 1, rect.top + 3);
    pDC->LineTo(rect.right + 1, rect.bottom + 1);
    pDC->MoveTo(rect.left + 3, rect.bottom + 1);
    pDC->LineTo(rect.right + 1, rect.bottom + 1);
    CRect paper(rect.left + 1, rect.top + 1, rect.right - 2, rect.bottom - 2);
    ::FillRect(pDC->m_hDC, &paper, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    pDC->RestoreDC(saved);
}

// False once the pages of the document are used up.
bool CPreviewView::DrawPage(CDC* pDC, UINT nPage)
{
    CPrintInfo& info = *m_pPreviewInfo;
    UINT number = m_nCurrentPage + nPage;
    info.m_nCurPage = number;
    m_pPreviewDC->SetOutputDC(pDC->m_hDC);
    if (number <= info.GetMaxPage())
        m_pPrintView->OnPrepareDC(m_pPreviewDC.get(), &info);
    info.m_rectDraw.SetRect(0, 0, m_pPreviewDC->GetDeviceCaps(HORZRES), m_pPreviewDC->GetDeviceCaps(VERTRES));
    PAGE_INFO& page = m_pPageInfo[nPage];
    if (page.sizeScaleRatio.cx == 0)
        PositionPage(nPage);
    CPoint origin = m_nZoomState == ZOOM_OUT ? CPoint(0, 0) : -GetDeviceScrollPosition();
    DrawPageOutline(pDC, page.rectScreen, origin);
    if (!info.m_bContinuePrinting || number > info.GetMaxPage()) {
        m_pPreviewDC->ReleaseOutputDC();
        if (nPage == 0 && m_nCurrentPage > 1)
            SetCurrentPage(m_nCurrentPage - 1, TRUE);
        return false;
    }
    OnDisplayPageNumber(m_nCurrentPage, nPage + 1);
    m_pPreviewDC->SetScaleRatio(page.sizeScaleRatio.cx, page.sizeScaleRatio.cy);
    POINT offset{};
    m_pPreviewDC->Escape(GETPRINTINGOFFSET, 0, nullptr, &offset);
    m_pPreviewDC->PrinterDPtoScreenDP(&offset);
    CPoint topLeft = CPoint(offset) + page.rectScreen.TopLeft() + CPoint(1, 1) + origin;
    m_pPreviewDC->SetTopLeftOffset(CSize(topLeft.x, topLeft.y));
    int saved = pDC->SaveDC();
    m_pPreviewDC->ClipToPage();
    PrintPageContent(nPage);
    pDC->RestoreDC(saved);
    m_pPreviewDC->ReleaseOutputDC();
    return true;
}

void CPreviewView::PrintPageContent(UINT)
{
    m_pPrintView->OnPrint(m_pPreviewDC.get(), m_pPreviewInfo.get());
}
