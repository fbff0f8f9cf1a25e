#include "CItemEdit.h"

CItemEdit::CItemEdit(CEdit* edit) : CItemWnd(edit, 0, CRect(0, 0, 0, 0), 0) {}

CItemEdit::CItemEdit(UINT style, const CRect& rect, UINT id) : CItemWnd(new CEdit, style, rect, id) {}

void CItemEdit::create(CWnd* parent)
{
    createAs<CEdit>(parent);
}

CString CItemEdit::getText()
{
    CString text;
    if (hasWindow())
        getEdit().GetWindowText(text);
    return text;
}

void CItemEdit::setText(const CString& text)
{
    if (!hasWindow())
        return;
    CEdit& edit = getEdit();
    edit.SetWindowText(text);
    edit.SetSel(0, -1);
    edit.SetFocus();
}
