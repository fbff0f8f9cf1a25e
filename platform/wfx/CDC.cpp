#include "CDC.h"

#include "CBitmap.h"
#include "CBrush.h"
#include "CFont.h"
#include "CPen.h"
#include "CRgn.h"
#include "WfxHandleMap.h"
#include "WfxInternal.h"
#include "WfxMsgMap.h"

IMPLEMENT_DYNCREATE(CDC, CObject)

namespace {

WfxHandleMap<HDC, CDC>& dcMap()
{
    static WfxHandleMap<HDC, CDC> map(&CDC::m_hDC);
    return map;
}

HDC sourceOf(CDC* pSrcDC)
{
    return pSrcDC ? pSrcDC->GetSafeHdc() : nullptr;
}

} // namespace

CDC::~CDC()
{
    DeleteDC();
}

CDC* CDC::FromHandle(HDC hDC)
{
    return dcMap().fromHandle(hDC);
}

CDC* WfxDCFromHandle(HDC hDC)
{
    return CDC::FromHandle(hDC);
}

void CDC::DeleteTempMap()
{
    dcMap().deleteTemporary();
}

BOOL CDC::adopt(HDC made)
{
    return wfxAdopt(*this, made, ::DeleteDC);
}

BOOL CDC::DeleteDC()
{
    return m_hDC ? ::DeleteDC(Detach()) : FALSE;
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return static_cast<CPen*>(SelectObject(static_cast<CGdiObject*>(pPen)));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return static_cast<CBrush*>(SelectObject(static_cast<CGdiObject*>(pBrush)));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return static_cast<CFont*>(SelectObject(static_cast<CGdiObject*>(pFont)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return static_cast<CBitmap*>(SelectObject(static_cast<CGdiObject*>(pBitmap)));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    if (!pObject || !pObject->m_hObject)
        return nullptr;
    return CGdiObject::FromHandle(::SelectObject(m_hDC, pObject->m_hObject));
}

int CDC::SelectObject(CRgn* pRgn)
{
    return SelectClipRgn(pRgn);
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(nIndex)));
}

CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT old{};
    ::SetViewportOrgEx(m_hDC, x, y, &old);
    return old;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT old{};
    ::SetWindowOrgEx(m_hDC, x, y, &old);
    return old;
}

CPoint CDC::GetViewportOrg() const
{
    POINT origin{};
    ::GetViewportOrgEx(m_hDC, &origin);
    return origin;
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT old{};
    ::MoveToEx(m_hDC, x, y, &old);
    return old;
}

CPoint CDC::GetCurrentPosition() const
{
    POINT point{};
    ::GetCurrentPositionEx(m_hDC, &point);
    return point;
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    if (pBrush)
        ::FillRect(m_hDC, lpRect, *pBrush);
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    if (pBrush)
        ::FrameRect(m_hDC, lpRect, *pBrush);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    COLORREF old = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    CRect r(x, y, x + cx, y + cy);
    FillSolidRect(&r, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    return pRgn && pBrush ? ::FillRgn(m_hDC, *pRgn, *pBrush) : FALSE;
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    return pRgn && pBrush ? ::FrameRgn(m_hDC, *pRgn, *pBrush, nWidth, nHeight) : FALSE;
}

CSize CDC::GetTextExtent(LPCWSTR lpszString, int nCount) const
{
    SIZE size{};
    ::GetTextExtentPoint32W(m_hDC, lpszString, nCount, &size);
    return size;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, sourceOf(pSrcDC), xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, sourceOf(pSrcDC), xSrc, ySrc, nSrcWidth, nSrcHeight,
                        dwRop);
}

BOOL CDC::AlphaBlend(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, BLENDFUNCTION blend)
{
    return ::AlphaBlend(m_hDC, xDest, yDest, nDestWidth, nDestHeight, sourceOf(pSrcDC), xSrc, ySrc, nSrcWidth,
                        nSrcHeight, blend);
}

BOOL CDC::TransparentBlt(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc,
                         int ySrc, int nSrcWidth, int nSrcHeight, UINT clrTransparent)
{
    return ::TransparentBlt(m_hDC, xDest, yDest, nDestWidth, nDestHeight, sourceOf(pSrcDC), xSrc, ySrc,
                            nSrcWidth, nSrcHeight, clrTransparent);
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    return ::SelectClipRgn(m_hDC, pRgn ? HRGN(*pRgn) : nullptr);
}
