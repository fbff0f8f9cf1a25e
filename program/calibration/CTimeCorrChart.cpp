#include "CTimeCorrChart.h"

#include "SettingsHandler.h"
#include "RoundFunctions.h"
#include "translate.h"

#include <CLPGDevice.h>

#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(CTimeCorrChart, CCompCtrl)

BEGIN_MESSAGE_MAP(CTimeCorrChart, CCompCtrl)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_SETCURSOR()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

const uint16_t kMap40ms = 0x1000;
const int kAnchorFirmware = 779;
const int kRightMargin = 85;
const int kBelowPlot = 5;
const double kMaxCorrection = 50.0;
const COLORREF kGridColour = RGB(100, 100, 100);
const COLORREF kOperatingColour = RGB(50, 50, 255);

bool map40ms()
{
    return g_pDevice && (g_pDevice->m_settings.m_advancedSetup.m_advancedFlags3 & kMap40ms);
}

int firmware()
{
    return g_pDevice ? g_pDevice->m_settings.m_devInfo.m_version : 0;
}

bool ctrlDown()
{
    return GetKeyState(VK_LCONTROL) < 0 || GetKeyState(VK_RCONTROL) < 0;
}

std::wstring format0(double v)
{
    wchar_t text[32];
    swprintf(text, 32, L"%.0f", v);
    return text;
}

bool within(double v, const TimeCorrAxis& axis)
{
    return v >= axis.min && v <= axis.max;
}

// Draws the text unclipped in a rectangle of its own size placed at `at`,
// the point's meaning chosen by the alignment: DT_CENTER/DT_RIGHT across,
// centred down when `middle`.
void putText(CDC& dc, const std::wstring& text, CPoint at, UINT across, bool middle)
{
    if (text.empty())
        return;
    const CSize size = dc.GetTextExtent(text.c_str(), int(text.size()));
    int left = at.x;
    if (across == DT_CENTER)
        left -= size.cx / 2;
    else if (across == DT_RIGHT)
        left -= size.cx;
    const int top = middle ? at.y - size.cy / 2 : at.y;
    CRect box(left, top, left + size.cx, top + size.cy);
    dc.DrawText(text.c_str(), int(text.size()), &box, DT_NOCLIP | DT_SINGLELINE | DT_LEFT | DT_TOP);
}

// Upward text, centred on `middleY`.
void putVerticalText(CDC& dc, const std::wstring& text, int x, int middleY)
{
    const CSize size = dc.GetTextExtent(text.c_str(), int(text.size()));
    dc.TextOut(x, middleY + size.cx / 2, text.c_str(), int(text.size()));
}

void circle(CDC& dc, CPoint at, int penWidth, COLORREF colour)
{
    CPen pen(PS_SOLID, penWidth, colour);
    CPen* old = dc.SelectObject(&pen);
    dc.Ellipse(at.x - 3, at.y - 3, at.x + 3, at.y + 3);
    dc.SelectObject(old);
}

void createFont(CFont& font, int height, int escapement)
{
    font.DeleteObject();
    font.CreateFont(height, 0, escapement, escapement, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH,
                    L"Times New Roman");
}

} // namespace

CTimeCorrChart::CTimeCorrChart() : m_points(kPoints)
{
    for (int i = 0; i < kPoints; ++i) {
        m_points[i].x = 1.0 + 0.5 * i;
        m_points[i].y = 1.0;
    }
    for (TimeCorrPoint* end : {&m_points.front(), &m_points.back()})
        end->marked = end->anchor = true;
}

CTimeCorrChart::~CTimeCorrChart() = default;

std::wstring CTimeCorrChart::timeLabel(double v) const
{
    if (v == 0 || v > 39 || v != round0(v))
        return L"";
    return format0(map40ms() ? 2 * v : v);
}

std::wstring CTimeCorrChart::correctionLabel(double v) const
{
    return v < -50 || v > 50 ? L"" : format0(v);
}

std::wstring CTimeCorrChart::pressureLabel(double v) const
{
    return v < 5 ? L"" : format0(v);
}

// Set on every live sample: the chart repaints when the point moves by a pixel.
void CTimeCorrChart::setOperatingPoint(double time, double pressure)
{
    const CPoint before = operatingPixel();
    m_opTime = std::max(time, 1.0);
    m_opPressure = pressure;
    if (GetSafeHwnd() && operatingPixel() != before)
        Invalidate(FALSE);
}

CPoint CTimeCorrChart::operatingPixel() const
{
    return CPoint(timeToX(m_opTime), valueToY(m_opPressure, m_pressureAxis));
}

void CTimeCorrChart::setPointValue(unsigned index, int value)
{
    if (index < m_points.size())
        m_points[index].y = value;
}

void CTimeCorrChart::setDefaultCaptions()
{
    m_title.clear();
    m_timeCaption = L"Time [ms]";
    m_corrCaption = L"Corrections [%]";
    m_pressureCaption = L"Vacuum [kPa]";
}

int CTimeCorrChart::OnCreate(LPCREATESTRUCT create)
{
    const int result = CCompCtrl::OnCreate(create);
    layout(create->cx, create->cy);
    return result;
}

void CTimeCorrChart::OnSize(UINT type, int cx, int cy)
{
    CCompCtrl::OnSize(type, cx, cy);
    layout(cx, cy);
}

void CTimeCorrChart::layout(int width, int height)
{
    const int fontHeight = -int(std::sqrt(double(width) * height) / 54);
    createFont(m_tickFont, fontHeight, 0);
    createFont(m_captionFont, fontHeight, 0);
    createFont(m_verticalFont, fontHeight, 900);
    createFont(m_titleFont, fontHeight, 0);
    m_legendHeight = height / 10;
    m_plotWidth = width - m_left - kRightMargin;
    m_plotHeight = height - m_top - m_legendHeight - kBelowPlot;
    m_timeCaption = L"Time [ms]";
    m_corrCaption = L"Corrections [%]";
}

CRect CTimeCorrChart::plotRect() const
{
    return CRect(int(m_left), int(m_top), int(m_left + m_plotWidth), int(m_top + m_plotHeight));
}

int CTimeCorrChart::timeToX(double v) const
{
    return int(m_left + (v - m_timeAxis.min) / (m_timeAxis.max - m_timeAxis.min) * m_plotWidth);
}

int CTimeCorrChart::valueToY(double v, const TimeCorrAxis& axis) const
{
    return int(m_top + m_plotHeight - (v - axis.min) / (axis.max - axis.min) * m_plotHeight);
}

CPoint CTimeCorrChart::curvePixel(int index) const
{
    const TimeCorrPoint& p = m_points[index];
    return CPoint(timeToX(p.x), valueToY(p.y, m_corrAxis));
}

bool CTimeCorrChart::onCurveAxes(const TimeCorrPoint& p) const
{
    return within(p.x, m_timeAxis) && within(p.y, m_corrAxis);
}

bool CTimeCorrChart::insidePlotColumns(const CPoint& point) const
{
    return point.x >= m_left && point.x <= m_left + m_plotWidth;
}

void CTimeCorrChart::OnPaint()
{
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CDC memory;
    memory.CreateCompatibleDC(&paint);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&paint, client.Width(), client.Height());
    CBitmap* old = memory.SelectObject(&bitmap);
    draw(memory, client);
    paint.BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}

void CTimeCorrChart::draw(CDC& dc, const CRect& client)
{
    const int saved = dc.SaveDC();
    CPen frame(PS_SOLID, 1, kGridColour);
    CBrush white(RGB(255, 255, 255));
    dc.SelectObject(&frame);
    dc.SelectObject(&white);
    dc.Rectangle(&client);
    // Too small for the margins: an empty frame rather than a plot turned inside out.
    if (m_plotWidth >= 1 && m_plotHeight >= 1) {
        dc.SetBkMode(TRANSPARENT);
        dc.SelectStockObject(NULL_BRUSH);
        drawGrid(dc);
        drawCaptions(dc);
        drawCurve(dc);
        drawMarkers(dc);
        drawMapPoints(dc);
        drawOperatingPoint(dc);
    }
    dc.RestoreDC(saved);
}

void CTimeCorrChart::drawGrid(CDC& dc)
{
    const CRect plot = plotRect();
    CPen dotted(PS_DOT, 1, kGridColour);
    CPen* oldPen = dc.SelectObject(&dotted);
    CFont* oldFont = dc.SelectObject(&m_tickFont);
    for (double v = m_timeAxis.min; v <= m_timeAxis.max; v += m_timeAxis.step) {
        const int x = timeToX(v);
        if (x > plot.right)
            continue;
        dc.MoveTo(x, plot.top);
        dc.LineTo(x, plot.bottom);
        putText(dc, timeLabel(v), CPoint(x, plot.bottom + kBelowPlot), DT_CENTER, false);
    }
    for (double v = m_corrAxis.min; v <= m_corrAxis.max; v += m_corrAxis.step) {
        const int y = valueToY(v, m_corrAxis);
        dc.MoveTo(plot.left, y);
        dc.LineTo(plot.right, y);
        putText(dc, correctionLabel(v), CPoint(plot.left - 5, y), DT_RIGHT, true);
    }
    for (double v = m_pressureAxis.min; v <= m_pressureAxis.max; v += m_pressureAxis.step)
        putText(dc, pressureLabel(v), CPoint(plot.right + 5, valueToY(v, m_pressureAxis)), DT_LEFT, true);
    dc.SelectObject(oldFont);
    dc.SelectObject(oldPen);
}

void CTimeCorrChart::drawCaptions(CDC& dc)
{
    const CRect plot = plotRect();
    CFont* oldFont = dc.SelectObject(&m_tickFont);
    const int line = dc.GetTextExtent(L"0", 1).cy;
    const int centreX = int((m_left + m_plotWidth) / 2);
    const int captionY = plot.bottom + line + 5;
    dc.SelectObject(&m_titleFont);
    putText(dc, translate(m_title), CPoint(centreX, int(m_top / 2)), DT_CENTER, true);
    dc.SelectObject(&m_captionFont);
    putText(dc, translate(m_timeCaption), CPoint(centreX, captionY), DT_CENTER, false);
    const COLORREF oldColour = dc.SetTextColor(RGB(200, 0, 0));
    const std::wstring petrol = translate(L"PETROL");
    putText(dc, petrol, CPoint(plot.left + 20, captionY), DT_LEFT, false);
    const int gasX = plot.left + 20 + dc.GetTextExtent(petrol.c_str(), int(petrol.size())).cx + 20;
    dc.SetTextColor(RGB(20, 185, 20));
    putText(dc, translate(L"GAS"), CPoint(gasX, captionY), DT_LEFT, false);
    dc.SetTextColor(oldColour);
    dc.SelectObject(&m_verticalFont);
    const int middleY = plot.top + plot.Height() / 2;
    putVerticalText(dc, translate(m_corrCaption), 2, middleY);
    putVerticalText(dc, translate(m_pressureCaption), plot.right + 25, middleY);
    dc.SelectObject(oldFont);
}

void CTimeCorrChart::drawCurve(CDC& dc)
{
    std::vector<POINT> line;
    for (int i = 0; i < kPoints; ++i)
        if (onCurveAxes(m_points[i]))
            line.push_back(curvePixel(i));
    CPen pen(PS_SOLID, 4, RGB(240, 124, 0));
    CPen* old = dc.SelectObject(&pen);
    if (line.size() > 1)
        dc.Polyline(line.data(), int(line.size()));
    dc.SelectObject(old);
}

void CTimeCorrChart::drawMarkers(CDC& dc)
{
    for (int i = 0; i < kPoints; ++i) {
        const TimeCorrPoint& p = m_points[i];
        if (!onCurveAxes(p))
            continue;
        if (i == m_selected)
            circle(dc, curvePixel(i), 10, RGB(255, 0, 0));
        else if (p.locked && i > 0)
            circle(dc, curvePixel(i), 10, RGB(0, 200, 0));
        else if (p.marked)
            circle(dc, curvePixel(i), 6, RGB(255, 255, 0));
    }
}

namespace {
// Two cubic segments through a point cloud in load order.
void drawCloud(CDC& dc, const std::vector<POINT>& p, COLORREF colour)
{
    const size_t n = p.size();
    const size_t h = n / 2;
    auto at = [&](size_t i) { return p[std::min(i, n - 1)]; };
    const POINT bezier[7] = {at(0),         at(h / 4),         at(3 * h / 4), at(h),
                             at(h + n / 4), at(h + 3 * h / 4), at(n - 1)};
    CPen pen(PS_SOLID, 3, colour);
    CPen* old = dc.SelectObject(&pen);
    dc.PolyBezier(bezier, 7);
    dc.SelectObject(old);
}
} // namespace

void CTimeCorrChart::drawMapPoints(CDC& dc)
{
    const double timeScale = map40ms() ? 0.5 : 1.0;
    std::vector<POINT> petrol, gas;
    for (const TimeCorrPoint& p : m_mapPoints) {
        const double x = p.x * timeScale;
        if (!within(x, m_timeAxis) || !within(p.y, m_pressureAxis))
            continue;
        const CPoint pixel(timeToX(x), valueToY(p.y, m_pressureAxis));
        if (p.kind == 0)
            petrol.push_back(pixel);
        else
            gas.push_back(CPoint(pixel.x + 1, pixel.y + 1));
    }
    if (!petrol.empty() && m_showPetrolPoints)
        drawCloud(dc, petrol, RGB(230, 0, 0));
    if (!gas.empty() && m_showGasPoints)
        drawCloud(dc, gas, RGB(0, 100, 0));
}

void CTimeCorrChart::drawOperatingPoint(CDC& dc)
{
    const CRect plot = plotRect();
    const CPoint at = operatingPixel();
    CPen dotted(PS_DOT, 1, kOperatingColour);
    CPen* old = dc.SelectObject(&dotted);
    dc.MoveTo(at.x, plot.top);
    dc.LineTo(at.x, plot.bottom);
    dc.MoveTo(plot.left, at.y);
    dc.LineTo(plot.right, at.y);
    dc.SelectObject(old);
    circle(dc, at, 10, kOperatingColour);
}

BOOL CTimeCorrChart::OnSetCursor(CWnd*, UINT, UINT)
{
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    return TRUE;
}

void CTimeCorrChart::select(int index)
{
    if (index == m_selected)
        return;
    m_selected = index;
    Invalidate(FALSE);
}

void CTimeCorrChart::OnLButtonDown(UINT, CPoint point)
{
    SetFocus();
    if (!insidePlotColumns(point)) {
        select(-1);
        return;
    }
    for (int i = 0; i < kPoints; ++i) {
        const CPoint pixel = curvePixel(i);
        if (m_points[i].marked && std::abs(pixel.x - point.x) <= 48 && std::abs(pixel.y - point.y) <= 48) {
            select(i);
            return;
        }
    }
}

void CTimeCorrChart::OnRButtonDown(UINT flags, CPoint point)
{
    SetFocus();
    if (!insidePlotColumns(point)) {
        select(-1);
        return;
    }
    for (int i = 0; i < kPoints; ++i)
        if (std::abs(curvePixel(i).x - point.x) <= 12) {
            const bool changed = i != m_selected;
            m_selected = i;
            const TimeCorrPoint before = m_points[i];
            makeAnchor(i);
            if (changed && firmware() >= kAnchorFirmware)
                writeAnchorRow(i, true, before);
            Invalidate(FALSE);
            break;
        }
    CCompCtrl::OnRButtonDown(flags, point);
}

void CTimeCorrChart::makeAnchor(int index)
{
    m_points[index].marked = m_points[index].anchor = true;
    m_points.front().anchor = m_points.back().anchor = true;
}

void CTimeCorrChart::writeAnchorRow(int index, bool on, const TimeCorrPoint& before)
{
    CLPGDevice* device = editableDevice();
    if (!device)
        return;
    uint8_t& byte = device->m_settings.m_advancedSetup.m_points2D[index / 8];
    const uint8_t old = byte;
    const uint8_t bit = uint8_t(1u << (index % 8));
    byte = uint8_t(on ? old | bit : old & ~bit);
    if (byte == old || device->writeBlock26())
        return;
    byte = old;
    m_points[index] = before;
    Invalidate(FALSE);
    showCantWrite(GetParent());
}

BOOL CTimeCorrChart::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && handleKey(UINT(pMsg->wParam)))
        return TRUE;
    return CCompCtrl::PreTranslateMessage(pMsg);
}

bool CTimeCorrChart::handleKey(UINT key)
{
    const bool selected = m_selected >= 0 && m_selected < kPoints;
    switch (key) {
    case VK_RETURN:
        if (selected) {
            const TimeCorrPoint before = m_points[m_selected];
            makeAnchor(m_selected);
            if (firmware() >= kAnchorFirmware)
                writeAnchorRow(m_selected, true, before);
        }
        return true;
    case VK_DELETE:
    case VK_BACK:
        if (selected)
            deleteAnchor();
        return true;
    case VK_LEFT:
    case VK_RIGHT:
        if (selected)
            moveSelection(key == VK_LEFT ? -1 : +1);
        return true;
    case VK_UP:
    case VK_DOWN:
        if (selected && !ctrlDown())
            stepSelected(key == VK_UP ? 1.0 : -1.0);
        else if (!m_points.front().locked && m_parent)
            m_parent->onIncrementAll(key == VK_UP);
        return true;
    default:
        return false;
    }
}

void CTimeCorrChart::deleteAnchor()
{
    const int last = kPoints - 1;
    if (m_selected == last) {
        select(-1);
        return;
    }
    TimeCorrPoint& p = m_points[m_selected];
    if (!p.locked) {
        if (m_selected > 0) {
            const TimeCorrPoint before = p;
            p.marked = p.anchor = false;
            if (firmware() >= kAnchorFirmware)
                writeAnchorRow(m_selected, false, before);
        }
        int next = m_selected + 1;
        while (next < last && !m_points[next].marked)
            ++next;
        m_selected = next;
    }
    Invalidate(FALSE);
}

void CTimeCorrChart::moveSelection(int step)
{
    const int target = m_selected + step;
    if (target < 0 || target >= kPoints)
        return;
    TimeCorrPoint& from = m_points[m_selected];
    if (!from.anchor)
        from.marked = false;
    m_selected = target;
    m_points[target].marked = true;
    Invalidate(FALSE);
}

void CTimeCorrChart::stepSelected(double step)
{
    const int sel = m_selected;
    TimeCorrPoint& p = m_points[sel];
    if (p.locked || (step > 0 ? p.y >= kMaxCorrection : p.y <= -kMaxCorrection))
        return;
    auto bound = [&](int j) { return m_points[j].marked || m_points[j].locked; };
    int right = kPoints - 1;
    for (int j = sel + 1; j <= kPoints - 2; ++j)
        if (bound(j)) {
            right = j;
            break;
        }
    int left = 0;
    for (int j = sel - 1; j >= 1; --j)
        if (bound(j)) {
            left = j;
            break;
        }
    p.y += step;
    reinterpolate(left, sel);
    reinterpolate(sel, right);
    Invalidate(FALSE);
    if (m_parent)
        m_parent->onCorrChanged();
}

// Straight between the two ends, which keep their values; nothing when the
// ends meet (the selection is the first or last point).
void CTimeCorrChart::reinterpolate(int from, int to)
{
    if (from == to)
        return;
    const double y0 = m_points[from].y;
    const double slope = (m_points[to].y - y0) / (to - from);
    for (int j = from + 1; j < to; ++j)
        m_points[j].y = y0 + (j - from) * slope;
}
