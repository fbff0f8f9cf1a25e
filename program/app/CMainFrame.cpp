#include "CMainFrame.h"

#include "COrvoDoc.h"
#include "COrvoView.h"
#include "ProgramBusy.h"
#include "ShellIds.h"
#include "translate.h"

#include <CGDIpVisualManager.h>

#include <cmath>

unsigned char g_wasConnected = 1;
int g_reconnectCountdown = 10;
unsigned char g_firstTickDone = 0;

namespace {

const UINT kTickMs = 100;
const int kRescanTicks = 10;
// Posted by the first tick: the firmware offer runs outside the timer.
const UINT WM_OFFER_FIRMWARE = WM_APP + 15;

CLPGDevice* device()
{
    return g_pDocument ? &g_pDocument->m_device : nullptr;
}

} // namespace

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWndEx)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWndEx)
ON_WM_CREATE()
ON_WM_TIMER()
ON_WM_SIZE()
ON_WM_ACTIVATE()
ON_WM_CLOSE()
ON_MESSAGE(WM_OFFER_FIRMWARE, &CMainFrame::OnOfferFirmware)
END_MESSAGE_MAP()

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame() = default;

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTW& cs)
{
    cs.style = WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    RECT work;
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
        cs.x = 0;
        cs.y = 0;
        cs.cx = work.right - work.left;
        cs.cy = work.bottom - work.top;
    }
    return CFrameWndEx::PreCreateWindow(cs);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWndEx::OnCreate(lpCreateStruct) == -1)
        return -1;
    ModifyStyle(WS_CAPTION | FWS_ADDTOTITLE, 0);
    ModifyStyleEx(WS_EX_CLIENTEDGE, 0);
    CMFCVisualManager::SetDefaultManager(RUNTIME_CLASS(CGDIpVisualManager));
    CMFCVisualManagerOffice2007::SetStyle(CMFCVisualManagerOffice2007::Office2007_ObsidianBlack);
    CMFCToolBarButton::m_bWrapText = FALSE;
    CMFCToolBar::SetMenuSizes(CSize(22, 22), CSize(16, 16));
    if (!m_captionBar.Create(this, IDB_CAPTION_BUTTONS, IDI_KESTRELWAVE, IDR_MAINFRAME))
        return -1;
    m_captionBar.m_captionMenuId = IDR_MAINFRAME;
    m_captionBar.SetWindowTextW(L"           Kestrelwave");
    // The bar owns the icon from now on.
    m_captionBar.SetIcon(static_cast<HICON>(
        LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_KESTRELWAVE), IMAGE_ICON, 24, 24, 0)));
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (GetGlobalData()->GetNonClientMetrics(metrics)) {
        m_captionFont = metrics.lfCaptionFont;
        m_captionFontSet = 1;
    }
    return 0;
}

void CMainFrame::OnSize(UINT nType, int cx, int cy)
{
    if (m_captionBar.GetSafeHwnd())
        m_captionBar.SetParentMaximize(nType == SIZE_MAXIMIZED);
    if (m_captionFontSet)
        fitCaptionFont(cx, cy);
    CFrameWndEx::OnSize(nType, cx, cy);
}

// The caption grows with the screen: a hundredth of the client's diagonal
// scale, at least 18 pixels.
void CMainFrame::fitCaptionFont(int cx, int cy)
{
    const int n = static_cast<int>(std::sqrt(static_cast<double>(cx) * cy) / 100);
    const int height = n > 18 ? n : 18;
    m_captionFont.lfHeight = -height;
    m_captionFont.lfWeight = FW_BOLD;
    if (!m_captionBar.GetSafeHwnd())
        return;
    m_captionBar.SetCaptionFont(m_captionFont);
    m_captionBar.SetCaptionHeight(2 * height);
}

void CMainFrame::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CFrameWndEx::OnActivate(nState, pWndOther, bMinimized);
    if (m_captionBar.GetSafeHwnd())
        m_captionBar.SetParentActive(nState != WA_INACTIVE);
}

void CMainFrame::startWatchTimer()
{
    if (!GetSafeHwnd())
        return;
    m_timerArmed = true;
    SetTimer(IDT_WATCH, kTickMs, nullptr);
}

void CMainFrame::stopWatchTimer()
{
    m_timerArmed = false;
    if (GetSafeHwnd())
        KillTimer(IDT_WATCH);
}

void CMainFrame::setConnectedState(bool connected)
{
    if (m_pView)
        m_pView->setConnected(connected);
}

// Never re-entered: a tick that pumps messages lets the next ones pass.
void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    CFrameWndEx::OnTimer(nIDEvent);
    if (nIDEvent != IDT_WATCH || m_inTick)
        return;
    m_inTick = true;
    tick();
    m_inTick = false;
    if (m_timerArmed && GetSafeHwnd()) {
        KillTimer(IDT_WATCH);
        SetTimer(IDT_WATCH, kTickMs, nullptr);
    }
}

void CMainFrame::tick()
{
    CLPGDevice* dev = device();
    if (!dev || !watchConnection())
        return;
    if (m_pView && dev->m_diagData.count() > 0)
        m_pView->v_onTimer();
    if (!g_firstTickDone) {
        g_firstTickDone = 1;
        if (dev->m_connected)
            PostMessage(WM_OFFER_FIRMWARE);
    }
}

bool CMainFrame::watchConnection()
{
    const bool connected = device()->m_connected;
    if (g_wasConnected) {
        if (connected)
            return true;
        setConnectedState(false);
        g_wasConnected = 0;
        g_reconnectCountdown = kRescanTicks;
        return false;
    }
    if (connected) {
        setConnectedState(true);
        g_wasConnected = 1;
    } else if (!ProgramBusy::isSet() && g_reconnectCountdown-- == 0) {
        rescan();
    }
    return true;
}

void CMainFrame::rescan()
{
    ProgramBusy busy;
    CLPGDevice* dev = device();
    dev->discover();
    if (dev->m_connected)
        g_pDocument->onConnected();
    else
        g_reconnectCountdown = kRescanTicks;
}

LRESULT CMainFrame::OnOfferFirmware(WPARAM, LPARAM)
{
    if (g_pDocument && g_pDocument->m_device.m_connected)
        g_pDocument->checkFirmwareUpdate();
    return 0;
}

// A close stops a running procedure that can stop and waits for it; once
// the document agreed, the timer and the reading thread stop before the
// documents go.
void CMainFrame::OnClose()
{
    if (ProgramBusy::isSet() || m_inTick) {
        HWND self = GetSafeHwnd();
        ProgramBusy::whenIdle([self] { ::PostMessageW(self, WM_CLOSE, 0, 0); });
        ProgramBusy::requestStop();
        return;
    }
    CDocument* document = GetActiveDocument();
    if (document && !document->CanCloseFrame(this))
        return;
    stopLiveData();
    CFrameWndEx::OnClose();
}

void CMainFrame::stopLiveData()
{
    stopWatchTimer();
    if (g_pDocument)
        g_pDocument->stopDiagThread();
}

void CMainFrame::buildMenu()
{
    if (m_pView)
        m_pView->v_translate();
    if (CLPGDevice* dev = device())
        setConnectedState(dev->m_connected);
    m_menuTexts = {
        {translate(L"File"), translate(L"Connect"), translate(L"Load settings from file"),
         translate(L"Save settings to file"), translate(L"Reload factory settings"), translate(L"Exit")},
        {translate(L"Language"), translate(L"English")},
        {translate(L"Info"), translate(L"Device update..."), translate(L"Enable hidden features..."),
         translate(L"About...")},
    };
    m_captionBar.m_captionMenuTexts.clear();
    for (const auto& group : m_menuTexts) {
        m_captionBar.m_captionMenuTexts.emplace_back();
        for (const std::wstring& text : group)
            m_captionBar.m_captionMenuTexts.back().push_back(text.c_str());
    }
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}
