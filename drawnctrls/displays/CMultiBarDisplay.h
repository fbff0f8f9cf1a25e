#pragma once

#include "SMultiBarRecord.h"

#include <CCompCtrl.h>
#include <IOwnFontCtrl.h>
#include <ITransparentCtrl.h>

#include <vector>

// n vertical bars of one value each over the parent's background, an
// identifier above and the value below each. A derived display gives the
// bars their colours.
class PRAMBLEGDIP_API CMultiBarDisplay : public CCompCtrl, public IOwnFontCtrl, public ITransparentCtrl
{
    DECLARE_DYNAMIC(CMultiBarDisplay)

public:
    enum Flags
    {
        kNoBackground = 0x01,
        kSolidBars = 0x04,
    };

    CMultiBarDisplay();
    ~CMultiBarDisplay() override;

    // n empty bars over the range min..max.
    void init(int n, double min, double max);
    // The value clamped to the range and kept to 2 decimals.
    void setPos(int index, double value);
    void setId(int index, CString id);
    const std::vector<SMultiBarRecord>& bars() const { return m_bars; }

    virtual int value2coordinate(int index, double value);
    // The colour of bar `index` at pixel row y.
    virtual COLORREF barColor(int index, int y) = 0;
    virtual CString formatValue(double value);
    void drawGrid(CDC* dc);
    void draw(CDC* dc);

    double m_min = 0.0;
    double m_max = 0.0;
    int m_gridStep = 2;
    int m_penWidth = 1;
    int m_gap = 4;
    int m_margin = 3;
    int m_padding = 1;
    int m_flags = 3;
    COLORREF m_bkColor = 0;
    COLORREF m_gridColor = 0xDCDCDC;

protected:
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()

    std::vector<SMultiBarRecord> m_bars;

private:
    void layoutBars();
    bool valid(int index) const { return index >= 0 && size_t(index) < m_bars.size(); }
};
