#pragma once

#include "IOwnFontCtrl.h"
#include "ITransparentCtrl.h"

#include <CCompCtrl.h>
#include <Pictrel.h>

#include <vector>

// An LED bar of a value over a range, with a label and the value as text,
// painted over the captured background; with the shared skin image beside
// the program it shows that image instead of the segments.
class PRAMBLEGDIP_API CTransparentBarDisplay : public CCompCtrl, public ITransparentCtrl, public IOwnFontCtrl
{
    DECLARE_DYNAMIC(CTransparentBarDisplay)

public:
    // One LED: its cell, the cell counted from the far end, and its colours.
    struct Segment
    {
        CRect first;
        CRect second;
        COLORREF hot;
        COLORREF cold;
    };

    CTransparentBarDisplay();
    ~CTransparentBarDisplay() override;

    void setPos(double pos);
    // Replaces the bar image by the image file at `path`.
    void loadImage(CString path);
    // Colours along the bar, fading to white toward its start.
    COLORREF barHotColor(int i, int n) const;
    COLORREF barColdColor(int i, int n) const;
    // The last segment lit for a value (its absolute value counts).
    int value2LEDIdx(double v) const;

    int m_segmentCount = 10;
    double m_range = 100.0;
    double m_pos = 0.0;
    int m_mode = 1; // 1 and 2: a vertical bar under its label
    bool m_labelFrame = false;
    bool m_decimal = false;
    bool m_reverse = false;
    COLORREF m_hotColor = RGB(255, 75, 0);
    COLORREF m_coldColor = RGB(0, 75, 255);
    COLORREF m_positiveColor = RGB(200, 20, 0);
    COLORREF m_negativeColor = RGB(0, 20, 200);
    COLORREF m_bkColor = 0xDCDCDC;
    CString m_labelFormat; // shown as it stands
    CString m_valueFormat; // takes a double with m_decimal, else an int

    static const wchar_t* const kSkinImage;

protected:
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()

    CFont m_barFont;
    CExtImage m_barImage;
    bool m_imageLoaded = false;
    std::vector<Segment> m_segmentList;
    CRect m_labelRect;
    CRect m_valueRect;

private:
    static const CExtImage& sharedImage();
    bool vertical() const { return m_mode == 1 || m_mode == 2; }
    void layoutSegments(const CRect& area);
    CString valueText() const;
    void paintImage(CDC& dc, const CRect& client, const CExtImage& image);
    void paintSegments(CDC& dc, const CRect& client);
    void paintTexts(CDC& dc, COLORREF valueColor);
};
