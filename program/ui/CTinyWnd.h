#pragma once

#include <windows.h>

// A minimal window of the program's own, without the application framework:
// one shared window procedure for every class it registers, a registry of
// the live windows and virtual handlers for the messages it cares about.
class CTinyWnd
{
public:
    CTinyWnd();
    CTinyWnd(const CTinyWnd&) = delete;
    CTinyWnd& operator=(const CTinyWnd&) = delete;
    // Destroys the window. A derived class whose handlers must see its
    // WM_DESTROY closes the window in its own destructor.
    virtual ~CTinyWnd();

    virtual bool create(LPCWSTR className, LPCWSTR windowName, DWORD style, HWND parent, DWORD exStyle);
    // A layered window of `alphaPercent` opacity; `clearStyle` sets its style
    // to 0, `place` puts it topmost at `rect`, shown when `showIt`.
    virtual bool createLayered(LPCWSTR className, LPCWSTR windowName, int alphaPercent, bool clearStyle,
                               bool place, DWORD style, HWND parent, const RECT& rect, bool showIt,
                               DWORD exStyle);
    // Calls the handler of the current message; true when it was handled.
    virtual bool dispatch();

    virtual bool onCreate() { return false; }
    virtual bool onDestroy() { return false; }
    virtual bool onMouse(UINT, WPARAM, int, int) { return false; }
    virtual bool onKey(UINT, WPARAM, LPARAM) { return false; }
    virtual bool onSize(int, int) { return false; }
    virtual bool onHScroll(HWND, int, int) { return false; }
    virtual bool onVScroll(HWND, int, int) { return false; }
    virtual bool onEraseBkgnd(WPARAM) { return false; }
    virtual bool onPaint(WPARAM) { return false; }
    virtual bool onTimer(UINT_PTR) { return false; }

    bool getClientRect(RECT& rect) const;
    void show(int command);
    void invalidate(const RECT* rect, bool erase);
    // Destroys the window now (its handlers still run) and leaves the registry.
    void close();

    // False when the class can't be registered (an existing class of that name may still serve).
    static bool registerClass(HINSTANCE instance, LPCWSTR className, HICON icon, HICON smallIcon,
                              HCURSOR cursor, LPCWSTR menuName, HBRUSH background);
    // The window procedure of every tiny-window class.
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The object of a live window, or null.
    static CTinyWnd* fromHandle(HWND hwnd);

    HINSTANCE m_hInstance = nullptr;
    HWND m_hWnd = nullptr;
    HWND m_msgWnd = nullptr;
    UINT m_message = 0;
    WPARAM m_wParam = 0;
    LPARAM m_lParam = 0;
    int m_reserved = 0;
    HWND m_parent = nullptr;

private:
    bool makeWindow(LPCWSTR className, LPCWSTR windowName, DWORD style, HWND parent, DWORD exStyle);
    // A window destroyed from outside (with its owner) leaves the registry too.
    void forget();
};
