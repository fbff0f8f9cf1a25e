#pragma once

// The value range of a numeric field and the field's character positions.

struct SRange
{
    int minimum;
    int maximum;

    SRange(int mn, int mx) : minimum(mn), maximum(mx) {}
};

struct SSection
{
    unsigned first;
    unsigned last;
    SRange range;

    SSection() : first(0), last(0), range(0, 0) {}
    SSection(unsigned f, unsigned l, const SRange& r) : first(f), last(l), range(r) {}
    SSection(unsigned f, unsigned l, int mn, int mx) : first(f), last(l), range(mn, mx) {}
};
