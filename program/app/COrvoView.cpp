#include "COrvoView.h"

#include "CBottomMPDlg.h"
#include "CInfoMPDlg.h"
#include "CLeftToolBarMPDlg.h"
#include "CLockDlgMPD.h"
#include "CMainFrame.h"
#include "COrvoDoc.h"
#include "CSplashDlg.h"
#include "COBDMPDlg.h"
#include "ErrorReport.h"
#include "ProgramBusy.h"
#include "translate.h"

#include <IError.h>
#include <UserInterface.h>

CGDIpMultiPageCtrl* g_pPageCtrl = nullptr;

namespace {
const COLORREF kBackground = 0x00FFE0D9;
} // namespace

IMPLEMENT_DYNCREATE(COrvoView, CView)

BEGIN_MESSAGE_MAP(COrvoView, CView)
ON_WM_SIZE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

COrvoView::COrvoView()
{
    m_smallFont.CreateFont(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, 48, L"Times New Roman");
    m_largeFont.CreateFont(-18, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, 48, L"Times New Roman");
}

COrvoView::~COrvoView()
{
    if (g_pPageCtrl == &m_pageCtrl)
        g_pPageCtrl = nullptr;
}

void COrvoView::OnDraw(CDC*) {}

void COrvoView::OnInitialUpdate()
{
    if (m_once)
        return;
    m_once = 1;
    CMainFrame* frame = static_cast<CMainFrame*>(AfxGetMainWnd());
    g_pDocument->m_pMainFrame = frame;
    frame->m_pView = this;
    connectController();
    createHost();
    createPages();
    createPanels();
    m_pageCtrl.activatePage(0);
    fitHost();
    m_pagesReady = true;
    CLPGDevice& device = g_pDocument->m_device;
    frame->setConnectedState(device.m_connected);
    frame->buildMenu();
    enablePages(device.isLocked());
    if (g_pSplash)
        g_pSplash->hideWhenDue();
}

// Errors of the OBD detection or the preset are shown, and the pages are
// built all the same.
void COrvoView::connectController()
{
    ProgramBusy busy;
    CLPGDevice& device = g_pDocument->m_device;
    device.connect();
    if (device.m_connected) {
        try {
            device.detect();
            if (device.m_connected) {
                g_pDocument->writeInitialSetup();
                g_pDocument->startDiagThreadDefault();
            }
        } catch (IError* error) {
            reportError(L"COrvoView::OnInitialUpdate()", error);
        }
    }
    if (!device.m_connected)
        showProgramMessage(this, L"NO CONNECTION", 0);
}

void COrvoView::v_onTimer()
{
    if (!m_pagesReady)
        return;
    IMultiPageContent* active = m_pageCtrl.getActivePage();
    if (auto* page = dynamic_cast<ITimerBasedGUI*>(active))
        page->v_onTimer();
    if (m_pBottomPage)
        m_pBottomPage->v_onTimer();
    if (CLeftToolBarMPDlg* left = leftPage())
        left->v_onTimer();
    if (!ProgramBusy::isSet())
        pollObd(active);
}

// The petrol OBD page polls by itself while it is shown.
void COrvoView::pollObd(IMultiPageContent* active)
{
    auto* window = dynamic_cast<CWnd*>(active);
    if (window && window->IsKindOf(RUNTIME_CLASS(COBDMPDlg)))
        return;
    try {
        g_pDocument->m_device.onTimer();
    } catch (IError* error) {
        delete error;
    }
}

void COrvoView::v_translate()
{
    if (CLeftToolBarMPDlg* left = leftPage())
        left->v_translate();
    for (int i = 0; i < m_pageCtrl.getPageCount(); ++i)
        if (auto* page = dynamic_cast<IMultilangGUI*>(m_pageCtrl.getPage(i)))
            if (page != static_cast<IMultilangGUI*>(leftPage()) && page != m_pBottomPage)
                page->v_translate();
}

CLeftToolBarMPDlg* COrvoView::leftPage()
{
    return dynamic_cast<CLeftToolBarMPDlg*>(m_pageCtrl.getLeftPage());
}

void COrvoView::enablePages(bool locked)
{
    for (int i = 0; i < m_pageCtrl.getPageCount(); ++i) {
        IMultiPageContent* page = m_pageCtrl.getPage(i);
        auto* window = dynamic_cast<CWnd*>(page);
        if (!window || !window->GetSafeHwnd())
            continue;
        const bool always = window->IsKindOf(RUNTIME_CLASS(CLockDlgMPD)) ||
                            window->IsKindOf(RUNTIME_CLASS(CInfoMPDlg)) || page == m_pageCtrl.getLeftPage() ||
                            page == m_pageCtrl.getCenterBottomPage();
        window->EnableWindow(always || !locked);
    }
}

void COrvoView::activateActivePage()
{
    if (!m_pagesReady)
        return;
    if (IMultiPageContent* active = m_pageCtrl.getActivePage())
        active->v_activate();
}

void COrvoView::setConnected(bool connected)
{
    if (m_pBottomPage && m_pBottomPage->GetSafeHwnd())
        m_pBottomPage->setConnected(connected);
}

void COrvoView::makeFonts(int height, int weight)
{
    for (CFont* font : {&m_smallFont, &m_largeFont}) {
        font->DeleteObject();
        font->CreateFont(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, 48, L"Times New Roman");
    }
}

void COrvoView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    CRect client;
    GetClientRect(&client);
    makeFonts(static_cast<int>(client.Height() / -40.0), FW_BOLD);
    fitHost();
}

void COrvoView::fitHost()
{
    if (!m_pageCtrl.GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    m_pageCtrl.MoveWindow(&client);
}

BOOL COrvoView::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    CBrush brush(kBackground);
    CBrush* old = pDC->SelectObject(&brush);
    pDC->Rectangle(&client);
    pDC->SelectObject(old);
    return TRUE;
}
