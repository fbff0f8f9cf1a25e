#include "CHeaderCtrl.h"

#include "WfxOwnerDraw.h"

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return wfx::ownerDrawNotify(*this, message, wParam, lParam, pResult);
}
