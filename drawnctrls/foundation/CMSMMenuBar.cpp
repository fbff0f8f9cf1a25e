#include "CMSMMenuBar.h"

IMPLEMENT_DYNCREATE(CMSMMenuBar, CMFCMenuBar)

CMSMMenuBar::CMSMMenuBar() = default;

CMSMMenuBar::~CMSMMenuBar() = default;

BOOL CMSMMenuBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    SetBorders(0, 0, 0, 0);
    return CMFCMenuBar::Create(pParentWnd, (dwStyle & 0xFFBFF0FF) | CBRS_SIZE_DYNAMIC, nID);
}

CSize CMSMMenuBar::GetMenuItemSize(BOOL bHorz)
{
    return bHorz ? CSize(40, 16) : CSize(16, 40);
}
