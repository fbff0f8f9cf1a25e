#include "TextFit.h"

#include <CGDIpGradientButton.h>
#include <CGDIpGradientComboBox.h>
#include <CGDIpGradientEdit.h>
#include <CGDIpStatic.h>
#include <CImageCheckBox.h>
#include <Wfx.h>

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kwtest {

namespace {

std::string utf8(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), &out[0], n, nullptr, nullptr);
    return out;
}

std::wstring textOf(HWND window)
{
    std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(window, &text[0], int(text.size()))));
    return text;
}

std::wstring win32Class(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// The program's class name where the framework knows one.
std::string className(HWND window)
{
    if (CWnd* object = CWnd::FromHandlePermanent(window))
        if (CRuntimeClass* type = object->GetRuntimeClass())
            if (type->m_lpszClassName && std::string(type->m_lpszClassName) != "CWnd")
                return type->m_lpszClassName;
    return utf8(win32Class(window));
}

std::string controlName(HWND window)
{
    return className(window) + " " + std::to_string(GetDlgCtrlID(window));
}

HFONT fontOf(HWND window)
{
    auto* own = dynamic_cast<IOwnFontCtrl*>(CWnd::FromHandlePermanent(window));
    if (own && own->m_font && own->m_font->m_hObject)
        return HFONT(own->m_font->m_hObject);
    if (HFONT font = HFONT(SendMessageW(window, WM_GETFONT, 0, 0)))
        return font;
    return HFONT(GetStockObject(SYSTEM_FONT));
}

// A text and the room its control draws it in. `wrap`: broken into lines
// at the room's width. `width` may be narrower than the rectangle where
// something else (a drop-down arrow) takes part of it.
struct TextRoom
{
    std::wstring what; // "" or the part of the control, e.g. "item 3"
    std::wstring text;
    HFONT font;
    int width;
    int height;
    bool wrap = false;
};

// The rows of a text's character cell that its glyphs ink, drawn in
// `font` on a white bitmap.
struct Ink
{
    int top;
    int bottom; // one past the last inked row
};

Ink inkOf(HDC dc, const std::wstring& text, int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HGDIOBJ oldFont = SelectObject(memory, GetCurrentObject(dc, OBJ_FONT));
    PatBlt(memory, 0, 0, width, height, WHITENESS);
    SetBkMode(memory, TRANSPARENT);
    TextOutW(memory, 0, 0, text.c_str(), int(text.size()));
    GdiFlush();
    Ink ink{height, 0};
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if ((pixels[size_t(y) * size_t(width) + size_t(x)] & 0xFFFFFF) != 0xFFFFFF) {
                ink.top = std::min(ink.top, y);
                ink.bottom = y + 1;
                break;
            }
    SelectObject(memory, oldFont);
    SelectObject(memory, oldBitmap);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return ink;
}

// The width a text takes and the height of its ink; a wrapped text is
// measured at the room's width and inks down to its last line.
SIZE extentOf(const TextRoom& room, int& cellTop)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, room.font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SIZE line{};
    GetTextExtentPoint32W(dc, room.text.c_str(), int(room.text.size()), &line);
    const Ink ink =
        inkOf(dc, room.text, std::max(1L, line.cx + tm.tmOverhang + tm.tmMaxCharWidth / 2), tm.tmHeight);
    SIZE size{line.cx, ink.bottom - ink.top};
    // Single lines are drawn centred in the room's height, wrapped ones
    // from its top.
    cellTop = (room.height - tm.tmHeight) / 2 + ink.top;
    if (room.wrap) {
        RECT r{0, 0, std::max(1, room.width), 0};
        DrawTextW(dc, room.text.c_str(), int(room.text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        size.cx = r.right - r.left;
        size.cy = r.bottom - r.top - tm.tmHeight + ink.bottom - ink.top;
        cellTop = ink.top;
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size;
}

TextRoom roomIn(const RECT& r, const std::wstring& text, HFONT font)
{
    return TextRoom{L"", text, font, int(r.right - r.left), int(r.bottom - r.top)};
}

// A centred value of a drawn list ends where the button part begins.
TextRoom comboItemRoom(CGDIpGradientComboBox& combo, int item, HFONT font)
{
    CString text;
    combo.GetLBText(item, text);
    const CRect value = combo.valueRect();
    const int free = std::min(int(value.right), combo.buttonPartLeft()) - value.left;
    int width = free;
    if (combo.m_textFormat & DT_CENTER) {
        const int middle = (value.left + value.right) / 2;
        width = 2 * std::min(middle - int(value.left), int(value.left) + free - middle);
    }
    TextRoom room{L"item " + std::to_wstring(item), std::wstring(text), font, width, value.Height()};
    return room;
}

void plainStaticRooms(HWND window, HFONT font, std::vector<TextRoom>& rooms)
{
    const DWORD style = DWORD(GetWindowLongPtrW(window, GWL_STYLE));
    const DWORD type = style & SS_TYPEMASK;
    if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP &&
        type != SS_SIMPLE)
        return;
    RECT client;
    GetClientRect(window, &client);
    TextRoom room = roomIn(client, textOf(window), font);
    room.wrap = type <= SS_RIGHT && !(style & SS_CENTERIMAGE);
    rooms.push_back(room);
}

void plainButtonRooms(HWND window, HFONT font, std::vector<TextRoom>& rooms)
{
    const DWORD type = DWORD(GetWindowLongPtrW(window, GWL_STYLE)) & BS_TYPEMASK;
    RECT client;
    GetClientRect(window, &client);
    TextRoom room = roomIn(client, textOf(window), font);
    switch (type) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        room.width -= 8;
        break;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
        room.width -= GetSystemMetrics(SM_CXMENUCHECK) + 4;
        break;
    case BS_GROUPBOX:
        room.width -= 16;
        break;
    default:
        return;
    }
    rooms.push_back(room);
}

void plainComboRooms(HWND window, HFONT font, std::vector<TextRoom>& rooms)
{
    RECT client;
    GetClientRect(window, &client);
    const int count = int(SendMessageW(window, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring text(size_t(SendMessageW(window, CB_GETLBTEXTLEN, WPARAM(i), 0)) + 1, L'\0');
        text.resize(size_t(SendMessageW(window, CB_GETLBTEXT, WPARAM(i), LPARAM(&text[0]))));
        TextRoom room = roomIn(client, text, font);
        room.what = L"item " + std::to_wstring(i);
        room.width -= GetSystemMetrics(SM_CXVSCROLL) + 6;
        rooms.push_back(room);
    }
}

// The texts a control shows and the room for each.
std::vector<TextRoom> textRooms(HWND window)
{
    std::vector<TextRoom> rooms;
    CWnd* object = CWnd::FromHandlePermanent(window);
    const HFONT font = fontOf(window);
    RECT client;
    GetClientRect(window, &client);
    if (auto* combo = dynamic_cast<CGDIpGradientComboBox*>(object)) {
        for (int i = 0; i < combo->GetCount(); ++i)
            rooms.push_back(comboItemRoom(*combo, i, font));
    } else if (auto* edit = dynamic_cast<CGDIpGradientEdit*>(object)) {
        const CRect r = edit->textRect();
        rooms.push_back(roomIn(r, std::wstring(edit->GetWindowTextW()), font));
    } else if (auto* box = dynamic_cast<CImageCheckBox*>(object)) {
        rooms.push_back(roomIn(box->captionRect(), std::wstring(box->caption()), font));
    } else if (auto* button = dynamic_cast<CGDIpGradientButton*>(object)) {
        const CRect r = button->textRect();
        if (!r.IsRectEmpty() && button->m_textAngle == 0)
            rooms.push_back(roomIn(r, textOf(window), font));
    } else if (auto* drawn = dynamic_cast<CGDIpStatic*>(object)) {
        TextRoom room = roomIn(client, textOf(window), font);
        room.wrap = (drawn->m_format & DT_WORDBREAK) != 0;
        rooms.push_back(room);
    } else if (!object || !dynamic_cast<ITransparentCtrl*>(object)) {
        const std::wstring type = win32Class(window);
        if (_wcsicmp(type.c_str(), L"Static") == 0)
            plainStaticRooms(window, font, rooms);
        else if (_wcsicmp(type.c_str(), L"Button") == 0)
            plainButtonRooms(window, font, rooms);
        else if (_wcsicmp(type.c_str(), L"ComboBox") == 0)
            plainComboRooms(window, font, rooms);
    }
    return rooms;
}

COLORREF opaque(Gdiplus::ARGB colour)
{
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

std::string hex(COLORREF colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return text;
}

// A drawn button's text reads clearly on its body, hovered or not.
void checkButtonColours(HWND window, const std::string& where, std::vector<std::string>& faults)
{
    auto* button = dynamic_cast<CGDIpGradientButton*>(CWnd::FromHandlePermanent(window));
    if (!button || button->textRect().IsRectEmpty() || !button->m_drawGradient)
        return;
    for (COLORREF text : {button->m_textColor, button->m_hoverTextColor}) {
        for (Gdiplus::ARGB body : {button->m_gradientStart, button->m_gradientEnd}) {
            const double ratio = contrastRatio(text, opaque(body));
            if (ratio < 4.5)
                faults.push_back(where + ": " + controlName(window) + " text " + hex(text) + " on " +
                                 hex(opaque(body)) + " reads at " + std::to_string(ratio) + ":1");
        }
    }
}

std::string sizeText(long cx, long cy)
{
    return std::to_string(cx) + " x " + std::to_string(cy);
}

void checkTexts(HWND window, const std::string& where, std::vector<std::string>& faults)
{
    for (const TextRoom& room : textRooms(window)) {
        if (room.text.empty())
            continue;
        int inkTop = 0;
        const SIZE need = extentOf(room, inkTop);
        if (need.cx <= room.width && inkTop >= 0 && inkTop + need.cy <= room.height)
            continue;
        faults.push_back(where + ": " + controlName(window) +
                         (room.what.empty() ? "" : " " + utf8(room.what)) + " \"" + utf8(room.text) +
                         "\" needs " + sizeText(need.cx, need.cy) + " px, has " +
                         sizeText(room.width, room.height) + ", its ink from row " + std::to_string(inkTop));
    }
}

std::wstring treeItemText(HWND tree, HTREEITEM item)
{
    wchar_t text[256] = {};
    TVITEMW tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = text;
    tv.cchTextMax = 256;
    TreeView_GetItem(tree, &tv);
    return text;
}

// Every item of the unfolded tree lies whole in its client area.
void checkTree(HWND tree, const std::string& where, std::vector<std::string>& faults)
{
    const std::string name = where + ": " + controlName(tree);
    if (GetWindowLongPtrW(tree, GWL_STYLE) & WS_HSCROLL)
        faults.push_back(name + " scrolls sideways");
    RECT client;
    GetClientRect(tree, &client);
    for (HTREEITEM item = TreeView_GetRoot(tree); item; item = TreeView_GetNextVisible(tree, item)) {
        RECT r{};
        if (!TreeView_GetItemRect(tree, item, &r, TRUE))
            continue;
        if (r.left >= client.left && r.right <= client.right && r.top >= client.top &&
            r.bottom <= client.bottom)
            continue;
        faults.push_back(name + " item \"" + utf8(treeItemText(tree, item)) + "\" lies at " +
                         std::to_string(r.left) + ".." + std::to_string(r.right) + ", " +
                         std::to_string(r.top) + ".." + std::to_string(r.bottom) + ", the tree shows " +
                         sizeText(client.right, client.bottom));
    }
}

// Group boxes and frames hold other controls by design.
bool container(HWND window)
{
    const std::wstring type = win32Class(window);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (_wcsicmp(type.c_str(), L"Button") == 0 && (style & BS_TYPEMASK) == BS_GROUPBOX)
        return true;
    const LONG_PTR kind = style & SS_TYPEMASK;
    return _wcsicmp(type.c_str(), L"Static") == 0 && kind >= SS_BLACKRECT && kind <= SS_WHITEFRAME;
}

std::vector<HWND> visibleChildren(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        if (IsWindowVisible(child) && r.right > r.left && r.bottom > r.top)
            children.push_back(child);
    }
    return children;
}

void checkOverlaps(const std::vector<HWND>& children, const std::string& where,
                   std::vector<std::string>& faults)
{
    for (size_t i = 0; i < children.size(); ++i) {
        for (size_t j = i + 1; j < children.size(); ++j) {
            if (container(children[i]) || container(children[j]))
                continue;
            RECT a, b, both;
            GetWindowRect(children[i], &a);
            GetWindowRect(children[j], &b);
            if (IntersectRect(&both, &a, &b))
                faults.push_back(where + ": " + controlName(children[i]) + " and " +
                                 controlName(children[j]) + " overlap by " +
                                 sizeText(both.right - both.left, both.bottom - both.top) + " px");
        }
    }
}

// A control that reaches out of its window's client area is cut there.
void checkInside(HWND window, const std::vector<HWND>& children, const std::string& where,
                 std::vector<std::string>& faults)
{
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    for (HWND child : children) {
        RECT r, inside;
        GetWindowRect(child, &r);
        IntersectRect(&inside, &r, &client);
        if (!EqualRect(&inside, &r))
            faults.push_back(where + ": " + controlName(child) + " reaches out of " + controlName(window) +
                             " by " +
                             sizeText((r.right - r.left) - (inside.right - inside.left),
                                      (r.bottom - r.top) - (inside.bottom - inside.top)) +
                             " px");
    }
}

void walk(HWND window, const std::string& where, std::vector<std::string>& faults)
{
    const std::vector<HWND> children = visibleChildren(window);
    checkOverlaps(children, where, faults);
    checkInside(window, children, where, faults);
    for (HWND child : children) {
        if (_wcsicmp(win32Class(child).c_str(), WC_TREEVIEWW) == 0)
            checkTree(child, where, faults);
        else
            checkTexts(child, where, faults);
        checkButtonColours(child, where, faults);
        walk(child, where, faults);
    }
}

double luminance(COLORREF c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(GetRValue(c)) + 0.7152 * channel(GetGValue(c)) + 0.0722 * channel(GetBValue(c));
}

} // namespace

std::vector<std::string> layoutFaults(HWND window, const std::string& name)
{
    std::vector<std::string> faults;
    walk(window, name, faults);
    return faults;
}

double contrastRatio(COLORREF a, COLORREF b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace kwtest
