#pragma once

#include "CGdiObject.h"

class CDC;

class WFX_API CBitmap : public CGdiObject
{
    DECLARE_DYNAMIC(CBitmap)

public:
    CBitmap() = default;

    static CBitmap* FromHandle(HBITMAP hBitmap)
    {
        return static_cast<CBitmap*>(CGdiObject::FromHandle(hBitmap));
    }
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

    // From the module that holds the bitmap resource.
    BOOL LoadBitmap(UINT nIDResource);
    BOOL LoadBitmap(LPCWSTR lpszResourceName);
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
    {
        return adopt(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
    }
    BOOL CreateBitmapIndirect(LPBITMAP lpBitmap) { return adopt(::CreateBitmapIndirect(lpBitmap)); }
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitMap) const { return GetObject(sizeof(BITMAP), pBitMap); }
    DWORD SetBitmapBits(DWORD dwCount, const void* lpBits)
    {
        return DWORD(::SetBitmapBits(static_cast<HBITMAP>(m_hObject), dwCount, lpBits));
    }
    DWORD GetBitmapBits(DWORD dwCount, LPVOID lpBits) const
    {
        return DWORD(::GetBitmapBits(static_cast<HBITMAP>(m_hObject), LONG(dwCount), lpBits));
    }
};
