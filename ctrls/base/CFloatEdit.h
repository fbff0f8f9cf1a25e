#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

// An edit for a decimal number with at most m_nMaxInt integer and
// m_nMaxFrac fraction digits.
class PRAMBLE_API CFloatEdit : public CEdit
{
    DECLARE_DYNCREATE(CFloatEdit)

public:
    CFloatEdit() = default;

protected:
    // Whether the character may go to the edit as things stand.
    BOOL checkFormat(UINT ch);

    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

    int m_nMaxInt = 6;
    int m_nMaxFrac = 2;
    wchar_t m_cSeparator = L'.';

    DECLARE_MESSAGE_MAP()
};
