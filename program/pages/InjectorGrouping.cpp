#include "InjectorGrouping.h"

#include <Conversions.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
const uint8_t kNoPart = 0xFF;
} // namespace

Grouping groupingPattern(int type)
{
    switch (type) {
    case kHalfGroup:
        return {0x55, 0xAA, 0, 0, 0, 0, 0, 0};
    case kFullGroup:
        return {0xFF, 0, 0, 0, 0, 0, 0, 0};
    default:
        return {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80};
    }
}

const wchar_t* groupingName(int type)
{
    switch (type) {
    case kHalfGroup:
        return L"Half Group";
    case kFullGroup:
        return L"Full Group";
    default:
        return L"Sequence";
    }
}

uint8_t cylinderMask(int cylinders)
{
    return cylinders == 4 ? 0x0F : cylinders == 6 ? 0x3F : 0xFF;
}

int groupingOf(const uint8_t* configuration)
{
    for (int type : {kFullGroup, kHalfGroup})
        if (equalByCylinders(configuration, groupingPattern(type).data()))
            return type;
    return kSequence;
}

bool sameGrouping(const Grouping& a, const Grouping& b, int cylinders)
{
    const int n = std::clamp(cylinders, 0, 8);
    const uint8_t mask = static_cast<uint8_t>((1u << n) - 1);
    for (int i = 0; i < n; ++i)
        if ((a[i] & mask) != (b[i] & mask))
            return false;
    return true;
}

bool advanceOrder(const uint16_t* values, const Grouping& grouping, uint8_t active, Grouping& order)
{
    order.fill(kNoPart);
    std::vector<int> taking;
    for (int i = 0; i < 8; ++i)
        if (grouping[i] != 0 && (active & (1u << i)))
            taking.push_back(i);
    if (taking.empty())
        return false;
    std::stable_sort(taking.begin(), taking.end(), [&](int a, int b) { return values[a] < values[b]; });
    for (size_t k = 0; k < taking.size(); ++k)
        order[taking[k]] = static_cast<uint8_t>(taking[(k + 1) % taking.size()]);
    return true;
}

std::wstring advanceOrderText(const Grouping& order)
{
    std::wstring text;
    wchar_t piece[32];
    for (int i = 0; i < 8; ++i) {
        if (order[i] == kNoPart)
            continue;
        swprintf(piece, 32, L"B%d - G%d,  ", i + 1, order[i] + 1);
        text += piece;
    }
    return text;
}
