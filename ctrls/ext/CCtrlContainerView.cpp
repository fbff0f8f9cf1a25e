#include "CCtrlContainerView.h"

IMPLEMENT_DYNCREATE(CCtrlContainerView, CView)

BEGIN_MESSAGE_MAP(CCtrlContainerView, CView)
ON_WM_SIZE()
END_MESSAGE_MAP()

void CCtrlContainerView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    onInit();
}

void CCtrlContainerView::OnDraw(CDC*) {}

void CCtrlContainerView::onInit() {}

void CCtrlContainerView::onSize(int, int) {}

void CCtrlContainerView::OnSize(UINT, int cx, int cy)
{
    Default();
    onSize(cx, cy);
}
