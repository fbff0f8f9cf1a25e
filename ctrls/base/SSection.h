#pragma once

#include "SRange.h"

// A numeric field of a masked edit: its character positions and its range.
struct SSection
{
    unsigned first;
    unsigned last;
    SRange range;

    SSection() : first(0), last(0), range(0, 0) {}
    SSection(unsigned f, unsigned l, const SRange& r) : first(f), last(l), range(r) {}
    SSection(unsigned f, unsigned l, int mn, int mx) : first(f), last(l), range(mn, mx) {}
};
