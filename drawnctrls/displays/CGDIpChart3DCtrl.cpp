#include "CGDIpChart3DCtrl.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(CGDIpChart3DCtrl, CGDIpTransparentCompCtrl)

BEGIN_MESSAGE_MAP(CGDIpChart3DCtrl, CGDIpTransparentCompCtrl)
ON_WM_MOUSEWHEEL()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_RBUTTONDOWN()
ON_WM_RBUTTONUP()
ON_WM_NCMOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

constexpr double kPi = 3.141592653589793;
constexpr const wchar_t* kSourceName = L"CGDIpChart3DCtrl";

std::vector<std::wstring> numberLabels(int first, int step, int count)
{
    std::vector<std::wstring> labels;
    for (int i = 0; i < count; ++i)
        labels.push_back(std::to_wstring(first + i * step));
    return labels;
}

} // namespace

CGDIpChart3DCtrl::CGDIpChart3DCtrl()
    : m_rpmLabels(numberLabels(0, 500, 20)), m_msLabels{L"1",  L"2",  L"3",  L"4",  L"6",
                                                        L"8",  L"10", L"12", L"14", L"16",
                                                        L"18", L"20", L"22", L"24", L"26"},
      m_percentLabels(numberLabels(-50, 10, 11))
{
    m_help[0] = L"Kółko myszy - skala. CTRL Kółko - przesunięcie poziomo. SHIFT Kółko - przesunięcie pionowo";
    m_help[1] = L"CTRL + strzałka w górę - zwiększanie korekt. CTRL + strzałka w dół - zmniejszanie korekt";
    m_help[2] = L"Prawy klawisz myszy - obrót. Lewy klawisz myszy - zaznaczanie zakresu";
    createChartFont(-12);
    m_a1 = m_a2 = m_a3 = 0.0;
    v_recalcPos();
}

CGDIpChart3DCtrl::~CGDIpChart3DCtrl() = default;

void CGDIpChart3DCtrl::createChartFont(int height)
{
    m_chartFont.DeleteObject();
    m_chartFont.CreateFont(height, 0, 0, 0, 700, 0, 0, 0, 1, 0, 0, 4, 48, L"Arial");
}

void CGDIpChart3DCtrl::throwCall(const wchar_t* name, std::initializer_list<int> leading, int last, int line)
{
    std::wstring text = std::wstring(name) + L"(";
    for (int n : leading)
        text += L"\n" + std::to_wstring(n);
    text += L"\n, " + std::to_wstring(last) + L" )";
    _throw(0, text.c_str(), line, kSourceName);
}

void CGDIpChart3DCtrl::createGrid(int z0, int rows, int columns)
{
    m_grid.clear();
    m_rowCount = m_columnCount = 0;
    // A negative count is no more a grid than 0.
    if (rows <= 0 || columns <= 0)
        return throwCall(L"createGrid", {z0, rows}, columns, 178);
    m_grid.assign(size_t(rows) + 1, std::vector<ChartNode>(size_t(columns) + 1));
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c <= columns; ++c) {
            ChartNode& node = m_grid[r][c];
            node.model = TPoint<double>(double(r) * m_rowSpacing, double(c) * m_columnSpacing);
            node.z = z0;
        }
    m_rowCount = rows + 1;
    m_columnCount = columns + 1;
}

void CGDIpChart3DCtrl::setData(int value, int row, int column, double x, double y)
{
    if (unsigned(row) >= unsigned(m_rowCount) || unsigned(column) >= unsigned(m_columnCount))
        return throwCall(L"setData", {row}, column, 162);
    ChartNode& node = m_grid[row][column];
    node.data = TPoint<double>(x, y);
    node.z = value;
}

int CGDIpChart3DCtrl::getData(int row, int column)
{
    if (unsigned(row) >= unsigned(m_rowCount) || unsigned(column) >= unsigned(m_columnCount)) {
        throwCall(L"getData", {row}, column, 216);
        return 0;
    }
    return int(m_grid[row][column].z);
}

TPoint<double> CGDIpChart3DCtrl::mapTo2D(double x, double y, double z)
{
    const double a1 = (m_a1 + 25 * kPi) / 180;
    const double c1 = std::cos(a1), s1 = std::sin(a1);
    const double a2 = m_a2 * kPi / 180;
    const double px = (std::cos(a2) * (c1 * x - s1 * y) - std::sin(a2) * z) * m_scale + m_originX;
    const double a3 = (m_a3 + 150 * kPi) / 180;
    const double py = (std::cos(a3) * z + std::sin(a3) * (s1 * x + c1 * y)) * m_scale + m_originY;
    return TPoint<double>(px, py);
}

void CGDIpChart3DCtrl::v_recalcPos()
{
    if (!m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    m_originX = client.Width() / 5;
    m_originY = client.Height() / 3;
    m_scale = client.Width() / 1832.0;
    createChartFont(int(client.Height() / -30.0));
}

void CGDIpChart3DCtrl::v_recalcData(const CRect& r)
{
    IGDIpGradientRectPack::v_recalcData(r);
    v_recalcPos();
    v_recalcChart();
}

void CGDIpChart3DCtrl::v_restoreDefaults()
{
    m_a1 = m_a2 = m_a3 = 0.0;
    v_recalcPos();
}

void CGDIpChart3DCtrl::v_recalcChart()
{
    const double w = m_boxWidth, d = m_boxDepth, h = m_boxHeight;
    m_axes[0] = TLine<double>(mapTo2D(w, 0, 0), mapTo2D(0, 0, 0));
    m_axes[1] = TLine<double>(mapTo2D(0, d, 0), mapTo2D(0, 0, 0));
    m_axes[2] = TLine<double>(mapTo2D(0, 0, h), mapTo2D(0, 0, 0));
    const double corners[10][3] = {{0, 0, 0}, {0, 0, h}, {0, d, 0}, {0, d, h}, {0, 0, h},
                                   {w, 0, 0}, {w, 0, h}, {w, 0, 0}, {w, d, 0}, {0, d, 0}};
    for (int i = 0; i < 10; ++i)
        m_corners[i] = mapTo2D(corners[i][0], corners[i][1], corners[i][2]);
}

void CGDIpChart3DCtrl::Invalidate(int erase)
{
    v_recalcChart();
    if (m_hWnd)
        CWnd::Invalidate(erase);
}

void CGDIpChart3DCtrl::v_dataChanged(bool) {}

void CGDIpChart3DCtrl::v_selectionChanged() {}

BOOL CGDIpChart3DCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint)
{
    if (nFlags & MK_CONTROL)
        m_originX = std::max(-100, int(std::trunc(zDelta / 10.0 + m_originX)));
    else if (nFlags & MK_SHIFT)
        m_originY = std::max(-100, int(std::trunc(zDelta / 10.0 + m_originY)));
    else
        m_scale = std::clamp(m_scale + zDelta / 1000.0, kMinScale, kMaxScale);
    Invalidate(FALSE);
    return TRUE;
}

void CGDIpChart3DCtrl::OnRButtonDown(UINT, CPoint point)
{
    SetFocus();
    m_rightAnchor = point;
    m_rightDrag = true;
    // A button let go outside the window ends the rotation when the mouse leaves.
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&track);
}

void CGDIpChart3DCtrl::OnRButtonUp(UINT, CPoint)
{
    m_rightDrag = false;
    Default();
}

void CGDIpChart3DCtrl::OnNcMouseMove(UINT, CPoint)
{
    m_rightDrag = false;
    Default();
}

void CGDIpChart3DCtrl::OnMouseLeave()
{
    m_rightDrag = false;
    Default();
}

bool CGDIpChart3DCtrl::nodeBelowRight(CPoint p, NodePos& found)
{
    for (int r = 0; r < m_rowCount; ++r)
        for (int c = 0; c < m_columnCount; ++c) {
            const ChartNode& node = m_grid[r][c];
            const TPoint<double> projected = mapTo2D(node.model, heightOf(node.z));
            if (p.x < projected.x && p.y < projected.y) {
                found = {r, c};
                return true;
            }
        }
    return false;
}

void CGDIpChart3DCtrl::OnLButtonDown(UINT, CPoint point)
{
    Default();
    if (::GetFocus() != m_hWnd) {
        SetFocus();
        return;
    }
    m_leftDrag = true;
    m_rightDrag = false;
    if (m_grid.empty())
        return;
    for (auto& row : m_grid)
        for (ChartNode& node : row)
            node.selected = false;
    if (nodeBelowRight(point, m_selStart)) {
        m_grid[m_selStart.row][m_selStart.column].selected = true;
        Invalidate(FALSE);
        v_selectionChanged();
    }
}

void CGDIpChart3DCtrl::OnLButtonUp(UINT, CPoint)
{
    m_leftDrag = false;
    Default();
}

void CGDIpChart3DCtrl::rotate(CPoint point)
{
    m_a1 = std::clamp(double(m_rightAnchor.x - point.x), -78.0, 200.0);
    m_a3 = std::clamp(double(m_rightAnchor.y - point.y), -180.0, 90.0);
}

void CGDIpChart3DCtrl::selectTo(CPoint point)
{
    const bool found = nodeBelowRight(point, m_selEnd);
    for (int r = 0; r < m_rowCount; ++r)
        for (int c = 0; c < m_columnCount; ++c)
            m_grid[r][c].selected =
                m_selStart.row <= r && r < m_selEnd.row && m_selStart.column <= c && c < m_selEnd.column;
    if (found)
        v_selectionChanged();
}

// Painted at once rather than by draining the queue, which would swallow
// WM_QUIT and run this handler inside itself.
void CGDIpChart3DCtrl::repaintNow()
{
    Invalidate(FALSE);
    UpdateWindow();
}

void CGDIpChart3DCtrl::OnMouseMove(UINT, CPoint point)
{
    if (m_rightDrag)
        rotate(point);
    if (m_leftDrag) {
        if (m_grid.empty()) {
            Default();
            return;
        }
        selectTo(point);
    }
    repaintNow();
    Default();
}

BOOL CGDIpChart3DCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN)
        return CGDIpTransparentCompCtrl::PreTranslateMessage(pMsg);
    if (m_grid.empty())
        return TRUE;
    const bool ctrl = ::GetKeyState(VK_LCONTROL) < 0 || ::GetKeyState(VK_RCONTROL) < 0;
    if ((pMsg->wParam != VK_UP && pMsg->wParam != VK_DOWN) || !ctrl)
        return CGDIpTransparentCompCtrl::PreTranslateMessage(pMsg);
    for (const auto& row : m_grid) {
        auto selected = std::find_if(row.begin(), row.end(), [](const ChartNode& n) { return n.selected; });
        if (selected != row.end()) {
            v_dataChanged(pMsg->wParam == VK_UP);
            break;
        }
    }
    Invalidate(FALSE);
    return TRUE;
}

Gdiplus::ARGB CGDIpChart3DCtrl::surfaceColor(double value) const
{
    if (value >= 0 && value < 1)
        return 0xFFFFFFFF;
    const double g = value >= 1 ? 245 - m_colorFactor * value : m_colorFactor * value + 245;
    const Gdiplus::ARGB low =
        Gdiplus::ARGB(std::isfinite(g) ? int(std::fmod(std::trunc(g), 256.0)) : 0) & 0xFF;
    return value >= 1 ? Gdiplus::Color::MakeARGB(255, 255, BYTE(low), BYTE(low))
                      : Gdiplus::Color::MakeARGB(255, BYTE(low), 255, BYTE(low));
}

void CGDIpChart3DCtrl::OnPaint()
{
    CPaintDC dc(this);
    m_backdrop.paint(*this, dc, m_memDC, [this](CDC& mem) { v_draw(mem); });
}

BOOL CGDIpChart3DCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGDIpChart3DCtrl::releasePictures(bool background)
{
    ITransparentCtrl::releasePictures(background);
    m_backdrop.clear();
}
