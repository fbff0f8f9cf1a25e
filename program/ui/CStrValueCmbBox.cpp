#include "CStrValueCmbBox.h"

#include "ValueCmbBoxItems.h"

IMPLEMENT_DYNAMIC(CStrValueCmbBox, CComboBox)

CStrValueCmbBox::CStrValueCmbBox() = default;

CStrValueCmbBox::~CStrValueCmbBox() = default;

void CStrValueCmbBox::addValue(int precision, double value, const std::wstring& text)
{
    valuecmbbox::append(*this, m_values, text, CCmbBoxStrVal{value, text, precision});
}

void CStrValueCmbBox::setSelValue(double value)
{
    valuecmbbox::selectFirst(*this, m_values,
                             [value](const CCmbBoxStrVal& item) { return item.m_value == value; });
}

double CStrValueCmbBox::getSelValue() const
{
    return valuecmbbox::selectedValue(*this, m_values);
}

int CStrValueCmbBox::resetContent()
{
    return valuecmbbox::reset(*this, m_values);
}
