#pragma once

#include "PrambleGDIpApi.h"

#include <CCompCtrl.h>

// A plain progress bar of 0 to 100 percent with the percentage beside the
// middle of the bar.
class PRAMBLEGDIP_API CProgress : public CCompCtrl
{
    DECLARE_DYNAMIC(CProgress)

public:
    CProgress();
    ~CProgress() override;

    // The bar and text rectangles for the current client size.
    void init();
    void setPos(int pos);
    int getPos() const { return m_pos; }
    // The x where the bar of a position ends.
    int value2coordinate(int v) const;

    COLORREF m_barColor = 0x004BE1;
    CFont* m_font = nullptr; // none: the default GUI font

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()

    int m_pos = 0;
    CRect m_barRect;
    CRect m_textRect;
};
