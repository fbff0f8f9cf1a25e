#include "CGDIpMultiPageScrollView.h"

#include "IMultiPageCtrl.h"

IMPLEMENT_DYNCREATE(CGDIpMultiPageScrollView, CScrollView)

BEGIN_MESSAGE_MAP(CGDIpMultiPageScrollView, CScrollView)
ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CGDIpMultiPageScrollView::CGDIpMultiPageScrollView() : IMultiPageContent(nullptr) {}

CGDIpMultiPageScrollView::~CGDIpMultiPageScrollView() = default;

int CGDIpMultiPageScrollView::v_show(int nCmdShow)
{
    return ShowWindow(nCmdShow);
}

void CGDIpMultiPageScrollView::v_invalidate(int erase)
{
    InvalidateRect(nullptr, erase);
}

int CGDIpMultiPageScrollView::v_isVisible()
{
    return IsWindowVisible();
}

void CGDIpMultiPageScrollView::v_move(CRect rect, int repaint)
{
    MoveWindow(&rect, repaint);
}

BOOL CGDIpMultiPageScrollView::PreTranslateMessage(MSG* pMsg)
{
    if (m_impc)
        m_impc->checkMsg(pMsg);
    return CScrollView::PreTranslateMessage(pMsg);
}

void CGDIpMultiPageScrollView::OnShowWindow(BOOL bShow, UINT)
{
    Default();
    if (bShow)
        v_activate();
    else
        v_deactivate();
}
