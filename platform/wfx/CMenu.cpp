#include "CMenu.h"

#include "CWnd.h"
#include "WfxHandleMap.h"
#include "WfxInternal.h"
#include "WfxMsgMap.h"
#include "WfxResources.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace {

WfxHandleMap<HMENU, CMenu>& menuMap()
{
    static WfxHandleMap<HMENU, CMenu> map(&CMenu::m_hMenu);
    return map;
}

bool holdsItem(HMENU hMenu, UINT nID, ULONG_PTR itemData)
{
    int count = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_DATA;
        if (::GetMenuItemInfoW(hMenu, UINT(i), TRUE, &info) && info.wID == nID && info.dwItemData == itemData)
            return true;
    }
    return false;
}

} // namespace

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    return menuMap().fromHandle(hMenu);
}

CMenu* WfxMenuFromHandle(HMENU hMenu)
{
    return CMenu::FromHandle(hMenu);
}

CMenu* CMenu::FromHandlePermanent(HMENU hMenu)
{
    return hMenu ? menuMap().permanent(hMenu) : nullptr;
}

void CMenu::DeleteTempMap()
{
    menuMap().deleteTemporary();
}

CMenu* CMenu::FindOwnerOfItem(UINT nID, ULONG_PTR itemData)
{
    CMenu* owner = nullptr;
    menuMap().forEachPermanent([&](CMenu* menu) {
        if (!owner && holdsItem(menu->m_hMenu, nID, itemData))
            owner = menu;
    });
    return owner;
}

BOOL CMenu::Attach(HMENU hMenu)
{
    return menuMap().attach(this, hMenu);
}

HMENU CMenu::Detach()
{
    return menuMap().detach(this);
}

BOOL CMenu::adopt(HMENU made)
{
    return wfxAdopt(*this, made, ::DestroyMenu);
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return LoadMenu(MAKEINTRESOURCEW(nIDResource));
}

BOOL CMenu::LoadMenu(LPCWSTR lpszResourceName)
{
    HINSTANCE module = AfxFindResourceHandle(lpszResourceName, RT_MENU, GetRuntimeClass());
    return module ? adopt(::LoadMenuW(module, lpszResourceName)) : FALSE;
}

BOOL CMenu::DestroyMenu()
{
    return m_hMenu ? ::DestroyMenu(Detach()) : FALSE;
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int length = ::GetMenuStringW(m_hMenu, nIDItem, nullptr, 0, nFlags);
    ::GetMenuStringW(m_hMenu, nIDItem, rString.GetBuffer(length + 1), length + 1, nFlags);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd ? pWnd->m_hWnd : nullptr, lpRect);
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
