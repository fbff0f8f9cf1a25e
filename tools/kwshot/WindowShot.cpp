#include "WindowShot.h"

#include <gdiplus.h>

#include <vector>

namespace windowshot {

namespace {

struct Search
{
    DWORD pid;
    const wchar_t* caption;
    bool dialog;
    HWND found;
};

bool isDialogBox(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return wcscmp(name, L"#32770") == 0;
}

BOOL CALLBACK matchTopLevel(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if ((search->pid && pid != search->pid) || !IsWindowVisible(window) ||
        isDialogBox(window) != search->dialog || windowText(window) != search->caption)
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND findTopLevel(const wchar_t* caption, bool dialog, DWORD pid)
{
    Search search{pid, caption, dialog, nullptr};
    EnumWindows(matchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct ChildSearch
{
    int id;
    HWND found;
};

BOOL CALLBACK matchChild(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<ChildSearch*>(param);
    if (GetDlgCtrlID(window) != search->id)
        return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK collectStatic(HWND window, LPARAM param)
{
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (_wcsicmp(name, L"Static") == 0 && !windowText(window).empty()) {
        auto* text = reinterpret_cast<std::wstring*>(param);
        *text += (text->empty() ? L"" : L"\n") + windowText(window);
    }
    return TRUE;
}

bool pngEncoder(CLSID& clsid)
{
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    std::vector<BYTE> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (!size || Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i) {
        if (wcscmp(codecs[i].MimeType, L"image/png") == 0) {
            clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

} // namespace

HWND findMainWindow(DWORD pid)
{
    return findTopLevel(L"Kestrelwave", false, pid);
}

HWND findDialogBox(const wchar_t* caption, DWORD pid)
{
    return findTopLevel(caption, true, pid);
}

HWND findDescendant(HWND parent, int id)
{
    ChildSearch search{id, nullptr};
    EnumChildWindows(parent, matchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring windowText(HWND window)
{
    wchar_t text[512] = {};
    // WM_GETTEXT answers across processes where GetWindowText would not.
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    return text;
}

std::wstring dialogText(HWND dialog)
{
    std::wstring text;
    EnumChildWindows(dialog, collectStatic, reinterpret_cast<LPARAM>(&text));
    return text;
}

bool savePng(HWND window, const std::wstring& path)
{
    RECT r;
    if (!GetWindowRect(window, &r) || r.right <= r.left || r.bottom <= r.top)
        return false;
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    bool saved = false;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) {
        CLSID clsid;
        {
            Gdiplus::Bitmap image(bitmap, nullptr);
            saved = pngEncoder(clsid) && image.Save(path.c_str(), &clsid, nullptr) == Gdiplus::Ok;
        }
        Gdiplus::GdiplusShutdown(token);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

} // namespace windowshot
