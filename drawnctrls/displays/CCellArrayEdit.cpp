#include "CCellArrayEdit.h"

#include "CCellArray.h"

IMPLEMENT_DYNAMIC(CCellArrayEdit, CIntEdit)

BEGIN_MESSAGE_MAP(CCellArrayEdit, CIntEdit)
ON_WM_KEYUP()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CCellArrayEdit::CCellArrayEdit() = default;

CCellArrayEdit::~CCellArrayEdit() = default;

void CCellArrayEdit::endEdit(bool save)
{
    if (auto* table = dynamic_cast<CCellArray*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd))))
        table->hideEditCtrl(save);
}

void CCellArrayEdit::OnKeyUp(UINT nChar, UINT, UINT)
{
    Default();
    if (nChar == VK_RETURN)
        endEdit(true);
    else if (nChar == VK_ESCAPE)
        endEdit(false);
}

void CCellArrayEdit::OnKillFocus(CWnd*)
{
    Default();
    endEdit(true);
}

UINT CCellArrayEdit::OnGetDlgCode()
{
    return UINT(Default()) | DLGC_WANTALLKEYS;
}
