#pragma once

#include "CWnd.h"
#include "WfxBarStyles.h"
#include "WfxRes.h"

#include <vector>

class CControlBar;
class CDockBar;
class CDocument;
class CView;
struct CCreateContext;
struct CPrintPreviewState;

// Frame styles (the low word of a frame's window style).
#define FWS_ADDTOTITLE 0x00008000L // the title shows the active document's title first

// A top-level window holding a view (child AFX_IDW_PANE_FIRST) that fills its
// client area. Commands go to the active view (and so its document) first,
// then to the frame, then to the application; popup menus are updated
// through the same route, items without a handler disabled. Closing the
// frame asks the active document first; the main frame's end closes the
// documents and ends the message loop. A frame made by a document template
// (m_bAutoDelete) deletes itself when its window is gone.
class WFX_API CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)

public:
    static const CRect rectDefault; // the system chooses place and size

    CFrameWnd();
    ~CFrameWnd() override;

    BOOL m_bAutoMenuEnable = TRUE;
    BOOL m_bAutoDelete = FALSE;
    HMENU m_hMenuDefault = nullptr; // the menu loaded for the frame
    HACCEL m_hAccelTable = nullptr;

    BOOL IsFrameWnd() const override { return TRUE; }

    // Menu, icon, accelerators and title (the resource string up to its first
    // '\n') from resource nIDResource.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    virtual BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr,
                        LPCWSTR lpszMenuName = nullptr, DWORD dwExStyle = 0,
                        CCreateContext* pContext = nullptr);

    virtual CView* GetActiveView() const { return m_pViewActive; }
    virtual void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

    // Places the view over the client area (and panes, in derived frames).
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // Shows the frame: -1 shows a hidden frame normally and restores an
    // iconic one.
    virtual void ActivateFrame(int nCmdShow = -1);
    // Makes the first view active, sends WM_INITIALUPDATE to every child
    // window and shows the frame (the main frame with the application's
    // m_nCmdShow, once).
    virtual void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void SetTitle(LPCWSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }

    // Docking: dock bars along the edges named (CBRS_ALIGN_*) that do not
    // exist yet; control bars docked in them, floating in a frame of
    // m_pFloatingFrameClass, shown and hidden (see CControlBar).
    CRuntimeClass* m_pFloatingFrameClass = nullptr;
    void EnableDocking(DWORD dwDockStyle);
    // nDockBarID 0: the first dock bar (top, bottom, left, right) the bar may use.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    // At the screen point (the floating frame's top left).
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID);

    // Preview on: the menu, the shown bars and the main pane are put aside
    // into pState (the preview view takes the pane's place); off: given back.
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, WfxCmdHandlerInfo* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void PostNcDestroy() override;

protected:
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    // Places the frame's panes in the client rectangle, taking the room they
    // use out of it; the view gets what is left.
    virtual void RecalcPaneLayout(CRect& rectClient);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    CView* m_pViewActive = nullptr;
    CString m_strTitle;
    UINT m_nIDHelp = 0;
    BOOL m_bInRecalcLayout = FALSE;

    DECLARE_MESSAGE_MAP()

private:
    friend class CControlBar;
    void addControlBar(CControlBar* pBar);
    void removeControlBar(CControlBar* pBar);
    void forgetControlBars();

    std::vector<CControlBar*> m_listControlBars; // the bars whose dock site this frame is
};
