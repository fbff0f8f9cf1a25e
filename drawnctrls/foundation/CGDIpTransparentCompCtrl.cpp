#include "CGDIpTransparentCompCtrl.h"

#include <PlaceholderStatic.h>

IMPLEMENT_DYNAMIC(CGDIpTransparentCompCtrl, CWnd)

BEGIN_MESSAGE_MAP(CGDIpTransparentCompCtrl, CWnd)
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CGDIpTransparentCompCtrl::CGDIpTransparentCompCtrl() : ITransparentCtrl(this), ISizableCtrlsContainer(this)
{
    setMarginFractions(0, 0, 0, 0);
    setCornerFractions(0.5);
    m_drawFrame = false;
    m_fillBackground = false;
    m_drawGradient = true;
    m_frameColor = 0xFF8B8881;
    m_gradientStart = 0xFF434343;
    m_gradientEnd = 0xFF212121;
    m_gradientMode = Gdiplus::LinearGradientModeVertical;
}

CGDIpTransparentCompCtrl::~CGDIpTransparentCompCtrl() = default;

CGDIpTransparentCompCtrl& CGDIpTransparentCompCtrl::operator=(const CGDIpTransparentCompCtrl& other)
{
    ISizableCtrlsContainer::operator=(other);
    m_transparent = other.m_transparent;
    return *this;
}

BOOL CGDIpTransparentCompCtrl::Create(DWORD dwStyle, CRect rect, CWnd* pParentWnd, UINT nID)
{
    LPCWSTR windowClass = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC);
    m_creating = true;
    BOOL made = CWnd::Create(windowClass, L"", dwStyle | WS_CHILD | WS_VISIBLE, rect, pParentWnd, nID);
    m_creating = false;
    if (made)
        initialise(UINT(rect.Width()), UINT(rect.Height()));
    return made;
}

BOOL CGDIpTransparentCompCtrl::CreateFromStatic(DWORD dwStyle, CWnd* pParentWnd, UINT nID)
{
    CRect rect;
    return takePlaceholderStatic(nID, pParentWnd, rect) ? Create(dwStyle, rect, pParentWnd, nID) : FALSE;
}

void CGDIpTransparentCompCtrl::PreSubclassWindow()
{
    // Windows made by Create are set up once they exist.
    if (!m_creating) {
        CRect client;
        GetClientRect(&client);
        initialise(UINT(client.Width()), UINT(client.Height()));
    }
    CWnd::PreSubclassWindow();
}

void CGDIpTransparentCompCtrl::initialise(UINT designWidth, UINT designHeight)
{
    if (m_initialisedFor == m_hWnd)
        return;
    m_initialisedFor = m_hWnd;
    v_createSizableCtrls();
    setOrygSize(designWidth, designHeight);
    init();
    recalcControls();
    v_createOwnCtrls();
}

void CGDIpTransparentCompCtrl::OnSize(UINT, int, int)
{
    Default();
    recalcControls();
    CRect client;
    GetClientRect(&client);
    v_recalcData(client);
    if (m_hWnd)
        Invalidate(TRUE);
}

void CGDIpTransparentCompCtrl::drawContent(CDC& dc)
{
    IGDIpGradientRectPack::v_draw(dc);
    v_draw(dc);
}

void CGDIpTransparentCompCtrl::OnPaint()
{
    CPaintDC dc(this);
    beginTransparentPaint(&dc);
    drawContent(m_memDC);
    endTransparentPaint(&dc);
}

BOOL CGDIpTransparentCompCtrl::OnEraseBkgnd(CDC* pDC)
{
    if (m_transparent) {
        beginTransparentPaint(pDC);
        drawContent(m_memDC);
        handBackgroundToChildren(this, m_memDC);
        endTransparentPaint(pDC);
        return TRUE;
    }
    composeOpaque(this, pDC, [this](CDC& mem) { drawContent(mem); });
    return TRUE;
}
