#include "IOwnFontCtrl.h"

IOwnFontCtrl::~IOwnFontCtrl() = default;

BOOL IOwnFontCtrl::recreateFont(CFont& font, const LOGFONTW& logFont, CWnd* container)
{
    HFONT made = CreateFontIndirectW(&logFont);
    if (!made)
        return FALSE;
    HGDIOBJ old = font.Detach();
    font.Attach(made);
    if (!old)
        return TRUE;
    if (container && container->m_hWnd) {
        for (HWND child = ::GetWindow(container->m_hWnd, GW_CHILD); child;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (reinterpret_cast<HGDIOBJ>(::SendMessageW(child, WM_GETFONT, 0, 0)) == old)
                ::SendMessageW(child, WM_SETFONT, WPARAM(made), TRUE);
        }
    }
    DeleteObject(old);
    return TRUE;
}
