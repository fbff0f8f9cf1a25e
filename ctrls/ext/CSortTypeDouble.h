#pragma once

#include "CSortTypeAny.h"

// A decimal number read from the cell's text. An empty cell stays empty
// when written back and sorts as 0; a value that is not a number sorts
// before every number.
class PRAMBLE_API CSortTypeDouble : public CSortTypeAny
{
public:
    CSortTypeDouble() = default;
    CSortTypeDouble(const CSortTypeDouble&) = default;
    CSortTypeDouble& operator=(const CSortTypeDouble&) = default;

    bool operator<(CSortTypeAny& other) override;
    // Points to the double.
    void* getValue() override { return &m_value; }
    // Copies a double.
    void setValue(void* value) override;
    std::wstring getStrValue() override;
    void setStrValue(std::wstring value) override;
    std::wstring getType() override { return L"double"; }
    std::unique_ptr<CSortTypeAny> clone() const override { return std::make_unique<CSortTypeDouble>(*this); }

protected:
    double m_value = 0.0;
    bool m_bEmpty = false;
};
