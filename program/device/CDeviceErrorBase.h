#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Decoder of one module's error byte: message i stands for bit i. The
// messages are translated once, when the module is built.
class CDeviceErrorBase
{
public:
    CDeviceErrorBase(const CDeviceErrorBase&) = delete;
    CDeviceErrorBase& operator=(const CDeviceErrorBase&) = delete;
    virtual ~CDeviceErrorBase();

    // The module's name in the language in force now.
    virtual std::wstring getName() const;

    // One message per set bit, lowest bit first; a bit without a message
    // gets the unknown-code text with its mask.
    std::vector<std::wstring> decode(unsigned char errorByte) const;
    // The bit of the message with exactly this text, or -1.
    int findBit(const std::wstring& text) const;

protected:
    template <size_t N>
    CDeviceErrorBase(const wchar_t* name, const wchar_t* const (&texts)[N]) : CDeviceErrorBase(name, texts, N)
    {
    }
    CDeviceErrorBase(const wchar_t* name, const wchar_t* const* texts, size_t count);

private:
    // Kept as written: translated when asked for.
    std::wstring m_name;
    std::vector<std::wstring> m_messages;
};
