#include "CTabCtrlEx.h"

#include <CDialog.h>

BEGIN_MESSAGE_MAP(CTabCtrlEx, CTabCtrl)
ON_NOTIFY_REFLECT(TCN_SELCHANGE, &CTabCtrlEx::selchangeTab)
END_MESSAGE_MAP()

CTabCtrlEx::CTabCtrlEx() = default;

CTabCtrlEx::~CTabCtrlEx()
{
    for (TabWnds& tab : m_tabs)
        for (auto& wnd : tab.created)
            if (wnd->m_hWnd)
                wnd->DestroyWindow();
}

void CTabCtrlEx::insertWnd(UINT tab, CWnd* wnd, UINT placement)
{
    if (!wnd || !inResizedRange(tab))
        return;
    m_tabs[tab].shown.push_back(wnd);
    moveWnd(wnd, placement);
}

void CTabCtrlEx::insertWnd(UINT tab, UINT templateId, CWnd* parent, UINT placement)
{
    // Checked first, so that no window is made for a tab that is not there.
    if (!inResizedRange(tab))
        return;
    auto dialog = std::make_unique<CDialog>();
    if (!dialog->Create(templateId, parent))
        return;
    CWnd* wnd = dialog.get();
    m_tabs[tab].created.push_back(std::move(dialog));
    insertWnd(tab, wnd, placement);
}

void CTabCtrlEx::init(UINT tab)
{
    for (UINT i = 0; i < m_tabs.size(); ++i)
        if (i != tab)
            showTab(i, false);
    showTab(tab, true);
}

void CTabCtrlEx::selchangeTab(NMHDR*, LRESULT* pResult)
{
    int selected = GetCurSel();
    if (selected >= 0)
        initTab(UINT(selected));
    *pResult = 0;
}

void CTabCtrlEx::initTab(UINT tab)
{
    if (tab == m_current)
        return;
    showTab(m_current, false);
    showTab(tab, true);
}

// A tab shown becomes current even without windows of its own: the
// current one's windows were hidden, so coming back must show them.
void CTabCtrlEx::showTab(UINT tab, bool show)
{
    if (show)
        m_current = tab;
    if (!inRange(tab))
        return;
    for (CWnd* wnd : m_tabs[tab].shown)
        if (wnd->m_hWnd)
            wnd->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

bool CTabCtrlEx::inRange(UINT tab) const
{
    return tab < m_tabs.size() && tab < UINT(GetItemCount());
}

bool CTabCtrlEx::inResizedRange(UINT tab)
{
    if (tab >= UINT(GetItemCount()))
        return false;
    if (tab >= m_tabs.size())
        m_tabs.resize(size_t(tab) + 1);
    return true;
}

void CTabCtrlEx::moveWnd(CWnd* wnd, UINT placement)
{
    if (!placement || !wnd->m_hWnd)
        return;
    CRect control, first, rect;
    GetWindowRect(&control);
    GetItemRect(0, &first);
    CRect inner = control;
    inner.right -= 5 * ::GetSystemMetrics(SM_CXBORDER) + first.left;
    inner.bottom -= 5 * ::GetSystemMetrics(SM_CYBORDER) + first.bottom;
    wnd->GetWindowRect(&rect);
    if (placement & placeLeft)
        rect.OffsetRect(control.left - rect.left, 0);
    else if (placement & placeRight)
        rect.OffsetRect(inner.right - rect.right, 0);
    if (placement & placeTop)
        rect.OffsetRect(0, control.top - rect.top);
    else if (placement & placeBottom)
        rect.OffsetRect(0, inner.bottom - rect.bottom);
    if (placement & placeStretch) {
        rect.right = inner.right;
        rect.bottom = inner.bottom;
    }
    // A child window is moved in its parent's client coordinates.
    HWND parent = ::GetAncestor(wnd->m_hWnd, GA_PARENT);
    if (parent && (wnd->GetStyle() & WS_CHILD))
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&rect), 2);
    wnd->MoveWindow(&rect, TRUE);
}
