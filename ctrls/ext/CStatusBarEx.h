#pragma once

#include "PrambleApi.h"

#include <Wfx.h>

#include <string>

// A status bar with a progress control at a fixed place near its right end.
class PRAMBLE_API CStatusBarEx : public CStatusBar
{
    DECLARE_DYNAMIC(CStatusBarEx)

public:
    CStatusBarEx();
    ~CStatusBarEx() override;

    // The third argument and the text are not used.
    virtual BOOL Create(CWnd* pParentWnd, UINT nProgressID, UINT nUnused, DWORD dwStyle, UINT nID,
                        std::wstring text);

    CProgressCtrl m_progress;

protected:
    UINT m_nProgressID = 0;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()
};
