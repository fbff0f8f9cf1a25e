#include "CItemComboBox.h"

CItemComboBox::CItemComboBox(CComboBox* comboBox) : CItemWnd(comboBox, 0, CRect(0, 0, 0, 0), 0) {}

CItemComboBox::CItemComboBox(UINT style, const CRect& rect, UINT id)
    : CItemWnd(new CComboBox, style, rect, id)
{
}

void CItemComboBox::create(CWnd* parent)
{
    createAs<CComboBox>(parent);
}

CString CItemComboBox::getText()
{
    CString text;
    if (!hasWindow())
        return text;
    const int selected = getComboBox().GetCurSel();
    if (selected != CB_ERR)
        getComboBox().GetLBText(selected, text);
    return text;
}

void CItemComboBox::setText(const CString& text)
{
    if (hasWindow())
        getComboBox().SelectString(-1, text);
}
