#pragma once

#include <array>
#include <cstdint>
#include <string>

// The petrol injector groupings of the sensors page in the injector map's
// 8-byte form (bit i of byte j: injector i + 1 fires in group j).
using Grouping = std::array<uint8_t, 8>;

// The values of the grouping list.
enum GroupingType
{
    kSequence = 0,
    kHalfGroup = 1,
    kFullGroup = 2
};

Grouping groupingPattern(int type);
const wchar_t* groupingName(int type);
// 0x0F for 4 cylinders, 0x3F for 6, else 0xFF.
uint8_t cylinderMask(int cylinders);
// Full Group, else Half Group, else Sequence, by equalByCylinders against
// the record's configuration `configuration`.
int groupingOf(const uint8_t* configuration);
// The map's cells of `cylinders` injectors and groups equal: an injector
// added to an empty group is a change here, unlike in equalByCylinders, and
// bits of injectors the map does not show are no change.
bool sameGrouping(const Grouping& a, const Grouping& b, int cylinders);

// The sequence advance order from the injectors' values: injector i takes
// part when its byte of `grouping` is set and bit i of `active` is; each
// taking-part injector's entry names the next one by value (equal values by
// index), the last names the first; the others hold 0xFF. False, with
// nothing taking part, when no injector qualifies.
bool advanceOrder(const uint16_t* values, const Grouping& grouping, uint8_t active, Grouping& order);
// "B1 - G4,  B2 - G3,  ..." for the entries that take part.
std::wstring advanceOrderText(const Grouping& order);
