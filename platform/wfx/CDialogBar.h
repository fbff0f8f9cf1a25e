#pragma once

#include "CControlBar.h"

// A control bar laid out by a dialog template. Its buttons are commands for
// its frame (and so the frame's active view), enabled and checked by their
// update handlers at idle time.
class WFX_API CDialogBar : public CControlBar
{
    DECLARE_DYNAMIC(CDialogBar)

public:
    CDialogBar();

    // nStyle: the side it lies along (CBRS_TOP, ...) and window styles.
    virtual BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    CSize m_sizeDefault; // the template's size
};
