#include "CSplashDlg.h"

#include "SkinFile.h"
#include "ShellIds.h"

#include <UserInterface.h>

#include <algorithm>

CSplashDlg* g_pSplash = nullptr;

namespace {
const UINT kFadeMs = 10; // a percent of opacity
const DWORD kShownMs = 2000;
} // namespace

IMPLEMENT_DYNAMIC(CSplashDlg, CSkinDlg)

BEGIN_MESSAGE_MAP(CSplashDlg, CSkinDlg)
ON_WM_TIMER()
ON_WM_PAINT()
END_MESSAGE_MAP()

CSplashDlg::CSplashDlg(CWnd* pParent) : CSkinDlg(IDD_SPLASH, pParent)
{
    m_layered = true;
    m_opacity = 10;
    g_pSplash = this;
}

CSplashDlg::~CSplashDlg()
{
    if (m_icon)
        DestroyIcon(m_icon);
    if (g_pSplash == this)
        g_pSplash = nullptr;
}

// Without its image the window keeps the template's size.
BOOL CSplashDlg::OnInitDialog()
{
    CSkinDlg::OnInitDialog();
    m_image.Load(skinFile(L"Splash.tif").c_str());
    m_icon = static_cast<HICON>(
        LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_KESTRELWAVE), IMAGE_ICON, 24, 24, 0));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    if (m_image.IsLoaded()) {
        CRect window;
        GetWindowRect(&window);
        MoveWindow(window.left, window.top, m_image.GetWidth(), m_image.GetHeight());
    }
    SetTimer(IDT_SPLASH_FADE, kFadeMs, nullptr);
    BringWindowToTop();
    return TRUE;
}

void CSplashDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == IDT_SPLASH_FADE) {
        // By the clock: the start-up serves the timer seldom while it builds.
        const int faded = 10 + int((GetTickCount() - m_shownTick) / kFadeMs);
        m_opacity = std::max(m_opacity, std::min(100, faded));
        if (m_opacity >= 100)
            KillTimer(IDT_SPLASH_FADE);
        ::SetLayeredWindowAttributes(m_hWnd, 0, static_cast<BYTE>(m_opacity * 255 / 100), LWA_ALPHA);
    }
    CSkinDlg::OnTimer(nIDEvent);
}

void CSplashDlg::OnPaint()
{
    CPaintDC dc(this);
    if (m_image.IsLoaded())
        m_image.alphaBlend(dc.GetSafeHdc(), 0, 0, 1, 1);
}

void CSplashDlg::show()
{
    m_shownTick = GetTickCount();
    if (Create(IDD_SPLASH, nullptr))
        ShowWindow(SW_SHOW);
}

void CSplashDlg::serve()
{
    MSG msg;
    while (m_hWnd && PeekMessageW(&msg, m_hWnd, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

void CSplashDlg::hideWhenDue()
{
    for (DWORD passed = GetTickCount() - m_shownTick; m_shownTick && passed < kShownMs;
         passed = GetTickCount() - m_shownTick) {
        MsgWaitForMultipleObjectsEx(0, nullptr, kShownMs - passed, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        pumpMessages();
    }
    if (m_hWnd)
        ShowWindow(SW_HIDE);
}
