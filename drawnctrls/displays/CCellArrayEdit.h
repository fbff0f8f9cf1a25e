#pragma once

#include "PrambleGDIpApi.h"

#include <CIntEdit.h>

// The whole-number editor of a CCellArray, made as a child of the table:
// Enter and leaving it save the edit, Esc drops it.
class PRAMBLEGDIP_API CCellArrayEdit : public CIntEdit
{
    DECLARE_DYNAMIC(CCellArrayEdit)

public:
    CCellArrayEdit();
    ~CCellArrayEdit() override;

protected:
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    // Enter and Esc are the editor's own, also on a dialog.
    afx_msg UINT OnGetDlgCode();

    DECLARE_MESSAGE_MAP()

private:
    void endEdit(bool save);
};
