#include "CGDIpStatic.h"

#include "TransparentPaint.h"

IMPLEMENT_DYNAMIC(CGDIpStatic, CStatic)

BEGIN_MESSAGE_MAP(CGDIpStatic, CStatic)
ON_WM_ERASEBKGND()
ON_WM_SIZE()
END_MESSAGE_MAP()

CGDIpStatic::CGDIpStatic() : ITransparentCtrl(this)
{
    setMarginFractions(0, 0, 0, 0.05);
    setCornerFractions(0.5);
    m_frameColor = 0xFF8B8881;
    m_gradientStart = 0xFF434343;
    m_gradientEnd = 0xFF252525;
    m_enabledLook = false;
    m_drawFrame = true;
    m_textColor = 0xFFFFFF;
}

CGDIpStatic::~CGDIpStatic() = default;

CGDIpStatic& CGDIpStatic::operator=(const CGDIpStatic& other)
{
    IGDIpGradientRectPack::operator=(other);
    IOwnFontCtrl::operator=(other);
    m_format = other.m_format;
    m_strike = other.m_strike;
    return *this;
}

// Values are set on every live-data tick, mostly to what they show: an
// unchanged text is left alone. A new one is painted at once, as the static
// control itself does, but in the own drawing: under Wine a paint message
// costs several times the drawing.
void CGDIpStatic::SetWindowTextW(const wchar_t* text)
{
    if (!m_hWnd)
        return;
    CString shown;
    GetWindowText(shown);
    if (shown == (text ? text : L""))
        return;
    ::DefWindowProcW(m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    paintNow();
}

void CGDIpStatic::paintNow()
{
    if (!IsWindowVisible()) {
        Invalidate();
        return;
    }
    CClientDC dc(this);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_STATIC;
    item.CtlID = UINT(GetDlgCtrlID());
    item.hwndItem = m_hWnd;
    item.hDC = dc.m_hDC;
    GetClientRect(&item.rcItem);
    DrawItem(&item);
}

void CGDIpStatic::Invalidate()
{
    if (m_hWnd)
        CStatic::Invalidate(FALSE);
}

void CGDIpStatic::PreSubclassWindow()
{
    m_style = GetStyle();
    ModifyStyle(SS_RIGHT, SS_OWNERDRAW);
    ModifyStyleEx(0, WS_EX_TRANSPARENT);
    // A static taken over from a template gets no WM_SIZE before it paints.
    CRect client;
    GetClientRect(&client);
    v_recalcData(client);
    CStatic::PreSubclassWindow();
}

UINT CGDIpStatic::textFormat() const
{
    if (m_format)
        return m_format;
    const UINT base = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    const DWORD type = m_style & SS_TYPEMASK;
    if (type == SS_CENTER)
        return base | DT_CENTER;
    if (type == SS_RIGHT)
        return base | DT_RIGHT;
    return base;
}

void CGDIpStatic::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect item(lpDrawItemStruct->rcItem);
    paintTransparent(*this, *dc, m_memDC, [this, &item](CDC& mem) { drawContent(mem, item); });
}

void CGDIpStatic::drawContent(CDC& dc, CRect item)
{
    v_draw(dc);
    if (m_font)
        dc.SelectObject(m_font);
    dc.SetTextColor(m_textColor);
    dc.SetBkMode(TRANSPARENT);
    CString text;
    GetWindowText(text);
    dc.DrawText(text, &item, textFormat());
    if (m_strike) {
        CPen pen(PS_SOLID, 4, RGB(0x8C, 0, 0));
        CPen* oldPen = dc.SelectObject(&pen);
        dc.MoveTo(item.left, item.Height() / 2);
        dc.LineTo(item.right, item.Height() / 2);
        dc.SelectObject(oldPen);
    }
}

BOOL CGDIpStatic::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGDIpStatic::OnSize(UINT, int, int)
{
    Default();
    CRect client;
    GetClientRect(&client);
    v_recalcData(client);
}
