#pragma once

#include <windows.h>

#include <cstddef>

// A check box that stands for one bit of a settings flag byte, with the name
// its click handler reports errors under. A dialog keeps a table of them, in
// the order of its check values, and one handler for all.
struct FlagCheck
{
    UINT id;
    unsigned bit;
    const wchar_t* handler;
};

// The row of `table` for control `id`; -1 when no row has it.
template <size_t N> int flagCheckIndex(const FlagCheck (&table)[N], UINT id)
{
    for (size_t i = 0; i < N; ++i)
        if (table[i].id == id)
            return static_cast<int>(i);
    return -1;
}

// Each check value from its bit of `flags`.
template <size_t N> void checksFromFlags(const FlagCheck (&table)[N], unsigned flags, int (&checks)[N])
{
    for (size_t i = 0; i < N; ++i)
        checks[i] = (flags & table[i].bit) != 0;
}
