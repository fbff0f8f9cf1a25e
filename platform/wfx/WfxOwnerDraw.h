#pragma once

// Internal: sends the owner-draw messages a parent reflected to a control to
// the control's DrawItem and (when it has one) MeasureItem.

#include "CWnd.h"

namespace wfx {

template <class Control>
auto measure(Control& control, LPMEASUREITEMSTRUCT item, int) -> decltype(control.MeasureItem(item))
{
    control.MeasureItem(item);
}

template <class Control> void measure(Control&, LPMEASUREITEMSTRUCT, long) {}

template <class Control>
BOOL ownerDrawNotify(Control& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_DRAWITEM)
        control.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    else if (message == WM_MEASUREITEM)
        measure(control, reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam), 0);
    else
        return control.CWnd::OnChildNotify(message, wParam, lParam, pResult);
    if (pResult)
        *pResult = TRUE;
    return TRUE;
}

} // namespace wfx
