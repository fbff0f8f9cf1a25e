#include "CMFCMenuBar.h"

#include "AfxGlobalData.h"
#include "CContextMenuManager.h"
#include "CDC.h"
#include "CPaintDC.h"
#include "CFrameWnd.h"
#include "CMFCVisualManager.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CMFCMenuBar, CMFCToolBar)

BEGIN_MESSAGE_MAP(CMFCMenuBar, CMFCToolBar)
ON_WM_CREATE()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

CMFCMenuBar::CMFCMenuBar()
{
    SetBorders(1, 1, 1, 1);
}

BOOL CMFCMenuBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    LPCWSTR windowClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                              reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CWnd::Create(windowClass, nullptr, dwStyle | WS_CHILD, CRect(0, 0, 0, 0), pParentWnd, nID);
}

int CMFCMenuBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMFCToolBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    CFrameWnd* frame = GetParentFrame();
    if (frame && frame->m_hMenuDefault)
        CreateFromMenu(frame->m_hMenuDefault);
    return 0;
}

void CMFCMenuBar::CreateFromMenu(HMENU hMenu)
{
    m_hMenu = hMenu;
    m_iHot = -1;
    if (m_hWnd)
        Invalidate();
}

int CMFCMenuBar::GetCount() const
{
    int count = m_hMenu ? ::GetMenuItemCount(m_hMenu) : 0;
    return std::max(count, 0);
}

CString CMFCMenuBar::itemText(int nIndex) const
{
    wchar_t text[256] = {};
    ::GetMenuStringW(m_hMenu, UINT(nIndex), text, 256, MF_BYPOSITION);
    return text;
}

CSize CMFCMenuBar::GetMenuItemSize(BOOL bHorz)
{
    CClientDC dc(this);
    CFont* old = dc.SelectObject(&GetGlobalData()->fontRegular);
    CSize widest(0, dc.GetTextExtent(L"W", 1).cy);
    for (int i = 0; i < GetCount(); ++i)
        widest.cx = std::max(widest.cx, dc.GetTextExtent(itemText(i)).cx);
    dc.SelectObject(old);
    CSize size(widest.cx + 12, std::max(widest.cy + 6, GetMenuButtonSize().cy));
    return bHorz ? size : CSize(size.cy, size.cx);
}

CSize CMFCMenuBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize button = GetMenuItemSize(bHorz);
    CSize borders(m_rectBorders.left + m_rectBorders.right, m_rectBorders.top + m_rectBorders.bottom);
    if (bHorz)
        return CSize(bStretch ? 32767 : GetCount() * button.cx + borders.cx, button.cy + borders.cy);
    return CSize(button.cx + borders.cx, bStretch ? 32767 : GetCount() * button.cy + borders.cy);
}

CRect CMFCMenuBar::GetItemRect(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return CRect(0, 0, 0, 0);
    BOOL horizontal = IsHorizontal();
    return itemRect(nIndex, GetMenuItemSize(horizontal), horizontal);
}

// Every item has the same size, measured once by the caller.
CRect CMFCMenuBar::itemRect(int nIndex, CSize button, BOOL bHorz) const
{
    CPoint topLeft(m_rectBorders.left, m_rectBorders.top);
    if (bHorz)
        topLeft.x += nIndex * button.cx;
    else
        topLeft.y += nIndex * button.cy;
    return CRect(topLeft, button);
}

int CMFCMenuBar::HitTest(CPoint point)
{
    BOOL horizontal = IsHorizontal();
    CSize button = GetMenuItemSize(horizontal);
    for (int i = 0; i < GetCount(); ++i)
        if (itemRect(i, button, horizontal).PtInRect(point))
            return i;
    return -1;
}

void CMFCMenuBar::DoPaint(CDC* pDC)
{
    CMFCToolBar::DoPaint(pDC);
    CFont* old = pDC->SelectObject(&GetGlobalData()->fontRegular);
    int oldMode = pDC->SetBkMode(TRANSPARENT);
    BOOL horizontal = IsHorizontal();
    CSize button = GetMenuItemSize(horizontal);
    for (int i = 0; i < GetCount(); ++i) {
        CRect rect = itemRect(i, button, horizontal);
        COLORREF color = (::GetMenuState(m_hMenu, UINT(i), MF_BYPOSITION) & MF_GRAYED)
                             ? GetGlobalData()->clrGrayedText
                             : GetGlobalData()->clrBarText;
        if (i == m_iHot)
            CMFCVisualManager::GetInstance()->OnHighlightMenuItem(pDC, rect, color);
        pDC->SetTextColor(color);
        pDC->DrawText(itemText(i), &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    }
    pDC->SetBkMode(oldMode);
    pDC->SelectObject(old);
}

void CMFCMenuBar::ShowItemMenu(int nIndex)
{
    CRect rect = GetItemRect(nIndex);
    ClientToScreen(&rect);
    HMENU popup = ::GetSubMenu(m_hMenu, nIndex);
    CContextMenuManager menus;
    if (popup) {
        menus.ShowPopupMenu(popup, rect.left, rect.bottom, this);
        return;
    }
    UINT id = ::GetMenuItemID(m_hMenu, nIndex);
    CFrameWnd* frame = GetParentFrame();
    if (frame && id != UINT(-1))
        frame->PostMessage(WM_COMMAND, id);
}

void CMFCMenuBar::setHot(int nIndex)
{
    if (nIndex == m_iHot)
        return;
    m_iHot = nIndex;
    Invalidate();
}

void CMFCMenuBar::OnLButtonDown(UINT, CPoint point)
{
    int item = HitTest(point);
    if (item >= 0)
        ShowItemMenu(item);
}

void CMFCMenuBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_iHot < 0) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&track);
    }
    setHot(HitTest(point));
    CMFCToolBar::OnMouseMove(nFlags, point);
}

void CMFCMenuBar::OnMouseLeave()
{
    setHot(-1);
    CMFCToolBar::OnMouseLeave();
}
