#include "IError.h"

#include <sstream>

namespace {
const wchar_t* const kBaseMsgs[] = {
    L"No error.",
    L"Unknown error.",
    L"Out of memory.",
    L"Invalid argument.",
    L"Operation failed.",
};

std::wstring safe(const wchar_t* s) { return s ? std::wstring(s) : std::wstring(); }

// Indents every line after the first, so a nested report reads as one block.
std::wstring indented(const std::wstring& text)
{
    std::wstring out;
    for (wchar_t c : text) {
        out += c;
        if (c == L'\n')
            out += L"    ";
    }
    return out;
}
} // namespace

IError::IError(unsigned code, const wchar_t* where, int line, const wchar_t* file)
    : IError(code, where, nullptr, line, file)
{
}

IError::IError(unsigned code, const wchar_t* where, IError* inner, int line, const wchar_t* file)
    : m_msgs(std::begin(kBaseMsgs), std::end(kBaseMsgs)), m_code(code), m_where(safe(where)), m_inner(inner),
      m_line(line), m_file(safe(file))
{
}

IError::~IError() { delete m_inner; }

void IError::setMsgs() {}

std::wstring IError::name() const { return L"IError"; }

std::wstring IError::message() const
{
    if (m_code < m_msgs.size())
        return m_msgs[m_code];
    return L"Unknown error.";
}

std::wstring IError::format() const
{
    std::wostringstream out;
    out << name() << L" " << m_code << L": " << message() << L"\n";
    out << L"Where: " << m_where << L"\n";
    out << L"Source: " << m_file << L", line " << m_line;
    if (m_inner)
        out << L"\nCaused by: " << indented(m_inner->format());
    return out.str();
}
