#pragma once

#include "ExtListCellText.h"

// The combo-box in-cell editor, for the editor interface Iface of a list.
// It sits over the cell grown by a pixel on every side and writes back only
// a selected entry.
template <class Iface> class TComboInExtListCtrl : public CComboBox, public Iface
{
public:
    CWnd* getWnd() override { return this; }
    void adaptSize(RECT& cell) override { ExtListCellText::moveOver(*this, cell, 1); }
    void onHide() override
    {
        if (this->m_pList)
            ExtListCellText::storeSelectedEntry(*this, *this->m_pList, this->m_pList->GetPosCtrlToDisp());
    }
    void onInit() override {}

protected:
    // The owner's rectangle is replaced; the list places the combo later.
    int OnCreate(LPCREATESTRUCT cs)
    {
        cs->x = 10;
        cs->y = 10;
        cs->cx = 340;
        cs->cy = 140;
        return int(Default());
    }
    void OnKillFocusNotify()
    {
        if (this->m_pList)
            this->m_pList->ctrlKillFocus();
    }
};
