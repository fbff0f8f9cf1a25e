#pragma once

#include "CInjBarsDrawjData.h"

#include <CCompCtrl.h>
#include <IOwnFontCtrl.h>
#include <ITransparentCtrl.h>

#include <vector>

// One double bar per injector (for example petrol and gas injection time)
// over the parent's background, the name above and both values below; a
// working injector's scale lines take the working colour.
class PRAMBLEGDIP_API CInjTimesBarDisplay : public CCompCtrl, public IOwnFontCtrl, public ITransparentCtrl
{
    DECLARE_DYNAMIC(CInjTimesBarDisplay)

public:
    enum Flags
    {
        kNoBackground = 0x01,
        kScaleLines = 0x02,
        kSolidBars = 0x04,
    };

    CInjTimesBarDisplay();
    ~CInjTimesBarDisplay() override;

    // Eight default bars laid out for the current size.
    void init();
    void setPos(int index, double first, double second);
    // Bar i works when bit i of the mask is set.
    void setWorkState(BYTE mask);

    int value2coordinate(int index, double value);
    void drawGrid(CDC* dc);
    void drawBars(CDC* dc);
    void drawTexts(CDC* dc);

    int m_barCount = 8;
    std::vector<CInjBarsDrawjData> m_data;
    double m_min = 0.0;
    double m_max = 100.0;
    int m_flags = kNoBackground | kScaleLines;
    COLORREF m_bkColor = 0;
    COLORREF m_idleColor = 0xDCDCDC;
    COLORREF m_workColor = 0xDCDCDC;
    int m_gap = 5;
    int m_margin = 5;
    int m_padding = 2;
    int m_lineHeight = 1;
    int m_lineSpacing = 2;
    int m_gridStep = 2;

protected:
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()

private:
    void layoutBars();
    // Lines of the line height every `step` from the bottom of r up to `top`.
    void drawLines(CDC& dc, const CRect& r, int top, int step, COLORREF color) const;
    void invalidateAll();
};
