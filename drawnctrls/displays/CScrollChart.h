#pragma once

#include "BackdropCache.h"
#include "ChartLine.h"

#include <IGDIpGradientRectPack.h>
#include <IOwnFontCtrl.h>
#include <ITransparentCtrl.h>

#include <map>
#include <set>
#include <utility>
#include <vector>

// Posted to the parent (style bit 0) when the visible limits change:
// x range (first/last visible x), then y range (lowest/highest y).
constexpr UINT WM_CHART_XLIMITS = WM_USER + 701;
constexpr UINT WM_CHART_YLIMITS = WM_USER + 702;

// A drawn chart of lines of (x, y) points shown through a horizontal window
// of x values that follows the newest data. Lines are addressed by an id of
// the caller's choosing.
class PRAMBLEGDIP_API CScrollChart : public CWnd,
                                     public ITransparentCtrl,
                                     public IGDIpGradientRectPack,
                                     public IOwnFontCtrl
{
    DECLARE_DYNAMIC(CScrollChart)

public:
    CScrollChart();
    ~CScrollChart() override;

    using CWnd::Create;
    // Style bit 0: post the limit messages to the parent.
    int Create(unsigned long style, const RECT& rect, CWnd* parent, UINT id);
    // In place of the parent's placeholder static `id`; 0 when there is none.
    int CreateFromStatic(unsigned long style, CWnd* parent, UINT id);

    // flags: pen style in the low word, bit 16 automatic x, bit 17 markers.
    int AddLine(unsigned id, ChartValueFormatter formatter, unsigned long color, unsigned long flags,
                int width, int showLine, int autoincStep);
    int AddData(unsigned id, double x, double y, int redraw);
    // At the line's last x plus its step (0 for the first point).
    int AddData(unsigned id, double y, int redraw);

    unsigned long SetLineColor(unsigned id, unsigned long color);
    unsigned long GetLineColor(unsigned id) const;
    int SetLineStyle(unsigned id, int style, int redraw);
    int GetLineStyle(unsigned id) const;
    int SetLineWidth(unsigned id, int width, int redraw);
    int GetLineWidth(unsigned id) const;
    double SetAutoinc(unsigned id, double step);
    void ShowLine(unsigned id, int show, int redraw);
    void ShowPoints(unsigned id, int show, int redraw);

    // The previous width; a width that is not above 0 is refused.
    double SetHorzRange(double range);
    void SetGrid(int grid);
    unsigned SetHorzDiv(unsigned n, int redraw);
    unsigned GetHorzDiv() const { return m_horzDiv; }
    unsigned SetVertDiv(unsigned n, int redraw);
    unsigned GetVertDiv() const { return m_vertDiv; }
    unsigned SetMaxPoints(unsigned n);
    unsigned GetMaxPoints() const { return m_maxPoints; }
    void SetReadMode(bool readMode) { m_readMode = readMode; }

    // Every point goes; the lines stay.
    int Clear();
    // Drops the oldest points beyond the limit; 1 when any went.
    int ErasePoints();
    void UpdateScrollInfo();

    // Set by the owner, as the background pack's colours are.
    COLORREF m_gridColor = 0;

protected:
    void releasePictures(bool background) override;
    CPoint LPtoDP(double x, double y);
    CPoint LPtoDP(const std::pair<double, double>& point) { return LPtoDP(point.first, point.second); }
    void DPtoLP(CPoint point, double& x, double& y);
    void Normalize();
    void SendNewLimits();
    int bIsFirstPoint() const;
    virtual void v_drawGrid(CDC& dc);

    // The grid's rows (pixels) and columns (x values) for a client area.
    std::vector<int> gridRows(int height) const;
    std::vector<double> gridColumns() const;
    // Moves `label` left by its width past every placed label it meets,
    // then places it.
    static CRect placeLabel(std::vector<CRect>& placed, CRect label);
    // The point the cursor shows: its line's id and the point; false when
    // no line has one near enough.
    bool cursorPoint(const CSize& client, unsigned& id, std::pair<double, double>& point) const;

    // The client size and the pixel of (x, y) in it.
    CSize clientSize() const;
    CPoint toDevice(const CSize& client, double x, double y) const;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

    double m_yMax = 100.0;
    double m_yMin = 0.0;
    double m_viewStart = 0.0;
    double m_xMax = 1000.0;
    double m_xMin = 0.0;
    double m_viewRange = 1000.0;
    std::map<unsigned, ChartLine> m_lines;
    std::set<unsigned> m_lineIds;
    int m_grid = 1;
    int m_notifyParent = 0;
    unsigned m_horzDiv = 20;
    unsigned m_vertDiv = 10;
    unsigned m_maxPoints = 0;
    bool m_readMode = false;
    int m_cursorX = 0;
    int m_cursorY = 0;

private:
    ChartLine* findLine(unsigned id);
    const ChartLine* findLine(unsigned id) const;
    template <class T> T setLineField(unsigned id, T ChartLine::*field, T value, bool redraw);
    template <class T> T lineField(unsigned id, T ChartLine::*field) const;
    bool applyRangeRule(const ChartLine& line, double x);
    void repaint();
    void drawContent(CDC& mem);
    void drawLines(CDC& dc, const CSize& client);
    void drawLine(CDC& dc, const CSize& client, const ChartLine& line, std::vector<POINT>& buffer);
    void strokeLine(CDC& dc, const ChartLine& line, const std::vector<POINT>& points);
    void drawLabels(CDC& dc, const CSize& client);
    void drawLabel(CDC& dc, const CSize& client, const ChartLine& line,
                   const std::pair<double, double>& point, std::vector<CRect>* placed);
    void drawCursor(CDC& dc, const CSize& client);

    BackdropCache m_backdrop;
};
