#pragma once

#include "CFrameWnd.h"

// A frame whose client area is the system's MDI client window (child
// AFX_IDW_PANE_FIRST) holding child frames of documents. Commands go to the
// active child frame first.
class WFX_API CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)

public:
    CMDIFrameWnd();

    HWND m_hWndMDIClient = nullptr;

    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    // The active child frame, or null; *pbMaximized tells whether it is maximized.
    CFrameWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    CFrameWnd* GetActiveFrame();

    CView* GetActiveView() const override;
    CDocument* GetActiveDocument() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, WfxCmdHandlerInfo* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
};
