#pragma once

#include "ITimeCorrChartParentDlg.h"

#include <CCompCtrl.h>

#include <string>
#include <vector>

// One point of the chart: a curve row, or a load point the controller collected.
struct TimeCorrPoint
{
    double x = 0.0; // curve: petrol time, ms; collected: mean injection time, ms
    double y = 0.0; // curve: correction, %; collected: manifold pressure, kPa
    bool marked = false;
    bool anchor = false;
    bool locked = false;
    int kind = 0; // collected points: 0 petrol, 1 gas
};

struct TimeCorrAxis
{
    double min;
    double max;
    double step;
};

// The time correction curve over the petrol injection time, edited with the
// mouse and the keys, with the collected load points behind it and the
// engine's operating point. Edits of values go to the parent; the chart
// itself writes only the controller's set of anchor rows.
class CTimeCorrChart : public CCompCtrl
{
    DECLARE_DYNAMIC(CTimeCorrChart)

public:
    static const int kPoints = 39;

    CTimeCorrChart();
    ~CTimeCorrChart() override;

    virtual std::wstring timeLabel(double v) const;
    virtual std::wstring correctionLabel(double v) const;
    virtual std::wstring pressureLabel(double v) const;

    void setOperatingPoint(double time, double pressure);
    void setPointValue(unsigned index, int value);
    void setDefaultCaptions();
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The whole chart as it is painted, into any device context.
    void draw(CDC& dc, const CRect& client);

    double operatingTime() const { return m_opTime; }
    double operatingPressure() const { return m_opPressure; }
    CRect plotRect() const;
    CPoint curvePixel(int index) const;

    std::vector<TimeCorrPoint> m_points; // the curve, always kPoints
    std::vector<TimeCorrPoint> m_mapPoints;
    bool m_showPetrolPoints = false;
    bool m_showGasPoints = false;
    int m_selected = -1;
    ITimeCorrChartParentDlg* m_parent = nullptr;
    TimeCorrAxis m_timeAxis{1.0, 20.0, 0.5};
    TimeCorrAxis m_corrAxis{-60.0, 60.0, 10.0};
    TimeCorrAxis m_pressureAxis{0.0, 160.0, 20.0};
    std::wstring m_title;
    std::wstring m_timeCaption = L"Time [ms]";
    std::wstring m_corrCaption = L"Corrections [%]";
    std::wstring m_pressureCaption = L"Vacuum [kPa]";

protected:
    afx_msg int OnCreate(LPCREATESTRUCT create);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnRButtonDown(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    void layout(int width, int height);
    int timeToX(double v) const;
    CPoint operatingPixel() const;
    int valueToY(double v, const TimeCorrAxis& axis) const;
    bool insidePlotColumns(const CPoint& point) const;
    bool onCurveAxes(const TimeCorrPoint& p) const;
    void drawGrid(CDC& dc);
    void drawCaptions(CDC& dc);
    void drawCurve(CDC& dc);
    void drawMarkers(CDC& dc);
    void drawMapPoints(CDC& dc);
    void drawOperatingPoint(CDC& dc);
    void select(int index);
    void makeAnchor(int index);
    bool handleKey(UINT key);
    void deleteAnchor();
    void moveSelection(int step);
    void stepSelected(double step);
    void reinterpolate(int from, int to);
    // The row's bit in the controller's anchor-row set, written at once; a
    // failed write puts the bit and the point's flags back.
    void writeAnchorRow(int index, bool on, const TimeCorrPoint& before);

    double m_opTime = 0.0;
    double m_opPressure = 0.0;
    double m_left = 65.0;
    double m_top = 30.0;
    double m_plotWidth = 0.0;
    double m_plotHeight = 0.0;
    int m_legendHeight = 0;
    CFont m_tickFont;
    CFont m_captionFont;
    CFont m_verticalFont;
    CFont m_titleFont;
};
