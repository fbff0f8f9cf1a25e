#pragma once

#include "CCmbBoxNumVal.h"
#include "COrvoGradientComboBox.h"

#include <map>

// A drop-down list of numbers: each item's text is its number shown with
// its decimals, and the page selects and reads items by number.
class CValueCmbBox : public COrvoGradientComboBox
{
    DECLARE_DYNAMIC(CValueCmbBox)

public:
    CValueCmbBox();
    ~CValueCmbBox() override;

    // Appends `value` shown with `precision` decimals (0 to 3; any other
    // shows a whole number and keeps the value unrounded).
    void addValue(int precision, double value);
    // Selects the first item whose rounded number equals `value` exactly.
    void setSelValue(double value);
    // The selected item's rounded number; -1.0 when none is selected.
    double getSelValue() const;
    // Empties the map and the list; returns what the list returns.
    int resetContent();

private:
    std::map<int, CCmbBoxNumVal> m_values;
};
