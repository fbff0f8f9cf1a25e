#include "CFileList.h"

#include "CFileDial.h"
#include "FileDialIds.h"

#include <CMenu.h>

BEGIN_MESSAGE_MAP(CFileList, CListCtrl)
ON_WM_LBUTTONDBLCLK()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

int CFileList::itemAt(CPoint point) const
{
    return HitTest(point);
}

void CFileList::OnLButtonDblClk(UINT, CPoint point)
{
    int item = itemAt(point);
    if (item < 0 || !m_owner)
        return;
    // The dialog may end here: the list's window goes with it.
    HWND self = m_hWnd;
    m_owner->parsePath(GetItemText(item, 0).str(), true);
    if (::IsWindow(self))
        Default();
}

void CFileList::OnLButtonDown(UINT, CPoint point)
{
    int item = itemAt(point);
    if (item >= 0 && m_owner)
        m_owner->setFileNameField(GetItemData(item) == fileItem ? GetItemText(item, 0) : CString());
    Default();
}

void CFileList::OnRButtonDown(UINT, CPoint point)
{
    Default();
    int item = itemAt(point);
    if (item < 0 || !m_owner)
        return;
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    menu.AppendMenu(MF_STRING, ID_FILE_LIST_DELETE, L"Usuń");
    menu.AppendMenu(MF_STRING, ID_FILE_LIST_RENAME, L"Zmień nazwę");
    CPoint screen = point;
    ClientToScreen(&screen);
    UINT command = UINT(
        ::TrackPopupMenu(menu.m_hMenu, TPM_NONOTIFY | TPM_RETURNCMD, screen.x, screen.y, 0, m_hWnd, nullptr));
    if (command == ID_FILE_LIST_DELETE)
        m_owner->onDeleteFile(item);
    else if (command == ID_FILE_LIST_RENAME)
        m_owner->onRenameFile(item);
}
