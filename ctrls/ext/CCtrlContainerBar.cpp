#include "CCtrlContainerBar.h"

IMPLEMENT_DYNAMIC(CCtrlContainerBar, CSizingControlBar)

BEGIN_MESSAGE_MAP(CCtrlContainerBar, CSizingControlBar)
ON_WM_CREATE()
ON_WM_SIZE()
END_MESSAGE_MAP()

CCtrlContainerBar::CCtrlContainerBar() = default;

int CCtrlContainerBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CSizingControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    onInit();
    return 0;
}

void CCtrlContainerBar::OnSize(UINT nType, int cx, int cy)
{
    CSizingControlBar::OnSize(nType, cx, cy);
    onSize(cx, cy);
}
