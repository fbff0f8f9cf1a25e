#include "CStatic.h"

#include "WfxOwnerDraw.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)

void CStatic::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return wfx::ownerDrawNotify(*this, message, wParam, lParam, pResult);
}
