#pragma once

#include "PrambleApi.h"

#include <CTabCtrl.h>

#include <memory>
#include <vector>

// A tab control that shows a group of ordinary windows per tab and hides
// the others, and can place each window against its own edges.
class PRAMBLE_API CTabCtrlEx : public CTabCtrl
{
public:
    // Placement bits of insertWnd.
    enum : UINT
    {
        placeTop = 0x01,
        placeBottom = 0x02,
        placeLeft = 0x04,
        placeRight = 0x08,
        placeStretch = 0x10,
    };

    CTabCtrlEx();
    ~CTabCtrlEx() override;

    // Adds a window of the caller's to a tab (nothing for a tab the control lacks).
    void insertWnd(UINT tab, CWnd* wnd, UINT placement);
    // Creates a modeless dialog from the template, owned by the control, and adds it.
    void insertWnd(UINT tab, UINT templateId, CWnd* parent, UINT placement);
    // Shows the windows of that tab and hides those of every other.
    void init(UINT tab);
    UINT currentTab() const { return m_current; }

protected:
    afx_msg void selchangeTab(NMHDR* pNMHDR, LRESULT* pResult);
    void initTab(UINT tab);
    void showTab(UINT tab, bool show);
    bool inRange(UINT tab) const;
    bool inResizedRange(UINT tab);
    void moveWnd(CWnd* wnd, UINT placement);

    DECLARE_MESSAGE_MAP()

private:
    struct TabWnds
    {
        std::vector<CWnd*> shown;
        std::vector<std::unique_ptr<CWnd>> created;
    };

    std::vector<TabWnds> m_tabs;
    UINT m_current = 0;
};
