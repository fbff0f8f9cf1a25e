#include "CValueCmbBox.h"

#include "ValueCmbBoxItems.h"

IMPLEMENT_DYNAMIC(CValueCmbBox, CComboBox)

namespace {

CString valueText(int precision, double value)
{
    CString text;
    switch (precision) {
    case 1:
        text.Format(L"%.1f", round1(value));
        break;
    case 2:
        text.Format(L"%.2f", round2(value));
        break;
    case 3:
        text.Format(L"%.3f", round3(value));
        break;
    default:
        text.Format(L"%d", int(round0(value)));
        break;
    }
    return text;
}

} // namespace

CValueCmbBox::CValueCmbBox() = default;

CValueCmbBox::~CValueCmbBox() = default;

void CValueCmbBox::addValue(int precision, double value)
{
    valuecmbbox::append(*this, m_values, std::wstring(valueText(precision, value)),
                        CCmbBoxNumVal{value, precision});
}

void CValueCmbBox::setSelValue(double value)
{
    valuecmbbox::selectFirst(*this, m_values,
                             [value](const CCmbBoxNumVal& item) { return item.getRoundedValue() == value; });
}

double CValueCmbBox::getSelValue() const
{
    return valuecmbbox::selectedValue(*this, m_values);
}

int CValueCmbBox::resetContent()
{
    return valuecmbbox::reset(*this, m_values);
}
