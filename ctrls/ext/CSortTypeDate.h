#pragma once

#include "CSortTypeAny.h"

// A date written dd/mm/yyyy, ordered by year, month and day. An empty date
// sorts before every date.
class PRAMBLE_API CSortTypeDate : public CSortTypeAny
{
public:
    CSortTypeDate() = default;
    CSortTypeDate(const CSortTypeDate&) = default;
    CSortTypeDate& operator=(const CSortTypeDate&) = default;

    bool operator<(CSortTypeAny& other) override;
    // The characters.
    void* getValue() override;
    // From a null-terminated wide string.
    void setValue(void* value) override;
    std::wstring getStrValue() override { return m_value; }
    void setStrValue(std::wstring value) override { m_value = std::move(value); }
    std::wstring getType() override { return L"date"; }
    std::unique_ptr<CSortTypeAny> clone() const override { return std::make_unique<CSortTypeDate>(*this); }

protected:
    std::wstring m_value;
};
