#include "CWnd.h"

#include "CFrameWnd.h"
#include "WfxHandleMap.h"
#include "WfxInternal.h"

#include <IError.h>

#include <cwchar>
#include <map>
#include <mutex>
#include <tuple>
#include <vector>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

namespace {

WfxHandleMap<HWND, CWnd>& windowMap()
{
    static WfxHandleMap<HWND, CWnd> map(&CWnd::m_hWnd);
    return map;
}

bool isImeWindow(HWND hWnd)
{
    wchar_t name[32] = {};
    GetClassNameW(hWnd, name, 32);
    return _wcsicmp(name, L"IME") == 0 || _wcsicmp(name, L"MSCTFIME UI") == 0;
}

const int kStyleIndexes[2] = {GWL_STYLE, GWL_EXSTYLE};

void readStyles(HWND hWnd, LONG_PTR* styles)
{
    for (int i = 0; i < 2; ++i)
        styles[i] = GetWindowLongPtrW(hWnd, kStyleIndexes[i]);
}

// What changed of the styles since `before`.
WfxStyleChange styleChangeSince(HWND hWnd, const LONG_PTR* before)
{
    LONG_PTR after[2];
    readStyles(hWnd, after);
    WfxStyleChange change{hWnd, {}, {}};
    for (int i = 0; i < 2; ++i) {
        change.added[i] = after[i] & ~before[i];
        change.removed[i] = before[i] & ~after[i];
    }
    return change;
}

} // namespace

WfxThreadState& wfxThreadState()
{
    static thread_local WfxThreadState state{};
    return state;
}

void WfxCreationHook::arm(CWnd* wnd)
{
    WfxThreadState& ts = wfxThreadState();
    if (!ts.creationHook)
        ts.creationHook = SetWindowsHookExW(WH_CBT, procedure, nullptr, GetCurrentThreadId());
    ts.wndInit = wnd;
}

bool WfxCreationHook::disarm()
{
    WfxThreadState& ts = wfxThreadState();
    if (ts.creationHook) {
        UnhookWindowsHookEx(ts.creationHook);
        ts.creationHook = nullptr;
    }
    bool taken = ts.wndInit == nullptr;
    ts.wndInit = nullptr;
    ts.styleChange.hWnd = nullptr;
    return taken;
}

LRESULT CALLBACK WfxCreationHook::procedure(int code, WPARAM wParam, LPARAM lParam)
{
    WfxThreadState& ts = wfxThreadState();
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND && ts.wndInit && !isImeWindow(hWnd)) {
        CWnd* wnd = ts.wndInit;
        ts.wndInit = nullptr;
        LONG_PTR before[2];
        readStyles(hWnd, before);
        wnd->takeOverWindow(hWnd);
        ts.styleChange = styleChangeSince(hWnd, before);
    }
    return CallNextHookEx(ts.creationHook, code, wParam, lParam);
}

void WfxCreationHook::keepStyleChange(HWND hWnd)
{
    WfxStyleChange& change = wfxThreadState().styleChange;
    if (change.hWnd != hWnd)
        return;
    change.hWnd = nullptr;
    for (int i = 0; i < 2; ++i) {
        LONG_PTR style = GetWindowLongPtrW(hWnd, kStyleIndexes[i]);
        LONG_PTR kept = (style & ~change.removed[i]) | change.added[i];
        if (kept != style)
            SetWindowLongPtrW(hWnd, kStyleIndexes[i], kept);
    }
}

WfxLifeWatch::WfxLifeWatch(CWnd* wnd) : m_wnd(wnd), m_outer(wfxThreadState().watches)
{
    wfxThreadState().watches = this;
}

WfxLifeWatch::~WfxLifeWatch()
{
    wfxThreadState().watches = m_outer;
}

void WfxLifeWatch::objectDeleted(CWnd* wnd)
{
    for (WfxLifeWatch* w = wfxThreadState().watches; w; w = w->m_outer)
        if (w->m_wnd == wnd)
            w->m_wnd = nullptr;
}

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    WfxLifeWatch::objectDeleted(this);
    for (ProcFrame* f = m_pFrames; f; f = f->outer)
        f->alive = false;
    m_pFrames = nullptr;
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        HWND hWnd = m_hWnd;
        ::DestroyWindow(hWnd);
        if (m_hWnd == hWnd)
            forgetWindow(hWnd);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? windowMap().permanent(hWnd) : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return windowMap().fromHandle(hWnd);
}

void CWnd::DeleteTempMap()
{
    windowMap().deleteTemporary();
}

// Each step of a walk over the window tree is a round trip to the window
// server under Wine; the handler tables are in this process.
void wfxSendToHandlingDescendants(HWND ancestor, UINT message, WPARAM wParam)
{
    static thread_local std::map<std::pair<const WfxMsgMap*, UINT>, bool> takes;
    std::vector<HWND> targets;
    windowMap().forEachPermanent([&](CWnd* wnd) {
        const WfxMsgMap* map = static_cast<const CCmdTarget*>(wnd)->GetMessageMap();
        auto known = takes.find({map, message});
        if (known == takes.end())
            known =
                takes.emplace(std::make_pair(map, message), wnd->FindMessageEntry(message, 0, 0) != nullptr)
                    .first;
        if (known->second && wnd->m_hWnd && ::IsChild(ancestor, wnd->m_hWnd))
            targets.push_back(wnd->m_hWnd);
    });
    for (HWND target : targets)
        if (::IsWindow(target))
            ::SendMessageW(target, message, wParam, 0);
}

CWnd* WfxWndFromHandle(HWND hWnd)
{
    return CWnd::FromHandle(hWnd);
}

BOOL CWnd::Attach(HWND hWnd)
{
    return windowMap().attach(this, hWnd);
}

HWND CWnd::Detach()
{
    return windowMap().detach(this);
}

void CWnd::installProcedure(HWND hWnd)
{
    WNDPROC old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::windowProcedure)));
    if (old == &CWnd::windowProcedure) {
        m_pfnSuper = reinterpret_cast<WNDPROC>(GetPropW(hWnd, kWfxSuperProcProp));
        return;
    }
    m_pfnSuper = old;
    SetPropW(hWnd, kWfxSuperProcProp, reinterpret_cast<HANDLE>(old));
}

void CWnd::takeOverWindow(HWND hWnd)
{
    windowMap().replacePermanent(hWnd, this);
    m_hWnd = hWnd;
    try {
        PreSubclassWindow();
    } catch (IError* error) {
        wfxReportError(error);
    } catch (...) {
        wfxReportFailure(L"PreSubclassWindow");
    }
    installProcedure(hWnd);
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    installProcedure(hWnd);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND item = pParent ? ::GetDlgItem(pParent->m_hWnd, int(nID)) : nullptr;
    return item ? SubclassWindow(item) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (!m_hWnd)
        return nullptr;
    if (m_pfnSuper) {
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        RemovePropW(m_hWnd, kWfxSuperProcProp);
        m_pfnSuper = nullptr;
    }
    return Detach();
}

void CWnd::forgetWindow(HWND hWnd)
{
    windowMap().removePermanent(hWnd, this);
    RemovePropW(hWnd, kWfxSuperProcProp);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTW& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return TRUE;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

BOOL CWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    HMENU idOrMenu = (dwStyle & WS_CHILD) ? reinterpret_cast<HMENU>(UINT_PTR(nID)) : nullptr;
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    idOrMenu, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, int x,
                    int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd)
        return FALSE;
    CREATESTRUCTW cs{lpParam,
                     GetModuleHandleW(nullptr),
                     nIDorHMenu,
                     hWndParent,
                     nHeight,
                     nWidth,
                     y,
                     x,
                     LONG(dwStyle),
                     lpszWindowName,
                     lpszClassName,
                     dwExStyle};
    if (!PreCreateWindow(cs))
        return FALSE;
    wfxInitCommonControls();
    WfxCreationHook::arm(this);
    HWND hWnd = CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, DWORD(cs.style), cs.x, cs.y, cs.cx,
                                cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    bool taken = WfxCreationHook::disarm();
    if (!hWnd)
        return FALSE; // the object may be gone (PostNcDestroy) when creation failed late
    if (!taken)
        SubclassWindow(hWnd);
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    HWND hWnd = m_hWnd;
    if (!hWnd)
        return FALSE;
    bool ownProcedure = m_pfnSuper != nullptr;
    BOOL ok = ::DestroyWindow(hWnd);
    // A window only attached never reports WM_NCDESTROY to the object.
    if (!ownProcedure && m_hWnd == hWnd)
        Detach();
    return ok;
}

BOOL CWnd::IsFrameWnd() const
{
    return FALSE;
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (HWND h = m_hWnd ? ::GetParent(m_hWnd) : nullptr; h; h = ::GetParent(h)) {
        CWnd* wnd = FromHandlePermanent(h);
        if (wnd && wnd->IsFrameWnd())
            return static_cast<CFrameWnd*>(wnd);
    }
    return nullptr;
}

LPCWSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::mutex lock;
    static std::map<std::tuple<UINT, HCURSOR, HBRUSH, HICON>, std::wstring> names;
    std::lock_guard<std::mutex> guard(lock);
    auto key = std::make_tuple(nClassStyle, hCursor, hbrBackground, hIcon);
    auto it = names.find(key);
    if (it != names.end())
        return it->second.c_str();
    wchar_t name[96];
    swprintf(name, 96, L"Wfx:%x:%p:%p:%p", nClassStyle, static_cast<void*>(hCursor),
             static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    WNDCLASSW wc{};
    wc.style = nClassStyle | CS_GLOBALCLASS;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = wfxModule();
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = name;
    if (!RegisterClassW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return L"";
    return names.emplace(key, name).first->second.c_str();
}

void wfxInitCommonControls()
{
    static const BOOL done = [] {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        return InitCommonControlsEx(&icc);
    }();
    (void)done;
}
