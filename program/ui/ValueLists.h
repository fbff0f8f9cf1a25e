#pragma once

#include "CStrValueCmbBox.h"
#include "CValueCmbBox.h"

#include <windows.h>

// Filling the pages' value lists.

// Appends first, first + step, ... up to `last` inclusive. Each item is
// first + i x step, so the last value is always there and no error
// accumulates from one item to the next.
void addValueRange(CValueCmbBox& box, int precision, double first, double last, double step);

// Rebuilds a list (CValueCmbBox or CStrValueCmbBox) by `fill`, keeping the
// selected index, or selecting the first item when none was selected or the
// selected item is gone (a list shrunk by hidden features), so the list is
// never left without a selection.
template <class Box, class Fill> void rebuildList(Box& box, Fill fill)
{
    const int selected = box.GetCurSel();
    box.resetContent();
    fill();
    box.SetCurSel(selected == CB_ERR || selected >= box.GetCount() ? 0 : selected);
}

// One item of a list of named numbers.
struct NamedValue
{
    int value;
    const wchar_t* text;
};
// Rebuilds `list` from `items` as rebuildList does, each text translated
// when `translated`.
void fillNamed(CStrValueCmbBox& list, const NamedValue* items, size_t count, bool translated = true);
