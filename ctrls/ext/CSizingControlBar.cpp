#include "CSizingControlBar.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSizingControlBar, CControlBar)

CSCBArray CSizingControlBar::m_arrBars;

BEGIN_MESSAGE_MAP(CSizingControlBar, CControlBar)
ON_WM_CREATE()
ON_WM_NCDESTROY()
ON_MESSAGE(WM_NCCALCSIZE, &CSizingControlBar::OnNcCalcSize)
ON_WM_NCPAINT()
ON_WM_NCHITTEST()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONUP()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_CAPTURECHANGED, &CSizingControlBar::OnCaptureChanged)
ON_WM_WINDOWPOSCHANGING()
ON_MESSAGE(WM_SETTINGCHANGE, &CSizingControlBar::OnSettingChange)
ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

const int kGripperSize = 12;
// Bars along a row overlap by this much.
const int kOverlap = 2;

// Entries of a dock bar's list below this are placeholders, not bars.
bool isBarEntry(void* entry)
{
    return reinterpret_cast<UINT_PTR>(entry) >= 0x10000;
}

BOOL dragFullWindows()
{
    BOOL full = FALSE;
    ::SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
    return full;
}

} // namespace

CSizingControlBar::CSizingControlBar()
    : m_szHorz(200, 200), m_szVert(200, 200), m_szFloat(200, 200), m_szMin(33, 32)
{
}

// A bar whose window went without DestroyWindow (with its frame) or that is
// deleted before its window leaves the list all the same.
CSizingControlBar::~CSizingControlBar()
{
    leaveBarList();
}

void CSizingControlBar::leaveBarList()
{
    int index = FindSizingBar(this);
    if (index >= 0)
        m_arrBars.RemoveAt(index);
}

int CSizingControlBar::FindSizingBar(CControlBar* pBar)
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        if (m_arrBars[i] == pBar)
            return int(i);
    return -1;
}

BOOL CSizingControlBar::Create(LPCWSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper,
                               UINT nID, DWORD dwStyle)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    m_szHorz = m_szVert = m_szFloat = sizeDefault;
    m_cyGripper = bHasGripper ? kGripperSize : 0;
    LPCWSTR wndClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    DWORD style = (dwStyle & ~CBRS_ALL) | WS_CLIPCHILDREN;
    return CWnd::Create(wndClass, lpszWindowName, style, CRect(0, 0, 0, 0), pParentWnd, nID);
}

int CSizingControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_bDragShowContent = dragFullWindows();
    m_arrBars.Add(this);
    return 0;
}

BOOL CSizingControlBar::DestroyWindow()
{
    leaveBarList();
    return CControlBar::DestroyWindow();
}

void CSizingControlBar::OnNcDestroy()
{
    leaveBarList();
    CControlBar::OnNcDestroy();
}

void CSizingControlBar::refreshDockBarId()
{
    HWND parent = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    m_nDockBarID = parent ? UINT(::GetDlgCtrlID(parent)) : 0;
}

BOOL CSizingControlBar::IsFloating() const
{
    return !IsHorzDocked() && !IsVertDocked();
}

BOOL CSizingControlBar::IsHorzDocked() const
{
    return m_nDockBarID == AFX_IDW_DOCKBAR_TOP || m_nDockBarID == AFX_IDW_DOCKBAR_BOTTOM;
}

BOOL CSizingControlBar::IsVertDocked() const
{
    return m_nDockBarID == AFX_IDW_DOCKBAR_LEFT || m_nDockBarID == AFX_IDW_DOCKBAR_RIGHT;
}

// The drag runs along the row.
BOOL CSizingControlBar::IsSideTracking() const
{
    return (m_htEdge == HTLEFT || m_htEdge == HTRIGHT) ? IsHorzDocked() : IsVertDocked();
}

void CSizingControlBar::GlobalLoadState(LPCWSTR lpszProfileName)
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        m_arrBars[i]->LoadState(lpszProfileName);
}

void CSizingControlBar::GlobalSaveState(LPCWSTR lpszProfileName)
{
    for (INT_PTR i = 0; i < m_arrBars.GetSize(); ++i)
        m_arrBars[i]->SaveState(lpszProfileName);
}

namespace {

CString stateSection(LPCWSTR profile, int id)
{
    CString section;
    section.Format(L"%ls-SCBar-%d", profile, id);
    return section;
}

const wchar_t* const kSizeKeys[6] = {L"sizeHorzCX", L"sizeHorzCY",  L"sizeVertCX",
                                     L"sizeVertCY", L"sizeFloatCX", L"sizeFloatCY"};

} // namespace

void CSizingControlBar::LoadState(LPCWSTR lpszProfileName)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    CString section = stateSection(lpszProfileName, GetDlgCtrlID());
    CSize* sizes[3] = {&m_szHorz, &m_szVert, &m_szFloat};
    for (int i = 0; i < 3; ++i) {
        int cx = int(app->GetProfileInt(section, kSizeKeys[2 * i], sizes[i]->cx));
        int cy = int(app->GetProfileInt(section, kSizeKeys[2 * i + 1], sizes[i]->cy));
        *sizes[i] = CSize(std::max(cx, int(m_szMin.cx)), std::max(cy, int(m_szMin.cy)));
    }
}

void CSizingControlBar::SaveState(LPCWSTR lpszProfileName)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    CString section = stateSection(lpszProfileName, GetDlgCtrlID());
    const CSize* sizes[3] = {&m_szHorz, &m_szVert, &m_szFloat};
    for (int i = 0; i < 3; ++i) {
        app->WriteProfileInt(section, kSizeKeys[2 * i], sizes[i]->cx);
        app->WriteProfileInt(section, kSizeKeys[2 * i + 1], sizes[i]->cy);
    }
}

// Layout ------------------------------------------------------------------

void CSizingControlBar::GetRowInfo(int& nFirst, int& nLast, int& nThis)
{
    const CPtrArray& entries = m_pDockBar->m_arrBars;
    nThis = m_pDockBar->FindBar(this);
    nFirst = 0;
    for (int i = nThis - 1; i >= 0; --i)
        if (!entries[i]) {
            nFirst = i + 1;
            break;
        }
    nLast = int(entries.GetSize()) - 1;
    for (int i = nThis + 1; i < entries.GetSize(); ++i)
        if (!entries[i]) {
            nLast = i - 1;
            break;
        }
}

void CSizingControlBar::GetRowSizingBars(CSCBArray& arrSCBars)
{
    arrSCBars.RemoveAll();
    if (!m_pDockBar || m_pDockBar->FindBar(this) < 0)
        return;
    int nFirst, nLast, nThis;
    GetRowInfo(nFirst, nLast, nThis);
    for (int i = nFirst; i <= nLast; ++i) {
        void* entry = m_pDockBar->m_arrBars[i];
        if (!isBarEntry(entry))
            continue;
        auto* bar = static_cast<CControlBar*>(entry);
        if (bar->IsVisible() && FindSizingBar(bar) >= 0)
            arrSCBars.Add(static_cast<CSizingControlBar*>(bar));
    }
}

CSize CSizingControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (bStretch)
        return bHorz ? CSize(32767, m_szHorz.cy) : CSize(m_szVert.cx, 32767);
    refreshDockBarId();
    CSCBArray row;
    GetRowSizingBars(row);
    if (m_pDockBar && row.GetSize() > 0) {
        AFX_SIZEPARENTPARAMS layout{};
        layout.hDWP = m_pDockBar->m_bLayoutQuery ? nullptr : ::BeginDeferWindowPos(int(row.GetSize()));
        for (INT_PTR i = 0; i < row.GetSize(); ++i)
            row[i]->RecalcDelayShow(&layout);
        if (layout.hDWP)
            ::EndDeferWindowPos(layout.hDWP);

        CRect rect = m_pDockBar->m_rectLayout;
        if (rect.IsRectEmpty() && m_pDockSite)
            m_pDockSite->GetClientRect(&rect);
        int length = bHorz ? rect.Width() + 2 : rect.Height() - 2;
        if (IsVisible() && !IsFloating() && m_bParentSizing && row[0] == this &&
            NegociateSpace(length, bHorz))
            AlignControlBars();
    }
    m_bParentSizing = FALSE;
    CSize size = bHorz ? m_szHorz : m_szVert;
    return CSize(std::max(size.cx, m_szMin.cx), std::max(size.cy, m_szMin.cy));
}

CSize CSizingControlBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    if (nMode & (LM_HORZDOCK | LM_VERTDOCK)) {
        if (nLength == -1)
            m_bParentSizing = TRUE;
        return CControlBar::CalcDynamicLayout(nLength, nMode);
    }
    if (!(nMode & (LM_MRUWIDTH | LM_COMMIT))) {
        if (nMode & LM_LENGTHY)
            m_szFloat.cy = nLength;
        else
            m_szFloat.cx = nLength;
        m_szFloat.cx = std::max(m_szFloat.cx, m_szMin.cx);
        m_szFloat.cy = std::max(m_szFloat.cy, m_szMin.cy);
    }
    return m_szFloat;
}

void CSizingControlBar::moveToOwnRow()
{
    int nFirst, nLast, nThis;
    GetRowInfo(nFirst, nLast, nThis);
    CPtrArray& entries = m_pDockBar->m_arrBars;
    entries.InsertAt(nLast + 1, this);
    entries.InsertAt(nLast + 1, nullptr);
    entries.RemoveAt(nThis);
}

BOOL CSizingControlBar::NegociateSpace(int nLengthTotal, BOOL bHorz)
{
    int nFirst, nLast, nThis;
    GetRowInfo(nFirst, nLast, nThis);
    for (int i = nFirst; i <= nLast; ++i) {
        void* entry = m_pDockBar->m_arrBars[i];
        auto* bar = static_cast<CControlBar*>(entry);
        if (!isBarEntry(entry) || !bar->IsVisible() || FindSizingBar(bar) >= 0)
            continue;
        CRect rect;
        bar->GetWindowRect(&rect);
        nLengthTotal -= (bHorz ? rect.Width() : rect.Height()) - kOverlap;
    }

    CSCBArray row;
    GetRowSizingBars(row);
    int lengthActual = 0;
    int lengthMin = kOverlap;
    int thickness = 0;
    for (INT_PTR i = 0; i < row.GetSize(); ++i) {
        CSizingControlBar* bar = row[i];
        lengthMin += (bHorz ? bar->m_szMin.cx : bar->m_szMin.cy) - kOverlap;
        lengthActual += (bHorz ? bar->m_szHorz.cx : bar->m_szVert.cy) - kOverlap;
        thickness = std::max(thickness, int(bHorz ? bar->m_szHorz.cy : bar->m_szVert.cx));
    }
    if (nLengthTotal < lengthMin) {
        if (row.GetSize() > 1)
            moveToOwnRow();
        return FALSE;
    }
    for (INT_PTR i = 0; i < row.GetSize(); ++i)
        (bHorz ? row[i]->m_szHorz.cy : row[i]->m_szVert.cx) = thickness;
    if (nLengthTotal != lengthActual)
        shareOut(row, nLengthTotal - lengthActual, bHorz);
    return TRUE;
}

// One pixel at a time to every bar that takes part, until the difference is
// used up or a pass changes nothing while no bar kept its size (then nobody
// can give any more: a row of bars at their minimum).
void CSizingControlBar::shareOut(const CSCBArray& row, int nDelta, BOOL bHorz)
{
    while (nDelta != 0) {
        int before = nDelta;
        bool anyKept = false;
        for (INT_PTR i = 0; i < row.GetSize() && nDelta != 0; ++i) {
            CSizingControlBar* bar = row[i];
            if (bar->m_bKeepSize) {
                anyKept = true;
                continue;
            }
            LONG& length = bHorz ? bar->m_szHorz.cx : bar->m_szVert.cy;
            LONG minimum = bHorz ? bar->m_szMin.cx : bar->m_szMin.cy;
            if (length <= minimum && nDelta < 0)
                continue;
            int step = nDelta > 0 ? 1 : -1;
            length += step;
            nDelta -= step;
        }
        if (nDelta == 0 || nDelta == before)
            for (INT_PTR i = 0; i < row.GetSize(); ++i)
                row[i]->m_bKeepSize = FALSE;
        if (nDelta == before && !anyKept)
            break;
    }
}

void CSizingControlBar::AlignControlBars()
{
    int nFirst, nLast, nThis;
    GetRowInfo(nFirst, nLast, nThis);
    BOOL horz = IsHorzDocked();
    bool moved = false;
    int position = horz ? -kOverlap : 0;
    CRect dock;
    m_pDockBar->GetWindowRect(&dock);
    for (int i = nFirst; i <= nLast; ++i) {
        void* entry = m_pDockBar->m_arrBars[i];
        auto* bar = static_cast<CControlBar*>(entry);
        if (!isBarEntry(entry) || !bar->IsVisible())
            continue;
        CRect rect;
        bar->GetWindowRect(&rect);
        rect.OffsetRect(-dock.left, -dock.top);
        if (FindSizingBar(bar) >= 0) {
            auto* sizing = static_cast<CSizingControlBar*>(bar);
            rect = CRect(rect.TopLeft(), horz ? sizing->m_szHorz : sizing->m_szVert);
        }
        if ((horz ? rect.left : rect.top) != position) {
            if (!horz)
                rect.OffsetRect(0, position - rect.top - 2);
            else
                rect.OffsetRect(position - rect.left, m_nDockBarID == AFX_IDW_DOCKBAR_TOP ? -2 : 0);
            bar->MoveWindow(&rect);
            moved = true;
        }
        position += (horz ? rect.Width() : rect.Height()) - kOverlap;
    }
    if (moved && m_pDockSite)
        m_pDockSite->RecalcLayout();
}
