#include "ExtListView.h"

IMPLEMENT_DYNCREATE(ExtListView, CCtrlContainerView)

// WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_OWNERDRAWFIXED; the list adds LVS_REPORT.
static const DWORD kListStyle = 0x50010400;

void ExtListView::onInit()
{
    T_onInit(this, kListStyle, 0);
}

void ExtListView::onSize(int cx, int cy)
{
    T_onSize(cx, cy);
}
