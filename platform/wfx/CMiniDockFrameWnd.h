#pragma once

#include "CDockBar.h"
#include "CFrameWnd.h"

// The small tool frame of a floating control bar: one floating dock bar
// filling it, sized to the bar. Closing it hides the bar; it goes when the
// bar is docked again or its dock site goes.
class WFX_API CMiniDockFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniDockFrameWnd)

public:
    CMiniDockFrameWnd();

    CDockBar m_wndDockBar;

    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    void RecalcLayout(BOOL bNotify = TRUE) override;
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;

protected:
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()
};
