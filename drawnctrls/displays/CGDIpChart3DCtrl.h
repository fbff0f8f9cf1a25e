#pragma once

#include "BackdropCache.h"
#include "ChartNode.h"

#include <CGDIpTransparentCompCtrl.h>
#include <IErrorHelper.h>
#include <TGeometry.h>

#include <initializer_list>
#include <string>
#include <vector>

// A grid of values drawn as a shaded surface in a box with three labelled
// axes. The right button rotates the view, the wheel zooms and moves it, the
// left button selects a range of nodes and CTRL+Up/Down report a change of
// the selected values to v_dataChanged; a derived class changes the data.
class PRAMBLEGDIP_API CGDIpChart3DCtrl : public CGDIpTransparentCompCtrl, public IErrorHelper<IError>
{
    DECLARE_DYNAMIC(CGDIpChart3DCtrl)

public:
    CGDIpChart3DCtrl();
    ~CGDIpChart3DCtrl() override;

    // rows + 1 by columns + 1 nodes of value z0; an IError* for no rows or
    // no columns.
    void createGrid(int z0, int rows, int columns);
    // An IError* outside the grid.
    void setData(int value, int row, int column, double x, double y);
    int getData(int row, int column);
    int getRowCount() const { return m_rowCount; }
    int getColumnCount() const { return m_columnCount; }

    // Projects anew, then invalidates the window.
    void Invalidate(int erase = TRUE);
    BOOL PreTranslateMessage(MSG* pMsg) override;

    virtual void v_restoreDefaults();
    virtual void v_recalcPos();
    virtual void v_recalcChart();
    virtual void v_drawAxis(CDC& dc);
    virtual void v_drawChart(CDC& dc);
    virtual void v_drawHelp(CDC& dc);
    virtual void v_dataChanged(bool up);
    virtual void v_selectionChanged();

    using CGDIpTransparentCompCtrl::v_draw;
    void v_draw(CDC& dc) override;
    using CGDIpTransparentCompCtrl::v_recalcData;
    void v_recalcData(const CRect& r) override;

    static constexpr double kMinScale = 0.2;
    static constexpr double kMaxScale = 1.0;

protected:
    void releasePictures(bool background) override;
    struct NodePos
    {
        int row = 0;
        int column = 0;
    };

    TPoint<double> mapTo2D(double x, double y, double z);
    TPoint<double> mapTo2D(TPoint<double> point, double z) { return mapTo2D(point.x, point.y, z); }
    // The box height of a value.
    double heightOf(double value) const { return m_valueFactor * value + m_valueOffset; }
    // The ARGB fill of a surface patch whose far corner holds `value`.
    Gdiplus::ARGB surfaceColor(double value) const;
    // The first node, row by row, whose projection lies right of and below p.
    bool nodeBelowRight(CPoint p, NodePos& found);

    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnMouseLeave();

    // The background from a cache, then the content; nothing to erase.
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()

    double m_a1 = 0.0;
    double m_a2 = 0.0;
    double m_a3 = 0.0;
    double m_scale = 1.0;
    int m_valueOffset = 250;
    double m_valueFactor = 3.0;
    double m_colorFactor = 4.0;
    int m_originX = 0;
    int m_originY = 0;
    unsigned m_boxWidth = 1615;
    unsigned m_boxDepth = 1125;
    unsigned m_boxHeight = 500;
    unsigned m_rowSpacing = 85;
    unsigned m_columnSpacing = 75;
    int m_axisPenWidth = 0;
    bool m_helpVisible = true;
    CString m_help[3];
    int m_percentStep = 10;
    std::wstring m_xTitle = L"[RPM]";
    std::wstring m_yTitle = L"[ms]";
    std::wstring m_zTitle = L"[%]";
    std::vector<std::wstring> m_rpmLabels;
    std::vector<std::wstring> m_msLabels;
    std::vector<std::wstring> m_percentLabels;
    NodePos m_marked;
    Gdiplus::ARGB m_xAxisColor = 0xFFC80000;
    Gdiplus::ARGB m_yAxisColor = 0xFF00C800;
    Gdiplus::ARGB m_zAxisColor = 0xFF0000C8;
    Gdiplus::ARGB m_gridColor = 0xFF7D7D7D;
    Gdiplus::ARGB m_selectedColor = 0xFF000000;
    Gdiplus::ARGB m_wallColor = 0x80FFFFFF;
    Gdiplus::ARGB m_shadeColor = 0x32000000;
    Gdiplus::ARGB m_helpColor = 0xFF000000;
    Gdiplus::ARGB m_valueColor = 0xFF000000;
    Gdiplus::ARGB m_markedColor = 0xFF5080FF;
    TLine<double> m_axes[3];
    TPoint<double> m_corners[10];
    bool m_leftDrag = false;
    bool m_rightDrag = false;
    CPoint m_rightAnchor{0, 0};
    CFont m_chartFont;
    NodePos m_selStart;
    NodePos m_selEnd;
    std::vector<std::vector<ChartNode>> m_grid;
    int m_rowCount = 0;
    int m_columnCount = 0;

private:
    void createChartFont(int height);
    void rotate(CPoint point);
    void selectTo(CPoint point);
    void repaintNow();
    // "name(", each of `leading` on a line of its own, then ", last )".
    void throwCall(const wchar_t* name, std::initializer_list<int> leading, int last, int line);

    BackdropCache m_backdrop;
};
