#pragma once

#include "CGdiObject.h"

class CBitmap;

class WFX_API CBrush : public CGdiObject
{
    DECLARE_DYNAMIC(CBrush)

public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }

    static CBrush* FromHandle(HBRUSH hBrush) { return static_cast<CBrush*>(CGdiObject::FromHandle(hBrush)); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }

    BOOL CreateSolidBrush(COLORREF crColor) { return adopt(::CreateSolidBrush(crColor)); }
    BOOL CreateHatchBrush(int nIndex, COLORREF crColor) { return adopt(::CreateHatchBrush(nIndex, crColor)); }
    BOOL CreateSysColorBrush(int nIndex) { return adopt(::CreateSolidBrush(::GetSysColor(nIndex))); }
    BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush) { return adopt(::CreateBrushIndirect(lpLogBrush)); }
    BOOL CreatePatternBrush(CBitmap* pBitmap);
    int GetLogBrush(LOGBRUSH* pLogBrush) const { return GetObject(sizeof(LOGBRUSH), pLogBrush); }
};
