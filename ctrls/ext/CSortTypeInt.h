#pragma once

#include "CSortTypeAny.h"

// A whole number: the leading integer of the cell's text. An empty cell
// stays empty when written back and sorts as 0.
class PRAMBLE_API CSortTypeInt : public CSortTypeAny
{
public:
    CSortTypeInt() = default;
    CSortTypeInt(const CSortTypeInt&) = default;
    CSortTypeInt& operator=(const CSortTypeInt&) = default;

    bool operator<(CSortTypeAny& other) override;
    // Points to the int.
    void* getValue() override { return &m_value; }
    // Copies an int.
    void setValue(void* value) override;
    std::wstring getStrValue() override;
    void setStrValue(std::wstring value) override;
    std::wstring getType() override { return L"int"; }
    std::unique_ptr<CSortTypeAny> clone() const override { return std::make_unique<CSortTypeInt>(*this); }

protected:
    int m_value = 0;
    bool m_bEmpty = false;
};
