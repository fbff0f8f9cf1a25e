#include "CMSMCaptionBar.h"

#include "CMSMVisualManager.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CMSMCaptionBar, CPane)

BEGIN_MESSAGE_MAP(CMSMCaptionBar, CPane)
ON_MESSAGE(WM_SETTEXT, &CMSMCaptionBar::OnSetText)
ON_WM_SIZE()
ON_WM_CONTEXTMENU()
ON_WM_SYSCOMMAND()
ON_WM_MOUSEMOVE()
ON_WM_NCMOUSEMOVE()
ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

namespace {

const DWORD paneTop = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
const DWORD barStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | paneTop;

UINT hitCodeOf(UINT command)
{
    switch (command) {
    case SC_MINIMIZE:
        return HTMINBUTTON;
    case SC_MAXIMIZE:
    case SC_RESTORE:
        return HTMAXBUTTON;
    case SC_CLOSE:
        return HTCLOSE;
    case SC_CONTEXTHELP:
        return HTHELP;
    default:
        return HTCAPTION;
    }
}

} // namespace

CMSMCaptionBar::CMSMCaptionBar() = default;

CMSMCaptionBar::~CMSMCaptionBar()
{
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
}

BOOL CMSMCaptionBar::Create(CWnd* pParent, UINT buttonsBitmapId, UINT iconId, UINT id)
{
    return CreateEx(pParent, buttonsBitmapId, iconId, id);
}

BOOL CMSMCaptionBar::CreateEx(CWnd* pParent, UINT buttonsBitmapId, UINT iconId, UINT id)
{
    auto* frame = DYNAMIC_DOWNCAST(CFrameWndEx, pParent);
    if (!frame || !frame->m_hWnd)
        return FALSE;
    m_buttonsBitmapId = buttonsBitmapId;
    m_dwStyle |= paneTop;
    LPCWSTR windowClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                              reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CWnd::CreateEx(0, windowClass, L"", barStyle, CRect(), pParent, id))
        return FALSE;
    LPCWSTR iconName = MAKEINTRESOURCEW(iconId);
    if (HINSTANCE module = AfxFindResourceHandle(iconName, RT_GROUP_ICON)) {
        if (HICON icon = HICON(::LoadImageW(module, iconName, IMAGE_ICON, 35, 16, 0)))
            SetIcon(icon);
    }
    pParent->GetWindowText(m_title);
    if (m_title.IsEmpty())
        m_title.LoadString(id);
    takeSystemMetrics((pParent->GetExStyle() & WS_EX_TOOLWINDOW) != 0);
    createButtons(buttonsBitmapId);
    frame->AddPane(this);
    return TRUE;
}

void CMSMCaptionBar::takeSystemMetrics(bool toolWindow)
{
    m_captionHeight = m_sysCaptionHeight = ::GetSystemMetrics(toolWindow ? SM_CYSMCAPTION : SM_CYCAPTION);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    m_captionFont.DeleteObject();
    if (GetGlobalData()->GetNonClientMetrics(metrics))
        m_captionFont.CreateFontIndirect(toolWindow ? &metrics.lfSmCaptionFont : &metrics.lfCaptionFont);
    else {
        LOGFONTW font{};
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
        m_captionFont.CreateFontIndirect(&font);
    }
}

void CMSMCaptionBar::createButtons(UINT buttonsBitmapId)
{
    CSize size(::GetSystemMetrics(SM_CXSIZE), ::GetSystemMetrics(SM_CYSIZE));
    auto* manager = DYNAMIC_DOWNCAST(CMSMVisualManager, CMFCVisualManager::GetInstance());
    if (manager && manager->LoadMSMCaptionButtonsIcons(buttonsBitmapId)) {
        const int side = manager->GetMSMCaptionButtonsSize().cx;
        size = CSize(side, side);
        m_captionHeight = size.cy + 2;
    }
    const CRect r(CPoint(0, 0), size);
    const DWORD style = WS_CHILD | WS_VISIBLE;
    m_closeButton.Create(L"", style, r, this, SC_CLOSE);
    m_maximizeButton.Create(L"", style, r, this, m_parentMaximized ? SC_RESTORE : SC_MAXIMIZE);
    m_minimizeButton.Create(L"", style, r, this, SC_MINIMIZE);
}

BOOL CMSMCaptionBar::PreCreateWindow(CREATESTRUCTW& cs)
{
    const BOOL result = CPane::PreCreateWindow(cs);
    if ((m_dwStyle & 0xFF00) == paneTop)
        m_dwStyle &= ~DWORD(0xF80);
    return result;
}

void CMSMCaptionBar::SetIcon(HICON hIcon)
{
    if (hIcon == m_hIcon)
        return;
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
    m_hIcon = hIcon;
    m_iconWidth = m_iconHeight = 0;
    ICONINFO info{};
    if (hIcon && ::GetIconInfo(hIcon, &info)) {
        BITMAP bitmap{};
        if (info.hbmColor && ::GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap)) {
            m_iconWidth = bitmap.bmWidth;
            m_iconHeight = bitmap.bmHeight;
        }
        // GetIconInfo hands over copies of both bitmaps.
        if (info.hbmColor)
            ::DeleteObject(info.hbmColor);
        if (info.hbmMask)
            ::DeleteObject(info.hbmMask);
    }
    if (m_hWnd)
        Invalidate(FALSE);
}

COLORREF CMSMCaptionBar::GetCaptionTextColor() const
{
    return m_parentActive ? GetGlobalData()->clrCaptionText : GetGlobalData()->clrInactiveCaptionText;
}

CSize CMSMCaptionBar::CalcFixedLayout(BOOL, BOOL)
{
    CWindowDC screen(nullptr);
    CFont* old = screen.SelectObject(&m_captionFont);
    TEXTMETRICW metrics{};
    screen.GetTextMetrics(&metrics);
    screen.SelectObject(old);
    const int content = std::max(m_iconHeight, int(metrics.tmHeight));
    return CSize(32767, std::max(m_captionHeight, content));
}

void CMSMCaptionBar::SetCaptionHeight(int height)
{
    if (height == m_captionHeight)
        return;
    m_captionHeight = height;
    if (CFrameWnd* frame = m_hWnd ? GetParentFrame() : nullptr)
        frame->RecalcLayout();
}

void CMSMCaptionBar::SetCaptionFont(const LOGFONTW& font)
{
    m_captionFont.DeleteObject();
    m_captionFont.CreateFontIndirect(&font);
    if (m_hWnd)
        Invalidate(FALSE);
}

void CMSMCaptionBar::SetParentActive(BOOL active)
{
    if (active == m_parentActive)
        return;
    m_parentActive = active;
    if (m_hWnd)
        Invalidate(FALSE);
}

void CMSMCaptionBar::SetParentMaximize(BOOL maximized)
{
    if (maximized == m_parentMaximized)
        return;
    m_parentMaximized = maximized;
    m_maximizeButton.SetSysCommand(maximized ? SC_RESTORE : SC_MAXIMIZE);
    if (m_maximizeButton.m_hWnd)
        m_maximizeButton.Invalidate(FALSE);
    if (m_hWnd)
        Invalidate(FALSE);
}

void CMSMCaptionBar::OnSize(UINT, int, int)
{
    Default();
    placeButtons();
}

// Close at the right edge, maximise and minimise each 1 pixel further left.
void CMSMCaptionBar::placeButtons()
{
    if (!m_closeButton.m_hWnd || !m_maximizeButton.m_hWnd || !m_minimizeButton.m_hWnd)
        return;
    CSize size;
    if (auto* manager = DYNAMIC_DOWNCAST(CMSMVisualManager, CMFCVisualManager::GetInstance()))
        size = manager->GetMSMCaptionButtonsSize();
    if (size.cx <= 0 || size.cy <= 0) {
        CRect r;
        m_closeButton.GetWindowRect(&r);
        size = r.Size();
    }
    CRect client;
    GetClientRect(&client);
    int top = (client.Height() - size.cy) / 2;
    if (client.Height() < size.cy) {
        const int side = std::max(0, client.Height() - 2);
        size = CSize(side, side);
        top = 1;
    }
    int x = client.right;
    for (CMSMCaptionBarButton* button : {&m_closeButton, &m_maximizeButton, &m_minimizeButton}) {
        x -= size.cx;
        button->MoveWindow(x, top, size.cx, size.cy);
        x -= 1;
    }
}

CRect CMSMCaptionBar::iconRect() const
{
    CRect client;
    GetClientRect(&client);
    const int side = m_sysCaptionHeight;
    const int top = (client.Height() - side) / 2;
    return CRect(0, top, side, top + side);
}

UINT CMSMCaptionBar::HitTest(const CPoint& point)
{
    CPoint p(point);
    ScreenToClient(&p);
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(p))
        return HTNOWHERE;
    if (m_hIcon && iconRect().PtInRect(p))
        return HTSYSMENU;
    for (CMSMCaptionBarButton* button : {&m_minimizeButton, &m_maximizeButton, &m_closeButton}) {
        if (!button->m_hWnd || !(button->IsWindowVisible() || ::GetCapture() == button->m_hWnd))
            continue;
        CRect r;
        button->GetWindowRect(&r);
        if (r.PtInRect(point))
            return hitCodeOf(button->GetSysCommand());
    }
    return HTCAPTION;
}

int CMSMCaptionBar::menuHitTest(const CPoint& point, CRect& rect)
{
    CPoint p(point);
    ScreenToClient(&p);
    for (size_t i = 0; i < m_menuRects.size(); ++i) {
        if (m_menuRects[i].PtInRect(p)) {
            rect = m_menuRects[i];
            return int(i);
        }
    }
    return -1;
}
