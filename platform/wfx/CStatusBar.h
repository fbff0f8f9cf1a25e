#pragma once

#include "CControlBar.h"
#include "WfxRes.h"

// The status bar common control as a control bar along the bottom of its
// frame, as high as its font needs.
class WFX_API CStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CStatusBar)

public:
    CStatusBar();

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                        UINT nID = AFX_IDW_STATUS_BAR);

    // The bar's text parts by their right ends (-1: to the end of the bar).
    BOOL SetParts(int nParts, const int* pWidths)
    {
        return BOOL(SendMessage(SB_SETPARTS, WPARAM(nParts), reinterpret_cast<LPARAM>(pWidths)));
    }
    BOOL SetPaneText(int nIndex, LPCWSTR lpszNewText)
    {
        return BOOL(SendMessage(SB_SETTEXTW, WPARAM(nIndex), reinterpret_cast<LPARAM>(lpszNewText)));
    }

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()
};
