#pragma once

#include "CCmbBoxStrVal.h"
#include "COrvoGradientComboBox.h"

#include <map>
#include <string>

// A drop-down list of named numbers: each item shows a text of its own and
// stands for a number, by which the page selects and reads it.
class CStrValueCmbBox : public COrvoGradientComboBox
{
    DECLARE_DYNAMIC(CStrValueCmbBox)

public:
    CStrValueCmbBox();
    ~CStrValueCmbBox() override;

    // Appends `text` (translated by the caller where it is to be) standing for `value`.
    void addValue(int precision, double value, const std::wstring& text);
    // Selects the first item whose stored number equals `value` exactly, unrounded.
    void setSelValue(double value);
    // The selected item's rounded number; -1.0 when none is selected.
    double getSelValue() const;
    // Empties the map and the list; returns what the list returns.
    int resetContent();

private:
    std::map<int, CCmbBoxStrVal> m_values;
};
