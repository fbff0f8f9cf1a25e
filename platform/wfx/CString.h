#pragma once

#include "WfxApi.h"

#include <string>
#include <type_traits>

// A wide string with the operations the program's code uses. Positions and
// counts out of range are clamped, never an error.
class WFX_API CString
{
public:
    CString() = default;
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString(LPCWSTR text);
    CString(LPCWSTR text, int length);
    CString(const char* text); // converted from the ANSI code page
    CString(wchar_t ch, int repeat = 1);
    CString(const std::wstring& text) : m_s(text) {}

    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(LPCWSTR text);
    CString& operator=(wchar_t ch);

    int GetLength() const { return int(m_s.size()); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }
    LPCWSTR GetString() const { return m_s.c_str(); }
    operator LPCWSTR() const { return m_s.c_str(); }
    const std::wstring& str() const { return m_s; }
    wchar_t GetAt(int index) const;
    wchar_t operator[](int index) const { return GetAt(index); }
    void SetAt(int index, wchar_t ch);

    CString& operator+=(const CString& other);
    CString& operator+=(LPCWSTR text);
    CString& operator+=(wchar_t ch);
    void Append(LPCWSTR text) { *this += text; }
    void AppendChar(wchar_t ch) { *this += ch; }

    int Compare(LPCWSTR other) const;
    int CompareNoCase(LPCWSTR other) const;

    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;

    int Find(wchar_t ch, int start = 0) const;
    int Find(LPCWSTR sub, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(LPCWSTR chars) const;

    int Replace(wchar_t oldCh, wchar_t newCh);
    int Replace(LPCWSTR oldText, LPCWSTR newText);
    int Remove(wchar_t ch);
    int Insert(int index, LPCWSTR text);
    int Insert(int index, wchar_t ch);
    int Delete(int index, int count = 1);

    CString& Trim();
    CString& Trim(LPCWSTR chars);
    CString& TrimLeft();
    CString& TrimLeft(LPCWSTR chars);
    CString& TrimRight();
    CString& TrimRight(LPCWSTR chars);

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // printf-style formatting with the runtime's wide semantics (%s is wide).
    // CString and std::wstring arguments are passed on as their text.
    template <class... Args> void Format(LPCWSTR format, const Args&... args);
    template <class... Args> void AppendFormat(LPCWSTR format, const Args&... args);
    void FormatV(LPCWSTR format, va_list args);

    // The string resource from the module that holds it; FALSE (and the
    // text unchanged) when there is none.
    BOOL LoadString(UINT nID);

    // Direct access for API calls that fill a buffer: at least minLength
    // characters are writable; ReleaseBuffer fixes the length (to the first
    // terminator when newLength is -1).
    LPWSTR GetBuffer(int minLength = 0);
    LPWSTR GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

private:
    void formatRaw(LPCWSTR format, ...);
    void appendFormatRaw(LPCWSTR format, ...);

    std::wstring m_s;
};

namespace wfx {

// What a formatting argument hands to the C formatter.
template <class T> const T& formatArg(const T& value)
{
    return value;
}

inline LPCWSTR formatArg(const CString& text)
{
    return text.GetString();
}

inline LPCWSTR formatArg(const std::wstring& text)
{
    return text.c_str();
}

} // namespace wfx

template <class... Args> void CString::Format(LPCWSTR format, const Args&... args)
{
    formatRaw(format, wfx::formatArg(args)...);
}

template <class... Args> void CString::AppendFormat(LPCWSTR format, const Args&... args)
{
    appendFormatRaw(format, wfx::formatArg(args)...);
}

// Concatenation with a string, text or character on either side.
template <class A, class B,
          class = std::enable_if_t<std::is_same<A, CString>::value || std::is_same<B, CString>::value>>
CString operator+(const A& a, const B& b)
{
    CString joined(a);
    joined += b;
    return joined;
}

inline bool operator==(const CString& a, const CString& b)
{
    return a.Compare(b) == 0;
}
inline bool operator==(const CString& a, LPCWSTR b)
{
    return a.Compare(b) == 0;
}
inline bool operator==(LPCWSTR a, const CString& b)
{
    return b.Compare(a) == 0;
}
inline bool operator!=(const CString& a, const CString& b)
{
    return a.Compare(b) != 0;
}
inline bool operator!=(const CString& a, LPCWSTR b)
{
    return a.Compare(b) != 0;
}
inline bool operator!=(LPCWSTR a, const CString& b)
{
    return b.Compare(a) != 0;
}
inline bool operator<(const CString& a, const CString& b)
{
    return a.Compare(b) < 0;
}
inline bool operator>(const CString& a, const CString& b)
{
    return a.Compare(b) > 0;
}
inline bool operator<=(const CString& a, const CString& b)
{
    return a.Compare(b) <= 0;
}
inline bool operator>=(const CString& a, const CString& b)
{
    return a.Compare(b) >= 0;
}
