#include "CSkinDlg.h"

#include "IGDIpGradientRectGrayPack.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSkinDlg, CGDIpGradientDialog)

BEGIN_MESSAGE_MAP(CSkinDlg, CGDIpGradientDialog)
ON_WM_CREATE()
ON_WM_LBUTTONDOWN()
ON_WM_SIZE()
END_MESSAGE_MAP()

using Gdiplus::ARGB;

namespace {

LOGFONTW arialOf(LONG weight)
{
    LOGFONTW font{};
    font.lfHeight = -18;
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = ANTIALIASED_QUALITY;
    font.lfPitchAndFamily = 0x30;
    wcscpy(font.lfFaceName, L"Arial");
    return font;
}

ARGB opaque(COLORREF c)
{
    return 0xFF000000u | (ARGB(GetRValue(c)) << 16) | (ARGB(GetGValue(c)) << 8) | GetBValue(c);
}

} // namespace

CSkinDlg::CSkinDlg()
{
    init();
}

CSkinDlg::CSkinDlg(UINT nIDTemplate, CWnd* pParentWnd) : CGDIpGradientDialog(nIDTemplate, pParentWnd)
{
    init();
}

CSkinDlg::~CSkinDlg() = default;

void CSkinDlg::init()
{
    IGDIpGradientRectPack::operator=(IGDIpGradientRectGrayPack());
    m_gradientStart = m_gradientEnd = 0xFF646464; // the background colour
    // In place: a second init must not leave children with a deleted font.
    IOwnFontCtrl::recreateFont(m_normalFont, arialOf(FW_NORMAL), this);
    IOwnFontCtrl::recreateFont(m_titleFont, arialOf(FW_BOLD), this);
    m_font = &m_normalFont;
    m_titleHeight = 32;
    m_layered = false;
    m_opacity = 85;
    m_titleCreated = false;
}

void CSkinDlg::DoDataExchange(CDataExchange* pDX)
{
    CGDIpGradientDialog::DoDataExchange(pDX);
}

BYTE CSkinDlg::opacityAlpha(int opacity)
{
    return BYTE(std::clamp(opacity, 0, 100) * 255 / 100);
}

int CSkinDlg::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CGDIpGradientDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_layered) {
        ModifyStyleEx(0, WS_EX_LAYERED);
        SetLayeredWindowAttributes(0, opacityAlpha(m_opacity), LWA_ALPHA);
    }
    return 0;
}

BOOL CSkinDlg::OnInitDialog()
{
    CGDIpGradientDialog::OnInitDialog();
    setMarginFractions(0, 0, 0, 0);
    setCornerFractions(0);
    initCaption();
    return TRUE;
}

CRect CSkinDlg::titleRect() const
{
    CRect r;
    GetClientRect(&r);
    r.bottom = r.top + m_titleHeight;
    return r;
}

void CSkinDlg::initCaption()
{
    const CRect r = titleRect();
    m_titleStatic.Create(L"TITLE", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_CENTER, CRect(), this,
                         kTitleId);
    m_titleStatic.setMarginFractions(0, 0, 0, 0);
    m_titleStatic.setCornerFractions(0);
    m_titleStatic.m_textColor = RGB(255, 0, 0);
    m_titleStatic.m_font = &m_titleFont;
    m_titleStatic.SetWindowTextW(m_title);
    m_titleStatic.v_recalcData(r);
    m_titleStatic.MoveWindow(&r);
    m_titleCreated = true;
}

void CSkinDlg::SetWindowTextW(CString text)
{
    m_title = text;
    if (m_titleStatic.m_hWnd)
        m_titleStatic.SetWindowTextW(m_title);
}

void CSkinDlg::SetBackgroundColor(COLORREF c)
{
    m_gradientStart = m_gradientEnd = opaque(c);
    if (m_hWnd)
        Invalidate(TRUE);
}

void CSkinDlg::OnSize(UINT nType, int cx, int cy)
{
    CGDIpGradientDialog::OnSize(nType, cx, cy);
    if (m_titleCreated)
        m_titleStatic.MoveWindow(titleRect());
}

void CSkinDlg::OnLButtonDown(UINT, CPoint point)
{
    if (m_titleStatic.m_hWnd) {
        CRect title;
        m_titleStatic.GetWindowRect(&title);
        ScreenToClient(&title);
        if (title.PtInRect(point)) {
            CPoint screen = point;
            ClientToScreen(&screen);
            SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
            if (GetFocus() != this)
                SetFocus();
        }
    }
    Default();
}
