#include "CInjConfigMap.h"

#include "GdiSelection.h"

#include <cmath>

IMPLEMENT_DYNAMIC(CInjConfigMap, CCompCtrl)

BEGIN_MESSAGE_MAP(CInjConfigMap, CCompCtrl)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CInjConfigMap::CInjConfigMap() = default;
CInjConfigMap::~CInjConfigMap() = default;

void CInjConfigMap::layoutCells()
{
    if (!m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    const int cellWidth = (client.Width() - 9 * m_gap) / kSize;
    const int cellHeight = (client.Height() - 9 * m_gap) / kSize;
    for (int i = 0; i < kSize; ++i) {
        for (int j = 0; j < kSize; ++j) {
            const int left = client.left + m_gap * (i + 1) + i * cellWidth;
            const int top = client.top + m_gap * (j + 1) + j * cellHeight;
            m_points[i][j].m_rect = CRect(left, top, left + cellWidth, top + cellHeight);
        }
    }
}

void CInjConfigMap::init(int n)
{
    m_n = n < 1 || n > kSize ? kSize : n;
    layoutCells();
    for (int i = 0; i < kSize; ++i) {
        for (int j = 0; j < kSize; ++j) {
            CInjConfigPoint& cell = m_points[i][j];
            cell.m_enabled = i < m_n && j < m_n;
            cell.m_selected = false;
            cell.setColors(cell.m_enabled ? m_freeColor : m_disabledColor);
        }
    }
}

void CInjConfigMap::getInjConfigMap(BYTE* out) const
{
    for (int j = 0; j < kSize; ++j)
        out[j] = 0;
    for (int i = 0; i < m_n; ++i) {
        for (int j = 0; j < m_n; ++j) {
            if (m_points[i][j].m_selected)
                out[j] |= BYTE(1 << i);
        }
    }
}

void CInjConfigMap::selectCell(int i, int j, bool selected)
{
    CInjConfigPoint& cell = m_points[i][j];
    cell.m_selected = selected;
    if (selected) {
        cell.m_lowerColor = m_injColors[j];
        cell.m_upperColor = m_injColors[i];
    } else {
        cell.setColors(m_freeColor);
    }
}

void CInjConfigMap::applyGroups(const BYTE* groups)
{
    const BYTE mask = m_n == 4 ? 0x0F : m_n == 6 ? 0x3F : 0xFF;
    for (int i = 0; i < m_n; ++i) {
        bool taken = false;
        for (int j = 0; j < m_n; ++j) {
            const bool inGroup = !taken && (groups[j] & mask & (1 << i)) != 0;
            selectCell(i, j, inGroup);
            taken = taken || inGroup;
        }
    }
    if (m_hWnd)
        Invalidate();
}

void CInjConfigMap::setInjConfigMap(BYTE* in)
{
    applyGroups(in);
}

void CInjConfigMap::setInjConfigMapFromSequence(inj_map_sequence_t& seq)
{
    BYTE groups[kSize] = {};
    bool used[kSize] = {};
    for (int i = 0; i < kSize; ++i) {
        if (seq[i] == 0 || used[i])
            continue;
        groups[i] |= BYTE(1 << i);
        // An injector an earlier group took stays there.
        for (int k = i + 1; k < kSize; ++k) {
            if (!used[k] && std::fabs(seq[i] - seq[k]) < 1) {
                used[k] = true;
                groups[i] |= BYTE(1 << k);
            }
        }
    }
    applyGroups(groups);
}

void CInjConfigMap::OnLButtonDown(UINT, CPoint point)
{
    Default();
    for (int i = 0; i < kSize; ++i) {
        for (int j = 0; j < kSize; ++j) {
            CInjConfigPoint& cell = m_points[i][j];
            if (!cell.m_enabled || !cell.hitTest(point))
                continue;
            if (!cell.m_selected) {
                for (int other = 0; other < m_n; ++other) {
                    if (m_points[i][other].m_selected) {
                        selectCell(i, other, false);
                        invalidateCell(m_points[i][other]);
                    }
                }
            }
            selectCell(i, j, !cell.m_selected);
            invalidateCell(cell);
            return;
        }
    }
}

void CInjConfigMap::invalidateCell(const CInjConfigPoint& cell)
{
    InvalidateRect(&cell.m_rect, TRUE);
}

void CInjConfigMap::drawCell(CDC& dc, const CInjConfigPoint& cell) const
{
    const RECT& r = cell.m_rect;
    const POINT lower[3] = {{r.left, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    const POINT upper[3] = {{r.left, r.top}, {r.right, r.bottom}, {r.right, r.top}};
    CBrush lowerBrush(cell.m_lowerColor);
    CBrush upperBrush(cell.m_upperColor);
    {
        GdiSelection useBrush(dc, lowerBrush);
        dc.Polygon(lower, 3);
    }
    GdiSelection useBrush(dc, upperBrush);
    dc.Polygon(upper, 3);
}

void CInjConfigMap::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, m_bkColor);
    layoutCells();
    CPen noPen(PS_NULL, 0, 0);
    GdiSelection usePen(dc, noPen);
    for (const auto& column : m_points) {
        for (const CInjConfigPoint& cell : column)
            drawCell(dc, cell);
    }
}
