#pragma once

#include "IMultiPageContent.h"

// A scroll view that can be a page of the multi-page host.
class PRAMBLEGDIP_API CGDIpMultiPageScrollView : public CScrollView, public IMultiPageContent
{
    DECLARE_DYNCREATE(CGDIpMultiPageScrollView)

public:
    CGDIpMultiPageScrollView();
    ~CGDIpMultiPageScrollView() override;

    int v_show(int nCmdShow) override;
    void v_invalidate(int erase) override;
    int v_isVisible() override;
    void v_move(CRect rect, int repaint) override;
    void v_content2AppSize() override {}

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnDraw(CDC*) override {}

protected:
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);

    DECLARE_MESSAGE_MAP()
};
