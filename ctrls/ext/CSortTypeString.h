#pragma once

#include "CSortTypeAny.h"

// A text, ordered character by character.
class PRAMBLE_API CSortTypeString : public CSortTypeAny
{
public:
    CSortTypeString() = default;
    CSortTypeString(const CSortTypeString&) = default;
    CSortTypeString& operator=(const CSortTypeString&) = default;

    bool operator<(CSortTypeAny& other) override;
    // The characters.
    void* getValue() override;
    // From a null-terminated wide string.
    void setValue(void* value) override;
    std::wstring getStrValue() override { return m_value; }
    void setStrValue(std::wstring value) override { m_value = std::move(value); }
    std::wstring getType() override { return L"string"; }
    std::unique_ptr<CSortTypeAny> clone() const override { return std::make_unique<CSortTypeString>(*this); }

protected:
    std::wstring m_value;
};
