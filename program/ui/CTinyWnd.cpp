#include "CTinyWnd.h"

#include <algorithm>
#include <vector>

namespace {

// The live tiny windows; GUI thread only.
std::vector<CTinyWnd*> g_tinyWindows;

bool isRegistered(const CTinyWnd* wnd)
{
    return std::find(g_tinyWindows.begin(), g_tinyWindows.end(), wnd) != g_tinyWindows.end();
}

void unregister(const CTinyWnd* wnd)
{
    g_tinyWindows.erase(std::remove(g_tinyWindows.begin(), g_tinyWindows.end(), wnd), g_tinyWindows.end());
}

} // namespace

CTinyWnd::CTinyWnd() = default;

CTinyWnd::~CTinyWnd()
{
    close();
}

CTinyWnd* CTinyWnd::fromHandle(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    for (CTinyWnd* wnd : g_tinyWindows)
        if (wnd->m_hWnd == hwnd)
            return wnd;
    return nullptr;
}

LRESULT CALLBACK CTinyWnd::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CTinyWnd* wnd = fromHandle(hwnd);
    if (!wnd)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    wnd->m_msgWnd = hwnd;
    wnd->m_message = message;
    wnd->m_wParam = wParam;
    wnd->m_lParam = lParam;
    if (message == WM_NCDESTROY) {
        wnd->forget();
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return wnd->dispatch() ? 1 : DefWindowProcW(hwnd, message, wParam, lParam);
}

bool CTinyWnd::dispatch()
{
    const UINT m = m_message;
    if (m >= WM_MOUSEMOVE && m <= WM_MBUTTONDBLCLK)
        return onMouse(m, m_wParam, short(LOWORD(m_lParam)), short(HIWORD(m_lParam)));
    switch (m) {
    case WM_DESTROY:
        return onDestroy();
    case WM_KEYDOWN:
    case WM_KEYUP:
        return onKey(m, m_wParam, m_lParam);
    case WM_SIZE:
        return onSize(LOWORD(m_lParam), HIWORD(m_lParam));
    case WM_HSCROLL:
        return onHScroll(HWND(m_lParam), LOWORD(m_wParam), short(HIWORD(m_wParam)));
    case WM_VSCROLL:
        return onVScroll(HWND(m_lParam), LOWORD(m_wParam), short(HIWORD(m_wParam)));
    case WM_ERASEBKGND:
        return onEraseBkgnd(m_wParam);
    case WM_PAINT:
        return onPaint(m_wParam);
    case WM_TIMER:
        return onTimer(m_wParam);
    default:
        return false;
    }
}

// One window per object: a second would leave the first unreachable.
bool CTinyWnd::makeWindow(LPCWSTR className, LPCWSTR windowName, DWORD style, HWND parent, DWORD exStyle)
{
    if (m_hWnd)
        return false;
    m_parent = parent;
    g_tinyWindows.push_back(this);
    m_hWnd = CreateWindowExW(exStyle, className, windowName, style, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, m_hInstance, nullptr);
    if (!m_hWnd)
        unregister(this);
    return m_hWnd != nullptr;
}

bool CTinyWnd::create(LPCWSTR className, LPCWSTR windowName, DWORD style, HWND parent, DWORD exStyle)
{
    if (!makeWindow(className, windowName, style, parent, exStyle))
        return false;
    onCreate();
    return m_hWnd != nullptr;
}

bool CTinyWnd::createLayered(LPCWSTR className, LPCWSTR windowName, int alphaPercent, bool clearStyle,
                             bool place, DWORD style, HWND parent, const RECT& rect, bool showIt,
                             DWORD exStyle)
{
    if (!makeWindow(className, windowName, style, parent, exStyle | WS_EX_LAYERED))
        return false;
    if (clearStyle)
        SetWindowLongW(m_hWnd, GWL_STYLE, 0);
    SetLayeredWindowAttributes(m_hWnd, 0, BYTE(alphaPercent * 255 / 100), LWA_ALPHA);
    if (place) {
        const UINT flags = SWP_FRAMECHANGED | (showIt ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
        SetWindowPos(m_hWnd, HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, flags);
    }
    onCreate();
    return m_hWnd != nullptr;
}

void CTinyWnd::close()
{
    if (!isRegistered(this))
        return;
    if (m_hWnd && IsWindow(m_hWnd))
        DestroyWindow(m_hWnd);
    forget();
}

void CTinyWnd::forget()
{
    unregister(this);
    m_hWnd = nullptr;
}

bool CTinyWnd::getClientRect(RECT& rect) const
{
    return m_hWnd && GetClientRect(m_hWnd, &rect);
}

void CTinyWnd::show(int command)
{
    if (m_hWnd)
        ShowWindow(m_hWnd, command);
}

void CTinyWnd::invalidate(const RECT* rect, bool erase)
{
    if (m_hWnd)
        InvalidateRect(m_hWnd, rect, erase);
}

bool CTinyWnd::registerClass(HINSTANCE instance, LPCWSTR className, HICON icon, HICON smallIcon,
                             HCURSOR cursor, LPCWSTR menuName, HBRUSH background)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_OWNDC | CS_DBLCLKS;
    wc.lpfnWndProc = &CTinyWnd::windowProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = smallIcon;
    wc.hCursor = cursor;
    wc.lpszMenuName = menuName;
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) != 0;
}
