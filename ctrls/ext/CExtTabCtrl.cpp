#include "CExtTabCtrl.h"

#include <CDC.h>
#include <CFont.h>
#include <CImageList.h>

IMPLEMENT_DYNAMIC(CExtTabCtrl, CTabCtrl)

BEGIN_MESSAGE_MAP(CExtTabCtrl, CTabCtrl)
ON_NOTIFY_REFLECT_EX(TCN_SELCHANGING, &CExtTabCtrl::onSelChanging)
END_MESSAGE_MAP()

CExtTabCtrl::CExtTabCtrl() : m_enabled(1, true) {}

void CExtTabCtrl::Enable(BYTE tab, BOOL enable)
{
    if (tab >= m_enabled.size())
        m_enabled.resize(size_t(tab) + 1, false);
    m_enabled[tab] = enable != FALSE;
    if (m_hWnd)
        Invalidate();
}

BOOL CExtTabCtrl::IsTabEnabled(int tab) const
{
    return tab >= 0 && size_t(tab) < m_enabled.size() && m_enabled[size_t(tab)];
}

void CExtTabCtrl::eraseTab(int tab)
{
    if (tab >= 0 && size_t(tab) < m_enabled.size())
        m_enabled.erase(m_enabled.begin() + tab);
}

BOOL CExtTabCtrl::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    if (!CTabCtrl::SubclassDlgItem(nID, pParent))
        return FALSE;
    ModifyStyle(0, TCS_OWNERDRAWFIXED);
    if (!IsTabEnabled(0)) {
        int first = NextEnabledTab(0, TRUE);
        if (first >= 0)
            SetActiveTab(UINT(first));
    }
    return TRUE;
}

int CExtTabCtrl::walkEnabled(int from, int step, BOOL wrap) const
{
    int count = GetItemCount();
    if (from < 0 || from >= count)
        return -1;
    for (int i = from + step, walked = 1; walked < count; i += step, ++walked) {
        if (i < 0 || i >= count) {
            if (!wrap)
                return -1;
            i = (i + count) % count;
        }
        if (IsTabEnabled(i))
            return i;
    }
    return -1;
}

int CExtTabCtrl::NextEnabledTab(int from, BOOL wrap) const
{
    return walkEnabled(from, 1, wrap);
}

int CExtTabCtrl::PrevEnabledTab(int from, BOOL wrap) const
{
    return walkEnabled(from, -1, wrap);
}

LRESULT CExtTabCtrl::notifyParent(UINT code)
{
    NMHDR hdr = {m_hWnd, UINT_PTR(GetDlgCtrlID()), code};
    return ::SendMessageW(::GetParent(m_hWnd), WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
}

BOOL CExtTabCtrl::SetActiveTab(UINT tab)
{
    if (tab >= UINT(GetItemCount()) || !IsTabEnabled(int(tab)))
        return FALSE;
    // The change is ours: the mouse may rest anywhere meanwhile.
    m_selectingByCall = true;
    LRESULT refused = notifyParent(TCN_SELCHANGING);
    m_selectingByCall = false;
    if (refused)
        return FALSE;
    SetCurSel(int(tab));
    notifyParent(TCN_SELCHANGE);
    return TRUE;
}

BOOL CExtTabCtrl::onSelChanging(NMHDR*, LRESULT* pResult)
{
    if (m_selectingByCall)
        return FALSE;
    TCHITTESTINFO hit = {};
    ::GetCursorPos(&hit.pt);
    ScreenToClient(&hit.pt);
    int tab = HitTest(&hit);
    if (tab >= 0 && !IsTabEnabled(tab)) {
        *pResult = TRUE;
        return TRUE;
    }
    return FALSE;
}

BOOL CExtTabCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN || (pMsg->wParam != VK_LEFT && pMsg->wParam != VK_RIGHT))
        return CTabCtrl::PreTranslateMessage(pMsg);
    int current = GetCurSel();
    int tab = pMsg->wParam == VK_LEFT ? PrevEnabledTab(current, FALSE) : NextEnabledTab(current, FALSE);
    if (tab >= 0)
        SetActiveTab(UINT(tab));
    return TRUE;
}

BOOL CExtTabCtrl::TranslatePropSheetMsg(MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN || ::GetKeyState(VK_CONTROL) >= 0)
        return FALSE;
    bool back = false;
    switch (pMsg->wParam) {
    case VK_TAB:
        back = ::GetKeyState(VK_SHIFT) < 0;
        break;
    case VK_NEXT:
        break;
    case VK_PRIOR:
        back = true;
        break;
    default:
        return FALSE;
    }
    int current = GetCurSel();
    int tab = back ? PrevEnabledTab(current, TRUE) : NextEnabledTab(current, TRUE);
    if (tab >= 0)
        SetActiveTab(UINT(tab));
    return TRUE;
}

void CExtTabCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    int item = int(lpDrawItemStruct->itemID);
    wchar_t text[257] = {};
    TCITEMW info = {};
    info.mask = TCIF_TEXT | TCIF_IMAGE;
    info.pszText = text;
    info.cchTextMax = 256;
    GetItem(item, &info);

    CDC& dc = *CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rect = lpDrawItemStruct->rcItem;
    ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
    BOOL selected = item == GetCurSel();
    BOOL disabled = !IsTabEnabled(item);
    if (info.iImage >= 0 && GetImageList())
        OnDrawImage(dc, info.iImage, CPoint(rect.left + 3, rect.top + 3), selected, disabled);
    OnDrawText(dc, rect, text, selected, disabled);
}

void CExtTabCtrl::OnDrawImage(CDC& dc, int image, CPoint at, BOOL selected, BOOL disabled)
{
    HIMAGELIST list = GetImageList()->m_hImageList;
    ImageList_Draw(list, image, dc, at.x, at.y, ILD_TRANSPARENT | (disabled ? ILD_BLEND25 : 0));
    if (!selected)
        return;
    int cx = 0, cy = 0;
    ImageList_GetIconSize(list, &cx, &cy);
    CRect frame(at.x, at.y, at.x + cx, at.y + cy);
    ::DrawEdge(dc, &frame, BDR_RAISEDINNER, BF_RECT);
}

void CExtTabCtrl::OnDrawText(CDC& dc, CRect rect, CString text, BOOL selected, BOOL disabled)
{
    rect.OffsetRect(1, 4);
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HFONT bold = nullptr;
    if (selected) {
        LOGFONTW face = {};
        ::GetObjectW(font ? font : ::GetStockObject(DEFAULT_GUI_FONT), sizeof(face), &face);
        face.lfWeight = FW_BOLD;
        bold = ::CreateFontIndirectW(&face);
    }
    HGDIOBJ oldFont = (bold || font) ? ::SelectObject(dc, bold ? bold : font) : nullptr;
    int oldMode = ::SetBkMode(dc, TRANSPARENT);
    COLORREF oldColour = ::SetTextColor(dc, ::GetSysColor(disabled ? COLOR_3DHILIGHT : COLOR_BTNTEXT));
    ::DrawTextW(dc, text, -1, &rect, DT_CENTER | DT_VCENTER);
    if (disabled) {
        // Once more one pixel up and left in grey: an embossed look.
        rect.OffsetRect(-1, -1);
        ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
        ::DrawTextW(dc, text, -1, &rect, DT_CENTER | DT_VCENTER);
    }
    ::SetTextColor(dc, oldColour);
    ::SetBkMode(dc, oldMode);
    if (oldFont)
        ::SelectObject(dc, oldFont);
    if (bold)
        ::DeleteObject(bold);
}
