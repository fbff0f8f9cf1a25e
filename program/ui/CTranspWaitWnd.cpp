#include "CTranspWaitWnd.h"

#include <algorithm>
#include <cmath>

namespace {

const wchar_t kClassName[] = L"TransparentWaitClass";
const wchar_t kWindowName[] = L"TransparentWaitWnd";
const DWORD kWaitStyle = 0x00CF0000;
const double kPi = 3.14159265358979323846;

POINT rotated(POINT p, POINT centre, double degrees)
{
    const double a = degrees * kPi / 180;
    const double dx = p.x - centre.x;
    const double dy = p.y - centre.y;
    return POINT{LONG(dx * std::cos(a) - dy * std::sin(a) + centre.x),
                 LONG(dx * std::sin(a) + dy * std::cos(a) + centre.y)};
}

} // namespace

CTranspWaitWnd::CTranspWaitWnd()
{
    setDefaults();
}

// Closed here, while the whole object still handles WM_DESTROY: the base's
// destructor would reach only the base's handlers.
CTranspWaitWnd::~CTranspWaitWnd()
{
    close();
}

void CTranspWaitWnd::setDefaults()
{
    m_text = L"Czekaj ...";
    m_fontFace = L"Arial";
    m_fontFactor = 0.2;
    m_textColor = 190;
    m_bkColor = 0x00323232;
    m_dotColor = 0x00969600;
    m_animate = 1;
    m_rectangle = 0;
    m_sizeFactor = 0.2;
    m_widthFactor = 1.0;
    m_opacity = 80;
    m_seconds = 1;
    m_angle = 0;
    m_fontEnlarged = 0;
}

RECT CTranspWaitWnd::placement(const RECT& parent) const
{
    const int w = parent.right - parent.left;
    const int h = parent.bottom - parent.top;
    const int height = int(std::min(w, h) * m_sizeFactor);
    const int width = m_rectangle ? int(height * m_widthFactor) : height;
    const int left = parent.left + w / 2 - width / 2;
    const int top = parent.top + h / 2 - height / 2;
    return RECT{left, top, left + width, top + height};
}

bool CTranspWaitWnd::show(HWND parent)
{
    if (m_hWnd)
        return true; // shown already
    if (!m_hInstance)
        m_hInstance = GetModuleHandleW(nullptr);
    registerClass(m_hInstance, kClassName, nullptr, nullptr, LoadCursorW(nullptr, IDC_ARROW), nullptr,
                  HBRUSH(5));
    RECT parentRect{};
    if (!parent || !GetWindowRect(parent, &parentRect))
        return false;
    if (!createLayered(kClassName, kWindowName, m_opacity, true, true, kWaitStyle, parent,
                       placement(parentRect), true, WS_EX_CLIENTEDGE))
        return false;
    CTinyWnd::show(SW_SHOW);
    UpdateWindow(m_hWnd);
    return true;
}

void CTranspWaitWnd::layout()
{
    RECT r{};
    getClientRect(r);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    LOGFONTW lf{};
    lf.lfHeight = LONG(m_fontFactor * h);
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = EASTEUROPE_CHARSET;
    lf.lfQuality = ANTIALIASED_QUALITY;
    lf.lfPitchAndFamily = 48;
    lstrcpynW(lf.lfFaceName, m_fontFace, LF_FACESIZE);
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&lf);
    const POINT starts[4] = {{w / 2, 0}, {w / 2, h}, {0, h / 2}, {w, h / 2}};
    for (int i = 0; i < 4; ++i)
        m_dots[i] = Dot{starts[i], starts[i]};
}

bool CTranspWaitWnd::onCreate()
{
    getClientRect(m_clientRect);
    layout();
    m_bkBrush.CreateSolidBrush(m_bkColor);
    m_dotPen.CreatePen(PS_SOLID, 1, m_dotColor);
    m_dotBrush.CreateSolidBrush(m_dotColor);
    SetCapture(m_hWnd);
    InflateRect(&m_clientRect, -1, -1);
    setRegion();
    if (m_animate) {
        SetTimer(m_hWnd, m_secondsTimer, 1000, nullptr);
        SetTimer(m_hWnd, m_dotsTimer, 200, nullptr);
    }
    return true;
}

void CTranspWaitWnd::setRegion()
{
    const RECT& r = m_clientRect;
    HRGN region = m_rectangle ? CreateRectRgnIndirect(&r) : CreateEllipticRgnIndirect(&r);
    if (region && !SetWindowRgn(m_hWnd, region, TRUE)) {
        DeleteObject(region);
        region = nullptr;
    }
    m_region = region;
}

bool CTranspWaitWnd::onDestroy()
{
    KillTimer(m_hWnd, m_secondsTimer);
    KillTimer(m_hWnd, m_dotsTimer);
    if (GetCapture() == m_hWnd)
        ReleaseCapture();
    m_font.DeleteObject();
    m_bkBrush.DeleteObject();
    m_dotPen.DeleteObject();
    m_dotBrush.DeleteObject();
    // The region went with the window.
    m_region = nullptr;
    return true;
}

bool CTranspWaitWnd::onPaint(WPARAM)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    const int saved = SaveDC(dc);
    SetMapMode(dc, MM_TEXT);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, m_textColor);
    SelectObject(dc, m_font.GetSafeHandle());
    FillRect(dc, &m_clientRect, m_bkBrush);
    RECT textRect = m_clientRect;
    DrawTextW(dc, m_text, -1, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    if (m_seconds > 1)
        paintDots(dc);
    RestoreDC(dc, saved);
    EndPaint(m_hWnd, &ps);
    return true;
}

void CTranspWaitWnd::paintDots(HDC dc)
{
    RECT client{};
    getClientRect(client);
    const int radius = (client.right - client.left) / 10;
    SelectObject(dc, m_dotPen.GetSafeHandle());
    SelectObject(dc, m_dotBrush.GetSafeHandle());
    for (const Dot& dot : m_dots)
        Ellipse(dc, dot.current.x - radius, dot.current.y - radius, dot.current.x + radius,
                dot.current.y + radius);
}

bool CTranspWaitWnd::onTimer(UINT_PTR id)
{
    if (id == m_secondsTimer) {
        m_text.Format(L"%i", m_seconds++);
        if (!m_fontEnlarged) {
            m_fontFactor *= 2;
            layout();
            m_fontEnlarged = 1;
        }
    } else if (id == m_dotsTimer) {
        moveDots();
    }
    invalidate(nullptr, true);
    return true;
}

void CTranspWaitWnd::moveDots()
{
    RECT client{};
    getClientRect(client);
    const POINT centre{(client.right - client.left) / 2, (client.bottom - client.top) / 2};
    for (Dot& dot : m_dots) {
        m_angle += 1;
        dot.current = rotated(dot.start, centre, m_angle);
    }
}
