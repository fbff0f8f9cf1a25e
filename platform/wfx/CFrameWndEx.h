#pragma once

#include "CFrameWnd.h"

#include <vector>

class CBasePane;

// A frame of panes: the panes added to it are laid out along its edges in
// the order added (each by its alignment and fixed size), the view fills
// the rest. Its menu is not put on the window: a menu bar pane or the
// program shows m_hMenuDefault.
class WFX_API CFrameWndEx : public CFrameWnd
{
    DECLARE_DYNCREATE(CFrameWndEx)

public:
    CFrameWndEx() = default;

    BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCWSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr) override;

    // bTail FALSE puts the pane before the others (nearer the edge). A pane
    // whose window is gone drops out by itself.
    BOOL AddPane(CBasePane* pControlBar, BOOL bTail = TRUE);

protected:
    void RecalcPaneLayout(CRect& rectClient) override;

private:
    std::vector<HWND> m_panes;
};
