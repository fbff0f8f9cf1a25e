#include "CTabCtrl.h"

#include "CImageList.h"
#include "WfxOwnerDraw.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

LONG CTabCtrl::InsertItem(int nItem, LPCWSTR lpszItem, int nImage)
{
    TCITEMW item = {};
    item.mask = TCIF_TEXT | (nImage >= 0 ? TCIF_IMAGE : 0);
    item.pszText = const_cast<LPWSTR>(lpszItem);
    item.iImage = nImage;
    return LONG(SendMessage(TCM_INSERTITEMW, WPARAM(nItem), reinterpret_cast<LPARAM>(&item)));
}

CImageList* CTabCtrl::GetImageList() const
{
    HIMAGELIST list = reinterpret_cast<HIMAGELIST>(SendMessage(TCM_GETIMAGELIST));
    return list ? CImageList::FromHandle(list) : nullptr;
}

void CTabCtrl::SetImageList(CImageList* pImageList)
{
    SendMessage(TCM_SETIMAGELIST, 0,
                reinterpret_cast<LPARAM>(pImageList ? pImageList->m_hImageList : nullptr));
}

void CTabCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CTabCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return wfx::ownerDrawNotify(*this, message, wParam, lParam, pResult);
}
