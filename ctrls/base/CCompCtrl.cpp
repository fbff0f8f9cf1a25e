#include "CCompCtrl.h"

#include "PlaceholderStatic.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CCompCtrl, CWnd)

BEGIN_MESSAGE_MAP(CCompCtrl, CWnd)
ON_WM_RBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, &CCompCtrl::OnToolNeedText)
END_MESSAGE_MAP()

CCompCtrl::CCompCtrl() : m_strToolTip(L"CCompCtrl")
{
    for (int& value : m_nUser)
        value = -1;
}

CCompCtrl::~CCompCtrl() = default;

BOOL CCompCtrl::Create(CRect rect, CWnd* parent, UINT id)
{
    const UINT classStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC;
    BOOL created =
        CWnd::Create(AfxRegisterWndClass(classStyle), L"", WS_CHILD | WS_VISIBLE, rect, parent, id);
    // Tooltips need a window to belong to.
    if (created)
        EnableToolTips(TRUE);
    return created;
}

BOOL CCompCtrl::CreateFromStatic(UINT id, CWnd* parent)
{
    CRect rect;
    return takePlaceholderStatic(id, parent, rect) ? Create(rect, parent, id) : FALSE;
}

INT_PTR CCompCtrl::OnToolHitTest(CPoint, TOOLINFOW* pTI) const
{
    TipProps();
    const UINT size = pTI->cbSize;
    *pTI = TOOLINFOW{};
    pTI->cbSize = size;
    pTI->hwnd = m_hWnd;
    pTI->uId = 0;
    GetClientRect(&pTI->rect);
    // The framework frees the copy with free().
    pTI->lpszText = m_strToolTip.IsEmpty() ? LPSTR_TEXTCALLBACKW : _wcsdup(m_strToolTip);
    return m_bToolTip ? 1 : -1;
}

BOOL CCompCtrl::OnToolNeedText(UINT, NMHDR* pNMHDR, LRESULT*)
{
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
    wcscpy_s(info->szText, L"CCompCtrl -> OnToolNeedText");
    return TRUE;
}

void CCompCtrl::OnRButtonDown(UINT, CPoint point)
{
    if (m_bPopupMenu)
        PopupMenu(&point);
    Default();
}

void CCompCtrl::PopupMenu(CPoint* point)
{
    ClientToScreen(point);
    CMenu menu;
    if (m_nMenuID == 0 || !menu.LoadMenu(m_nMenuID))
        return;
    if (CMenu* popup = menu.GetSubMenu(0))
        popup->TrackPopupMenu(TPM_RIGHTBUTTON, point->x, point->y, this);
}

void CCompCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CWnd* parent = GetParent();
    if (m_bDblClkToParent && parent)
        parent->SendMessage(WM_LBUTTONDBLCLK, nFlags, MAKELPARAM(point.x, point.y));
    Default();
}

BOOL CCompCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, wParam, lParam);
    return CWnd::OnCommand(wParam, lParam);
}
