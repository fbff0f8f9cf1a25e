// Run-time classes and the members of the GDI wrappers that need more than
// one call.

#include "CBitmap.h"
#include "CBrush.h"
#include "CDC.h"
#include "CFont.h"
#include "CPen.h"
#include "CRgn.h"
#include "WfxResources.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    return pBitmap ? adopt(::CreatePatternBrush(*pBitmap)) : FALSE;
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision,
                       BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily, LPCWSTR lpszFacename)
{
    return adopt(::CreateFontW(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
                               cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily,
                               lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCWSTR lpszFaceName, CDC* pDC)
{
    HDC dc = pDC ? pDC->GetSafeHdc() : ::GetDC(nullptr);
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(nPointSize, ::GetDeviceCaps(dc, LOGPIXELSY), 720);
    lf.lfCharSet = DEFAULT_CHARSET;
    if (lpszFaceName)
        lstrcpynW(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    if (!pDC)
        ::ReleaseDC(nullptr, dc);
    return CreateFontIndirect(&lf);
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return LoadBitmap(MAKEINTRESOURCEW(nIDResource));
}

BOOL CBitmap::LoadBitmap(LPCWSTR lpszResourceName)
{
    HINSTANCE module = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    return module ? adopt(::LoadBitmapW(module, lpszResourceName)) : FALSE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return pDC ? adopt(::CreateCompatibleBitmap(pDC->GetSafeHdc(), nWidth, nHeight)) : FALSE;
}
