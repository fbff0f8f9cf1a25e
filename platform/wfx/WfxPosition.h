#pragma once

// Iteration positions over the framework's lists (templates, documents,
// views): null at the end, otherwise the next element's index plus one.

#include <cstddef>
#include <vector>

struct WfxPositionTag;
using POSITION = WfxPositionTag*;

template <class T> POSITION WfxPositionAt(const std::vector<T*>& list, std::size_t index)
{
    return index < list.size() ? reinterpret_cast<POSITION>(index + 1) : nullptr;
}

// The element at pos; pos moves on to the next one.
template <class T> T* WfxNextAt(const std::vector<T*>& list, POSITION& pos)
{
    std::size_t index = reinterpret_cast<std::size_t>(pos) - 1;
    if (!pos || index >= list.size()) {
        pos = nullptr;
        return nullptr;
    }
    pos = WfxPositionAt(list, index + 1);
    return list[index];
}
