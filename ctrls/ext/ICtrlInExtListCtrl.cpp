#include "ICtrlInExtListCtrl.h"

ICtrlInExtListCtrl::~ICtrlInExtListCtrl() = default;

void ICtrlInExtListCtrl::init(CExtListCtrl* list)
{
    m_pList = list;
    onInit();
}

void ICtrlInExtListCtrl::onShow() {}

void ICtrlInExtListCtrl::onHide() {}
