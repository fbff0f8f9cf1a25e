#pragma once

#include "PrambleApi.h"

#include <CTabCtrl.h>

#include <vector>

class CDC;

// The owner-drawn tab control behind CExtPropSheet: tabs can be disabled,
// are drawn greyed and cannot be selected by mouse or keyboard. Only tab 0
// is enabled until the owner enables others.
class PRAMBLE_API CExtTabCtrl : public CTabCtrl
{
    DECLARE_DYNAMIC(CExtTabCtrl)

public:
    CExtTabCtrl();

    virtual void Enable(BYTE tab, BOOL enable);
    virtual BOOL IsTabEnabled(int tab) const;
    virtual void OnDrawText(CDC& dc, CRect rect, CString text, BOOL selected, BOOL disabled);

    // Forgets the state of a removed tab; the tabs after it move down one.
    void eraseTab(int tab);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    // The nearest enabled tab after (before) `from`, or -1; `from` itself
    // must be a tab of the control.
    int NextEnabledTab(int from, BOOL wrap) const;
    int PrevEnabledTab(int from, BOOL wrap) const;
    // Selects an enabled tab as a click would; FALSE for a disabled or
    // missing tab, or when the parent refused the change.
    BOOL SetActiveTab(UINT tab);
    // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown and Ctrl+PageUp over enabled tabs only.
    BOOL TranslatePropSheetMsg(MSG* pMsg);
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    afx_msg BOOL onSelChanging(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDrawImage(CDC& dc, int image, CPoint at, BOOL selected, BOOL disabled);

    DECLARE_MESSAGE_MAP()

private:
    int walkEnabled(int from, int step, BOOL wrap) const;
    LRESULT notifyParent(UINT code);

    std::vector<bool> m_enabled; // per tab; tabs past the end are disabled
    bool m_selectingByCall = false;
};
