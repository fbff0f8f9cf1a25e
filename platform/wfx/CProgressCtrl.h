#pragma once

#include "CWnd.h"

class WFX_API CProgressCtrl : public CWnd
{
    DECLARE_DYNAMIC(CProgressCtrl)

public:
    CProgressCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
    {
        return CWnd::Create(PROGRESS_CLASSW, nullptr, dwStyle, rect, pParentWnd, nID);
    }

    void SetRange(short nLower, short nUpper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper)); }
    void SetRange32(int nLower, int nUpper) { SendMessage(PBM_SETRANGE32, WPARAM(nLower), LPARAM(nUpper)); }
    int SetPos(int nPos) { return int(SendMessage(PBM_SETPOS, WPARAM(nPos))); }
    int GetPos() const { return int(SendMessage(PBM_GETPOS)); }
    int OffsetPos(int nPos) { return int(SendMessage(PBM_DELTAPOS, WPARAM(nPos))); }
    int SetStep(int nStep) { return int(SendMessage(PBM_SETSTEP, WPARAM(nStep))); }
    int StepIt() { return int(SendMessage(PBM_STEPIT)); }
    COLORREF SetBarColor(COLORREF clrBar)
    {
        return COLORREF(SendMessage(PBM_SETBARCOLOR, 0, LPARAM(clrBar)));
    }
    COLORREF SetBkColor(COLORREF clrNew) { return COLORREF(SendMessage(PBM_SETBKCOLOR, 0, LPARAM(clrNew))); }
};
