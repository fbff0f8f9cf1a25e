#pragma once

// The value range of a numeric field of a masked edit.
struct SRange
{
    int minimum;
    int maximum;

    SRange(int mn, int mx) : minimum(mn), maximum(mx) {}
};
