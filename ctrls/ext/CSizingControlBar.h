#pragma once

#include "CSCBButton.h"
#include "PrambleApi.h"

#include <Wfx.h>

// Sizing-bar style bits: the edges that can be dragged (recomputed on every
// non-client size calculation) and whether they are drawn and reserved.
#define SCBS_EDGELEFT 0x00000001
#define SCBS_EDGERIGHT 0x00000002
#define SCBS_EDGETOP 0x00000004
#define SCBS_EDGEBOTTOM 0x00000008
#define SCBS_EDGEALL 0x0000000F
#define SCBS_SHOWEDGES 0x00000010

class CSizingControlBar;
typedef CTypedPtrArray<CPtrArray, CSizingControlBar*> CSCBArray;

// A docking control bar whose edges the user drags to resize it, docked at
// any edge or floating. Bars in one row share the row's length; a docked bar
// shows a gripper and a close button. Sizes are kept per bar in the
// application's profile.
class PRAMBLE_API CSizingControlBar : public CControlBar
{
    DECLARE_DYNAMIC(CSizingControlBar)

public:
    CSizingControlBar();
    ~CSizingControlBar() override;

    virtual BOOL Create(LPCWSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper,
                        UINT nID, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP);
    virtual void LoadState(LPCWSTR lpszProfileName);
    virtual void SaveState(LPCWSTR lpszProfileName);
    static void GlobalLoadState(LPCWSTR lpszProfileName);
    static void GlobalSaveState(LPCWSTR lpszProfileName);

    BOOL IsFloating() const;
    BOOL IsHorzDocked() const;
    BOOL IsVertDocked() const;
    BOOL IsSideTracking() const;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    BOOL DestroyWindow() override;

protected:
    virtual void NcPaintGripper(CDC* pDC, CRect rcClient);
    virtual void StartTracking(UINT nHitTest);
    virtual void StopTracking();
    virtual void OnTrackUpdateSize(CPoint& point);
    virtual void OnTrackInvertTracker();
    virtual void AlignControlBars();

    void GetRowInfo(int& nFirst, int& nLast, int& nThis);
    void GetRowSizingBars(CSCBArray& arrSCBars);
    BOOL NegociateSpace(int nLengthTotal, BOOL bHorz);
    BOOL GetEdgeRect(CRect rcWnd, UINT nHitTest, CRect& rcEdge);
    static int FindSizingBar(CControlBar* pBar);

    CSize m_szHorz;
    CSize m_szVert;
    CSize m_szFloat;
    CSize m_szMin;
    CSize m_szMinT;
    CSize m_szMaxT;
    CSize m_szOld;
    CPoint m_ptOld;
    UINT m_htEdge = 0;
    BOOL m_bTracking = FALSE;
    BOOL m_bKeepSize = FALSE;
    BOOL m_bParentSizing = FALSE;
    BOOL m_bDragShowContent = FALSE;
    UINT m_nDockBarID = 0;
    int m_cxEdge = 5;
    int m_cyGripper = 0;
    DWORD m_dwSCBStyle = 0;
    CSCBButton m_biHide;

    static CSCBArray m_arrBars;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnNcDestroy();
    afx_msg LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnCaptureChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    void leaveBarList();
    void refreshDockBarId();
    CSizingControlBar* rowNeighbour(const CSCBArray& row);
    void moveToOwnRow();
    void shareOut(const CSCBArray& row, int nDelta, BOOL bHorz);
};
