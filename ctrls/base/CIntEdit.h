#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

// An edit for whole numbers: digits, one leading minus and one percent sign.
// Enter hands the focus to the parent, which ends an edit through the focus
// loss.
class PRAMBLE_API CIntEdit : public CEdit
{
    DECLARE_DYNCREATE(CIntEdit)

public:
    CIntEdit() = default;

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

    DECLARE_MESSAGE_MAP()
};
