#include "CPreviewDC.h"

#include <climits>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CPreviewDC, CDC)

CPreviewDC::CPreviewDC() = default;

CPreviewDC::~CPreviewDC()
{
    Detach(); // the window's context, given back by its owner
}

void CPreviewDC::SetAttribDC(HDC hDC)
{
    m_hAttribDC = hDC;
    MirrorMappingMode();
}

void CPreviewDC::SetOutputDC(HDC hDC)
{
    Detach();
    Attach(hDC);
    MirrorMappingMode();
}

void CPreviewDC::ReleaseOutputDC()
{
    Detach();
}

void CPreviewDC::SetScaleRatio(int nNumerator, int nDenominator)
{
    m_nScaleNum = nNumerator;
    m_nScaleDen = nDenominator;
    MirrorMappingMode();
}

void CPreviewDC::SetTopLeftOffset(CSize sizeTop)
{
    m_sizeTopLeft = sizeTop;
    MirrorMappingMode();
}

int CPreviewDC::MultMultDivDiv(int factor, int num1, int num2, int den1, int den2)
{
    __int128 dividend = __int128(factor) * num1 * num2;
    __int128 divisor = __int128(den1) * den2;
    if (divisor == 0)
        return dividend < 0 ? INT_MIN : INT_MAX;
    if (divisor < 0) {
        dividend = -dividend;
        divisor = -divisor;
    }
    __int128 half = divisor / 2;
    __int128 result = (dividend < 0 ? dividend - half : dividend + half) / divisor;
    return result < INT_MIN ? INT_MIN : result > INT_MAX ? INT_MAX : int(result);
}

void CPreviewDC::DoubleExtents(LONG& a, LONG& b)
{
    while (a != 0 && b != 0 && std::abs(a) < 0x4000 && std::abs(b) < 0x4000) {
        a *= 2;
        b *= 2;
    }
}

void CPreviewDC::MirrorMappingMode()
{
    if (!m_hDC || !m_hAttribDC)
        return;
    SIZE viewport{1, 1};
    SIZE window{1, 1};
    ::GetViewportExtEx(m_hAttribDC, &viewport);
    ::GetWindowExtEx(m_hAttribDC, &window);
    DoubleExtents(viewport.cx, window.cx);
    DoubleExtents(viewport.cy, window.cy);
    viewport.cx = MultMultDivDiv(viewport.cx, m_nScaleNum, ::GetDeviceCaps(m_hDC, LOGPIXELSX), m_nScaleDen,
                                 ::GetDeviceCaps(m_hAttribDC, LOGPIXELSX));
    viewport.cy = MultMultDivDiv(viewport.cy, m_nScaleNum, ::GetDeviceCaps(m_hDC, LOGPIXELSY), m_nScaleDen,
                                 ::GetDeviceCaps(m_hAttribDC, LOGPIXELSY));
    ::SetMapMode(m_hDC, MM_ANISOTROPIC);
    ::SetWindowExtEx(m_hDC, window.cx, window.cy, nullptr);
    ::SetViewportExtEx(m_hDC, viewport.cx, viewport.cy, nullptr);
    ::SetViewportOrgEx(m_hDC, m_sizeTopLeft.cx, m_sizeTopLeft.cy, nullptr);
}

void CPreviewDC::ClipToPage()
{
    POINT size{};
    POINT offset{};
    if (!m_hDC || Escape(GETPHYSPAGESIZE, 0, nullptr, &size) <= 0)
        return;
    Escape(GETPRINTINGOFFSET, 0, nullptr, &offset);
    ::IntersectClipRect(m_hDC, -offset.x, -offset.y, size.x - offset.x, size.y - offset.y);
}

void CPreviewDC::PrinterDPtoScreenDP(LPPOINT lpPoint) const
{
    HDC screen = m_hDC ? m_hDC : ::GetDC(nullptr);
    lpPoint->x = MultMultDivDiv(lpPoint->x, m_nScaleNum, ::GetDeviceCaps(screen, LOGPIXELSX), m_nScaleDen,
                                ::GetDeviceCaps(m_hAttribDC, LOGPIXELSX));
    lpPoint->y = MultMultDivDiv(lpPoint->y, m_nScaleNum, ::GetDeviceCaps(screen, LOGPIXELSY), m_nScaleDen,
                                ::GetDeviceCaps(m_hAttribDC, LOGPIXELSY));
    if (!m_hDC)
        ::ReleaseDC(nullptr, screen);
}

int CPreviewDC::Escape(int nEscape, int nCount, LPCSTR lpszInData, LPVOID lpOutData) const
{
    return m_hAttribDC ? ::Escape(m_hAttribDC, nEscape, nCount, lpszInData, lpOutData) : 0;
}

CSize CPreviewDC::GetViewportExt() const
{
    SIZE size{};
    ::GetViewportExtEx(m_hDC, &size);
    return CSize(size.cx, size.cy);
}

CSize CPreviewDC::GetWindowExt() const
{
    SIZE size{};
    ::GetWindowExtEx(m_hDC, &size);
    return CSize(size.cx, size.cy);
}
