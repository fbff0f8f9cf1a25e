#include "CDeviceErrorBase.h"

#include "translate.h"

#include <cwchar>

namespace {
const int kBitsPerByte = 8;

std::wstring unknownBitText(unsigned mask)
{
    wchar_t hex[16];
    swprintf(hex, sizeof hex / sizeof hex[0], L" = 0x%x", mask);
    return translate(L"Unknown error code") + hex;
}
} // namespace

CDeviceErrorBase::CDeviceErrorBase(const wchar_t* name, const wchar_t* const* texts, size_t count)
    : m_name(name)
{
    for (size_t i = 0; i < count; ++i)
        m_messages.push_back(translate(texts[i]));
}

CDeviceErrorBase::~CDeviceErrorBase() = default;

std::wstring CDeviceErrorBase::getName() const
{
    return translate(m_name);
}

std::vector<std::wstring> CDeviceErrorBase::decode(unsigned char errorByte) const
{
    std::vector<std::wstring> list;
    for (int bit = 0; bit < kBitsPerByte; ++bit) {
        const unsigned mask = 1u << bit;
        if ((errorByte & mask) == 0)
            continue;
        const bool known = static_cast<size_t>(bit) < m_messages.size();
        list.push_back(known ? m_messages[bit] : unknownBitText(mask));
    }
    return list;
}

int CDeviceErrorBase::findBit(const std::wstring& text) const
{
    for (size_t bit = 0; bit < m_messages.size(); ++bit)
        if (m_messages[bit] == text)
            return static_cast<int>(bit);
    return -1;
}
