#pragma once

#include "PrambleGDIpApi.h"

// A menu bar pane with fixed 40 x 16 items, no borders and no pane menu.
class PRAMBLEGDIP_API CMSMMenuBar : public CMFCMenuBar
{
    DECLARE_DYNCREATE(CMSMMenuBar)

public:
    CMSMMenuBar();
    ~CMSMMenuBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT nID = AFX_IDW_MENUBAR) override;
    using CMFCMenuBar::Create;
    CSize GetMenuItemSize(BOOL bHorz) override;
    BOOL OnShowControlBarMenu(CPoint) override { return FALSE; }
};
