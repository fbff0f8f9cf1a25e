#include "CStatusBarEx.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CStatusBarEx, CStatusBar)

BEGIN_MESSAGE_MAP(CStatusBarEx, CStatusBar)
ON_WM_CREATE()
ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

// The progress control's place, counted from the bar's right end; it never
// goes left of kMinRight - kWidth.
const int kFromRight = 123;
const int kMinRight = 262;
const int kWidth = 115;

} // namespace

CStatusBarEx::CStatusBarEx() = default;

CStatusBarEx::~CStatusBarEx() = default;

BOOL CStatusBarEx::Create(CWnd* pParentWnd, UINT nProgressID, UINT, DWORD dwStyle, UINT nID, std::wstring)
{
    // Known before the window exists: WM_CREATE makes the progress control.
    m_nProgressID = nProgressID;
    return CStatusBar::Create(pParentWnd, dwStyle, nID);
}

int CStatusBarEx::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CStatusBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_progress.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, m_nProgressID);
    return 0;
}

void CStatusBarEx::OnSize(UINT nType, int cx, int cy)
{
    CStatusBar::OnSize(nType, cx, cy);
    if (!m_progress.m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    int right = std::max(int(client.right) - kFromRight, kMinRight);
    m_progress.MoveWindow(right - kWidth, client.top + 2, kWidth, client.bottom - client.top - 2);
}
