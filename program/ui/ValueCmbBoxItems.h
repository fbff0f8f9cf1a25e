#pragma once

#include <CGDIpGradientComboBox.h>

#include <map>
#include <string>

// What the two value lists share: the items' numbers are kept in a map keyed
// by the index the list gave each text; items are only appended.
namespace valuecmbbox {

// Appends the text and, when the list took it, the item at its index.
template <class Item>
void append(CComboBox& box, std::map<int, Item>& items, const std::wstring& text, Item item)
{
    const int index = box.GetCount();
    if (box.AddString(text.c_str()) >= 0)
        items[index] = std::move(item);
}

// Selects the first item, by index, that `match` accepts; none leaves the selection alone.
template <class Item, class Match>
void selectFirst(CGDIpGradientComboBox& box, const std::map<int, Item>& items, Match match)
{
    for (const auto& entry : items) {
        if (match(entry.second)) {
            box.SetCurSel(entry.first);
            return;
        }
    }
}

// The selected item's rounded value; -1.0 when nothing is selected or the item has no entry.
template <class Item> double selectedValue(const CComboBox& box, const std::map<int, Item>& items)
{
    const int index = box.GetCurSel();
    if (index == CB_ERR)
        return -1.0;
    const auto it = items.find(index);
    return it == items.end() ? -1.0 : it->second.getRoundedValue();
}

template <class Item> int reset(CComboBox& box, std::map<int, Item>& items)
{
    items.clear();
    return int(box.SendMessage(CB_RESETCONTENT));
}

} // namespace valuecmbbox
