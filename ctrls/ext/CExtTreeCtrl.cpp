#include "CExtTreeCtrl.h"

IMPLEMENT_DYNCREATE(CExtTreeCtrl, CTreeCtrl)

BEGIN_MESSAGE_MAP(CExtTreeCtrl, CTreeCtrl)
ON_NOTIFY_REFLECT(NM_RCLICK, &CExtTreeCtrl::OnRClick)
END_MESSAGE_MAP()

CExtTreeCtrl::~CExtTreeCtrl()
{
    if (m_hWnd && m_pImageList)
        SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, 0);
}

void CExtTreeCtrl::replaceImageList(std::unique_ptr<CImageList> list)
{
    std::unique_ptr<CImageList> old = std::move(m_pImageList);
    m_pImageList = std::move(list);
    const HIMAGELIST drawn =
        m_hWnd ? reinterpret_cast<HIMAGELIST>(SendMessage(TVM_GETIMAGELIST, TVSIL_NORMAL)) : nullptr;
    if (old && drawn && drawn == old->GetSafeHandle())
        SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL,
                    reinterpret_cast<LPARAM>(m_pImageList ? m_pImageList->GetSafeHandle() : nullptr));
}

void CExtTreeCtrl::createImageList(CImageList* imageList)
{
    if (imageList != m_pImageList.get())
        replaceImageList(std::unique_ptr<CImageList>(imageList));
}

BOOL CExtTreeCtrl::createImageList(UINT bitmapId, int cx, int grow, COLORREF mask)
{
    auto list = std::make_unique<CImageList>();
    if (!list->Create(bitmapId, cx, grow, mask))
        return FALSE;
    replaceImageList(std::move(list));
    setImageList();
    return TRUE;
}

void CExtTreeCtrl::setImageList()
{
    if (m_pImageList && m_pImageList->GetSafeHandle())
        SetImageList(m_pImageList.get(), TVSIL_NORMAL);
}

HTREEITEM CExtTreeCtrl::insertItem(LPCWSTR text, HTREEITEM parent, int image, int selectedImage)
{
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, text, image, selectedImage, 0, 0, 0,
                      parent, TVI_SORT);
}

bool CExtTreeCtrl::displayContextMenu(HTREEITEM item, CPoint clientPoint)
{
    if (!item)
        return false;
    CMenu menu;
    if (!menu.LoadMenu(UINT(m_nMenuId)))
        return false;
    CMenu* popup = menu.GetSubMenu(0);
    if (!popup)
        return false;
    ClientToScreen(&clientPoint);
    return popup->TrackPopupMenu(TPM_RIGHTBUTTON, clientPoint.x, clientPoint.y, this) == 1;
}

void CExtTreeCtrl::reDrawItem(HTREEITEM item)
{
    CRect rect;
    if (!item || !GetItemRect(item, &rect, FALSE))
        return;
    InvalidateRect(&rect, TRUE);
    UpdateWindow();
}

void CExtTreeCtrl::OnRClick(NMHDR*, LRESULT* pResult)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    UINT flags = 0;
    HTREEITEM item = HitTest(point, &flags);
    if (item && (flags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON)))
        SelectItem(item);
    else
        item = nullptr;
    if (m_nMenuId != -1)
        displayContextMenu(item, point);
    *pResult = 0;
}
