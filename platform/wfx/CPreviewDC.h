#pragma once

#include "CDC.h"

// Draws a printer's page on the screen: drawing in printer pixels goes to
// the output context (the preview window's), scaled by the screen's over
// the printer's resolution times the scale ratio and shifted to the page's
// place; questions about the device (resolution, escapes) go to the
// printer's attribute context. The preview owns neither context.
class WFX_API CPreviewDC : public CDC
{
    DECLARE_DYNAMIC(CPreviewDC)

public:
    CPreviewDC();
    ~CPreviewDC() override;

    void SetAttribDC(HDC hDC);
    void SetOutputDC(HDC hDC);
    void ReleaseOutputDC();
    // Screen size over printed size, on top of the resolutions.
    void SetScaleRatio(int nNumerator, int nDenominator);
    // Where the printer's origin lies in the output, in screen pixels.
    void SetTopLeftOffset(CSize sizeTop);
    // Keeps drawing inside the physical page.
    void ClipToPage();
    // A printer point at the scale ratio, in screen pixels.
    void PrinterDPtoScreenDP(LPPOINT lpPoint) const;
    // Escapes are the printer's (0 without one).
    int Escape(int nEscape, int nCount, LPCSTR lpszInData, LPVOID lpOutData) const;
    CSize GetViewportExt() const;
    CSize GetWindowExt() const;

    // factor x num1 x num2 / (den1 x den2), rounded to nearest, within int;
    // a zero divisor gives the extreme of the dividend's sign.
    static int MultMultDivDiv(int factor, int num1, int num2, int den1, int den2);
    // Doubles a pair of extents while both stay near 0x4000, so that the
    // scaled extents keep their precision; a zero extent is left alone.
    static void DoubleExtents(LONG& a, LONG& b);

private:
    void MirrorMappingMode();

    int m_nScaleNum = 1;
    int m_nScaleDen = 1;
    CSize m_sizeTopLeft;
};
