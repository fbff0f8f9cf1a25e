#pragma once

#include "PrambleApi.h"

#include <memory>
#include <string>

// A cell's value as a sorted list compares it: one typed value per cell,
// chosen by the column. Values of different types are never less than one
// another.
class PRAMBLE_API CSortTypeAny
{
public:
    virtual ~CSortTypeAny();
    virtual bool operator<(CSortTypeAny& other) = 0;
    virtual void* getValue();
    virtual void setValue(void* value);
    virtual std::wstring getStrValue();
    virtual void setStrValue(std::wstring value);
    virtual std::wstring getType() = 0;
    // A copy of the same type and value (sort rows copy deeply).
    virtual std::unique_ptr<CSortTypeAny> clone() const = 0;

protected:
    CSortTypeAny() = default;
    CSortTypeAny(const CSortTypeAny&) = default;
    CSortTypeAny& operator=(const CSortTypeAny&) = default;

    bool sameType(CSortTypeAny& other) { return other.getType() == getType(); }
};
