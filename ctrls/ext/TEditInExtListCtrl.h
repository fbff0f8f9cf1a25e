#pragma once

#include "ExtListCellText.h"

// What the edit-based in-cell editors share: the editor is the edit itself,
// sits exactly over the cell, shows the cell's text and writes its own text
// back when hidden. Iface is the editor interface of the list the editor
// serves (its m_pList points to that list).
template <class Edit, class Iface> class TEditInExtListCtrl : public Edit, public Iface
{
public:
    CWnd* getWnd() override { return this; }
    void adaptSize(RECT& cell) override { ExtListCellText::moveOver(*this, cell); }
    void onShow() override
    {
        if (this->m_pList)
            ExtListCellText::load(*this, *this->m_pList, this->m_pList->GetPosCtrlToDisp());
    }
    void onHide() override
    {
        if (this->m_pList)
            ExtListCellText::storeWindowText(*this, *this->m_pList, this->m_pList->GetPosCtrlToDisp());
    }
    void onInit() override {}

protected:
    // The focus left the editor: the list hides it, which stores the text.
    void OnKillFocusNotify()
    {
        if (this->m_pList)
            this->m_pList->ctrlKillFocus();
    }
};
