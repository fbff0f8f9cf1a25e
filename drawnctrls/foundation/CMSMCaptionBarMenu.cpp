// The caption bar's mouse handling, its menus and its painting.
#include "CMSMCaptionBar.h"

#include <windowsx.h>

#include <algorithm>

namespace {

UINT ncMessageOf(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        return WM_NCLBUTTONDOWN;
    case WM_LBUTTONUP:
        return WM_NCLBUTTONUP;
    default:
        return WM_NCLBUTTONDBLCLK;
    }
}

void enableItems(HMENU menu, std::initializer_list<UINT> commands, UINT state)
{
    for (UINT command : commands)
        ::EnableMenuItem(menu, command, MF_BYCOMMAND | state);
}

} // namespace

// The framework's pane handles nothing itself; only when it took the
// message is the bar's own handling skipped.
BOOL CMSMCaptionBar::PreTranslateMessage(MSG* pMsg)
{
    if (CPane::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->hwnd != m_hWnd)
        return FALSE;
    switch (pMsg->message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return forwardPress(pMsg);
    default:
        return FALSE;
    }
}

// A press on the caption or the icon goes to the frame as a press on its
// title bar; a press on a caption menu item opens that item's menu only.
BOOL CMSMCaptionBar::forwardPress(MSG* pMsg)
{
    CPoint point(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam));
    ClientToScreen(&point);
    const UINT hit = HitTest(point);
    if (hit != HTCAPTION && hit != HTSYSMENU)
        return FALSE;
    CRect itemRect;
    const int item = m_captionMenuId ? menuHitTest(point, itemRect) : -1;
    if (m_captionMenuId)
        setHoveredItem(item);
    const bool down = pMsg->message == WM_LBUTTONDOWN;
    if (down && hit == HTSYSMENU) {
        CRect client;
        GetClientRect(&client);
        CPoint corner(client.left, client.bottom);
        ClientToScreen(&corner);
        ShowSysMenu(corner);
        return TRUE;
    }
    if (item >= 0) {
        if (down)
            showMenu(item, itemRect);
        return TRUE;
    }
    if (CWnd* frame = GetParent())
        frame->SendMessage(ncMessageOf(pMsg->message), hit, MAKELPARAM(point.x, point.y));
    return TRUE;
}

void CMSMCaptionBar::showPopup(HMENU popup, CPoint at)
{
    CContextMenuManager fallback;
    auto* app = dynamic_cast<CWinAppEx*>(AfxGetApp());
    CContextMenuManager* manager = app ? app->GetContextMenuManager() : nullptr;
    (manager ? manager : &fallback)->ShowPopupMenu(popup, at.x, at.y, this);
}

void CMSMCaptionBar::ShowSysMenu(const CPoint& point)
{
    CWnd* frame = GetParent();
    HMENU menu = frame ? ::GetSystemMenu(frame->m_hWnd, FALSE) : nullptr;
    if (!menu)
        return;
    ::SetMenuDefaultItem(menu, SC_CLOSE, FALSE);
    const UINT normal = m_parentMaximized ? MF_GRAYED : MF_ENABLED;
    const UINT maximized = m_parentMaximized ? MF_ENABLED : MF_GRAYED;
    enableItems(menu, {SC_SIZE, SC_MOVE, SC_MAXIMIZE}, normal);
    enableItems(menu, {SC_RESTORE}, maximized);
    showPopup(menu, point);
}

void CMSMCaptionBar::showMenu(int item, const CRect& rect)
{
    CMenu menu;
    if (!m_captionMenuId || !menu.LoadMenu(m_captionMenuId))
        return;
    HMENU popup = ::GetSubMenu(menu.m_hMenu, item);
    if (!popup)
        return;
    if (item >= 0 && item < int(m_captionMenuTexts.size()))
        replaceMenuTexts(popup, m_captionMenuTexts[size_t(item)]);
    CPoint at(rect.left, rect.bottom);
    ClientToScreen(&at);
    showPopup(popup, at);
}

// Texts 1.. of the group replace the entries in order; separators keep
// their place and take no text.
void CMSMCaptionBar::replaceMenuTexts(HMENU popup, const std::vector<CString>& texts) const
{
    size_t next = 1;
    const int count = ::GetMenuItemCount(popup);
    for (int pos = 0; pos < count && next < texts.size(); ++pos) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        if (!::GetMenuItemInfoW(popup, UINT(pos), TRUE, &info) || (info.fType & MFT_SEPARATOR))
            continue;
        CString text = texts[next++];
        info.fMask = MIIM_STRING;
        info.dwTypeData = text.GetBuffer(text.GetLength());
        ::SetMenuItemInfoW(popup, UINT(pos), TRUE, &info);
        text.ReleaseBuffer();
    }
}

BOOL CMSMCaptionBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if (id >= SC_SIZE && id <= SC_CONTEXTHELP) {
        if (CWnd* frame = GetParent())
            frame->PostMessage(WM_SYSCOMMAND, id, 0);
        return TRUE;
    }
    return CPane::OnCommand(wParam, lParam);
}

LRESULT CMSMCaptionBar::OnSetText(WPARAM, LPARAM lParam)
{
    try {
        m_title = lParam ? reinterpret_cast<LPCWSTR>(lParam) : L"";
    } catch (...) {
        return FALSE;
    }
    Default();
    Invalidate(FALSE);
    return TRUE;
}

void CMSMCaptionBar::OnContextMenu(CWnd*, CPoint point)
{
    const UINT hit = HitTest(point);
    if (hit == HTCAPTION || hit == HTSYSMENU)
        ShowSysMenu(point);
}

void CMSMCaptionBar::OnSysCommand(UINT nID, LPARAM lParam)
{
    if (CWnd* frame = GetParent())
        frame->PostMessage(WM_SYSCOMMAND, nID, lParam);
}

void CMSMCaptionBar::OnMouseMove(UINT, CPoint point)
{
    if (!m_mouseTracked) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
        m_mouseTracked = ::TrackMouseEvent(&track) != FALSE;
    }
    ClientToScreen(&point);
    CRect r;
    setHoveredItem(menuHitTest(point, r));
    Default();
}

void CMSMCaptionBar::OnNcMouseMove(UINT, CPoint point)
{
    CRect r;
    setHoveredItem(menuHitTest(point, r));
    Default();
}

void CMSMCaptionBar::OnMouseLeave()
{
    m_mouseTracked = false;
    setHoveredItem(-1);
    Default();
}

void CMSMCaptionBar::setHoveredItem(int item)
{
    if (item == m_hoveredItem)
        return;
    m_hoveredItem = item;
    CRect area(m_menuArea);
    area.InflateRect(m_menuArea.Height(), m_menuArea.Height());
    InvalidateRect(&area, FALSE);
}

void CMSMCaptionBar::DoPaint(CDC* pDC)
{
    Painter painter;
    CMFCVisualManager* manager = CMFCVisualManager::GetInstance();
    painter.background = [this, manager](CDC& dc, const CRect& r) {
        manager->OnFillBarBackground(&dc, this, r, r);
    };
    auto text = [](CDC& dc, const CString& s, CRect r, UINT format, COLORREF color) {
        const int oldMode = dc.SetBkMode(TRANSPARENT);
        const COLORREF oldColor = dc.SetTextColor(color);
        dc.DrawText(s, &r, format);
        dc.SetTextColor(oldColor);
        dc.SetBkMode(oldMode);
    };
    painter.title = [this, text](CDC& dc, const CString& s, CRect r, UINT format) {
        text(dc, s, r, format, GetCaptionTextColor());
    };
    painter.menuText = [text](CDC& dc, const CString& s, CRect r, UINT format) {
        text(dc, s, r, format, GetGlobalData()->clrBarText);
    };
    painter.menuFocus = [](CDC& dc, CRect r) { dc.DrawFocusRect(&r); };
    paintBar(pDC, painter);
}

// Double-buffered: background, icon, title, caption menu.
void CMSMCaptionBar::paintBar(CDC* pDC, const Painter& painter)
{
    CRect client;
    GetClientRect(&client);
    if (client.IsRectEmpty())
        return;
    CDC mem;
    mem.CreateCompatibleDC(pDC);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(pDC, client.Width(), client.Height());
    CBitmap* oldBitmap = mem.SelectObject(&bitmap);
    painter.background(mem, client);
    CRect textArea(client);
    if (m_hIcon) {
        const CRect icon = iconRect();
        const CPoint centre = icon.CenterPoint();
        ::DrawIconEx(mem.GetSafeHdc(), centre.x - m_iconWidth / 2, centre.y - m_iconHeight / 2, m_hIcon,
                     m_iconWidth, m_iconHeight, 0, nullptr, DI_NORMAL);
        textArea.left = icon.right;
    }
    if (m_minimizeButton.m_hWnd) {
        CRect button;
        m_minimizeButton.GetWindowRect(&button);
        ScreenToClient(&button);
        textArea.right = button.left - 1;
    }
    CFont* oldFont = mem.SelectObject(&m_captionFont);
    painter.title(mem, m_title, textArea, m_textFormat);
    mem.SelectObject(oldFont);
    paintCaptionMenu(mem, client, m_hIcon ? iconRect().right : 0, painter);
    pDC->BitBlt(0, 0, client.Width(), client.Height(), &mem, 0, 0, SRCCOPY);
    mem.SelectObject(oldBitmap);
}

CString CMSMCaptionBar::menuItemText(CMenu& menu, int item) const
{
    if (item < int(m_captionMenuTexts.size()) && !m_captionMenuTexts[size_t(item)].empty())
        return m_captionMenuTexts[size_t(item)][0];
    CString text;
    menu.GetMenuString(UINT(item), text, MF_BYPOSITION);
    return text;
}

// The items left to right from one "w" right of the icon, each remembered
// for hit testing with half a text height more below.
void CMSMCaptionBar::paintCaptionMenu(CDC& dc, const CRect& client, int left, const Painter& painter)
{
    m_menuRects.clear();
    m_menuArea.SetRectEmpty();
    CMenu menu;
    if (!m_captionMenuId || !menu.LoadMenu(m_captionMenuId))
        return;
    LOGFONTW logFont{};
    m_captionFont.GetLogFont(&logFont);
    logFont.lfHeight = logFont.lfHeight * 3 / 4;
    logFont.lfWeight = FW_NORMAL;
    CFont font;
    font.CreateFontIndirect(&logFont);
    CFont* oldFont = dc.SelectObject(&font);
    TEXTMETRICW metrics{};
    dc.GetTextMetrics(&metrics);
    const int textHeight = metrics.tmHeight;
    const int w = dc.GetTextExtent(L"w", 1).cx;
    const UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
    int x = left + w;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        const CString text = menuItemText(menu, i);
        CRect r(0, 0, 0, 0);
        dc.DrawText(text, &r, format | DT_CALCRECT);
        const int top = client.top + (client.Height() - textHeight) / 2;
        r.SetRect(x, top, x + r.Width(), top + textHeight);
        if (i == m_hoveredItem) {
            const int extra = textHeight / 8;
            painter.menuFocus(dc, CRect(r.left - w / 2, r.top - extra, r.right + w / 2, r.bottom + extra));
        }
        painter.menuText(dc, text, r, format);
        CRect hit(r);
        hit.bottom += textHeight / 2;
        m_menuRects.push_back(hit);
        ::UnionRect(&m_menuArea, &m_menuArea, &hit);
        x = r.right + w;
    }
    dc.SelectObject(oldFont);
}
