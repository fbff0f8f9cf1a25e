#include "CString.h"

#include "WfxResources.h"

#include <algorithm>
#include <cstdarg>
#include <cwchar>
#include <cwctype>

namespace {

const wchar_t kBlanks[] = L" \t\r\n\v\f";

int clampTo(int value, int low, int high)
{
    return value < low ? low : (value > high ? high : value);
}

} // namespace

CString::CString(LPCWSTR text)
{
    if (text)
        m_s = text;
}

CString::CString(LPCWSTR text, int length)
{
    if (text && length > 0)
        m_s.assign(text, size_t(length));
}

CString::CString(const char* text)
{
    if (!text || !*text)
        return;
    int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (n <= 1)
        return;
    m_s.resize(size_t(n));
    MultiByteToWideChar(CP_ACP, 0, text, -1, &m_s[0], n);
    m_s.resize(size_t(n - 1));
}

CString::CString(wchar_t ch, int repeat)
{
    if (repeat > 0)
        m_s.assign(size_t(repeat), ch);
}

CString& CString::operator=(LPCWSTR text)
{
    if (text)
        m_s = text;
    else
        m_s.clear();
    return *this;
}

CString& CString::operator=(wchar_t ch)
{
    m_s.assign(1, ch);
    return *this;
}

wchar_t CString::GetAt(int index) const
{
    return index >= 0 && index < GetLength() ? m_s[size_t(index)] : L'\0';
}

void CString::SetAt(int index, wchar_t ch)
{
    if (index >= 0 && index < GetLength())
        m_s[size_t(index)] = ch;
}

CString& CString::operator+=(const CString& other)
{
    m_s += other.m_s;
    return *this;
}

CString& CString::operator+=(LPCWSTR text)
{
    if (text)
        m_s += text;
    return *this;
}

CString& CString::operator+=(wchar_t ch)
{
    m_s += ch;
    return *this;
}

int CString::Compare(LPCWSTR other) const
{
    return wcscmp(m_s.c_str(), other ? other : L"");
}

int CString::CompareNoCase(LPCWSTR other) const
{
    return _wcsicmp(m_s.c_str(), other ? other : L"");
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = clampTo(first, 0, GetLength());
    count = clampTo(count, 0, GetLength() - first);
    return CString(m_s.substr(size_t(first), size_t(count)));
}

CString CString::Left(int count) const
{
    return Mid(0, count);
}

CString CString::Right(int count) const
{
    count = clampTo(count, 0, GetLength());
    return Mid(GetLength() - count, count);
}

int CString::Find(wchar_t ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    size_t pos = m_s.find(ch, size_t(start));
    return pos == std::wstring::npos ? -1 : int(pos);
}

int CString::Find(LPCWSTR sub, int start) const
{
    if (!sub || start < 0 || start > GetLength())
        return -1;
    size_t pos = m_s.find(sub, size_t(start));
    return pos == std::wstring::npos ? -1 : int(pos);
}

int CString::ReverseFind(wchar_t ch) const
{
    size_t pos = m_s.rfind(ch);
    return pos == std::wstring::npos ? -1 : int(pos);
}

int CString::FindOneOf(LPCWSTR chars) const
{
    size_t pos = chars ? m_s.find_first_of(chars) : std::wstring::npos;
    return pos == std::wstring::npos ? -1 : int(pos);
}

int CString::Replace(wchar_t oldCh, wchar_t newCh)
{
    int n = 0;
    for (wchar_t& c : m_s)
        if (c == oldCh) {
            c = newCh;
            ++n;
        }
    return n;
}

int CString::Replace(LPCWSTR oldText, LPCWSTR newText)
{
    if (!oldText || !*oldText)
        return 0;
    std::wstring from(oldText), to(newText ? newText : L"");
    int n = 0;
    for (size_t pos = m_s.find(from); pos != std::wstring::npos; pos = m_s.find(from, pos + to.size())) {
        m_s.replace(pos, from.size(), to);
        ++n;
    }
    return n;
}

int CString::Remove(wchar_t ch)
{
    size_t before = m_s.size();
    m_s.erase(std::remove(m_s.begin(), m_s.end(), ch), m_s.end());
    return int(before - m_s.size());
}

int CString::Insert(int index, LPCWSTR text)
{
    if (text)
        m_s.insert(size_t(clampTo(index, 0, GetLength())), text);
    return GetLength();
}

int CString::Insert(int index, wchar_t ch)
{
    m_s.insert(size_t(clampTo(index, 0, GetLength())), 1, ch);
    return GetLength();
}

int CString::Delete(int index, int count)
{
    index = clampTo(index, 0, GetLength());
    count = clampTo(count, 0, GetLength() - index);
    m_s.erase(size_t(index), size_t(count));
    return GetLength();
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(LPCWSTR chars)
{
    return TrimRight(chars).TrimLeft(chars);
}

CString& CString::TrimLeft()
{
    return TrimLeft(kBlanks);
}

CString& CString::TrimLeft(LPCWSTR chars)
{
    size_t pos = m_s.find_first_not_of(chars ? chars : L"");
    m_s.erase(0, pos == std::wstring::npos ? m_s.size() : pos);
    return *this;
}

CString& CString::TrimRight()
{
    return TrimRight(kBlanks);
}

CString& CString::TrimRight(LPCWSTR chars)
{
    size_t pos = m_s.find_last_not_of(chars ? chars : L"");
    m_s.erase(pos == std::wstring::npos ? 0 : pos + 1);
    return *this;
}

CString& CString::MakeUpper()
{
    for (wchar_t& c : m_s)
        c = wchar_t(towupper(c));
    return *this;
}

CString& CString::MakeLower()
{
    for (wchar_t& c : m_s)
        c = wchar_t(towlower(c));
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_s.begin(), m_s.end());
    return *this;
}

void CString::FormatV(LPCWSTR format, va_list args)
{
    va_list count;
    va_copy(count, args);
    int n = _vscwprintf(format, count);
    va_end(count);
    if (n <= 0) {
        m_s.clear();
        return;
    }
    std::wstring out(size_t(n) + 1, L'\0');
    _vsnwprintf(&out[0], out.size(), format, args);
    out.resize(size_t(n));
    m_s.swap(out);
}

void CString::formatRaw(LPCWSTR format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::appendFormatRaw(LPCWSTR format, ...)
{
    CString more;
    va_list args;
    va_start(args, format);
    more.FormatV(format, args);
    va_end(args);
    *this += more;
}

LPWSTR CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_s.resize(size_t(minLength));
    return &m_s[0];
}

LPWSTR CString::GetBufferSetLength(int length)
{
    m_s.resize(size_t(length > 0 ? length : 0));
    return &m_s[0];
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        newLength = int(wcsnlen(m_s.c_str(), m_s.size()));
    m_s.resize(size_t(clampTo(newLength, 0, GetLength())));
}

BOOL CString::LoadString(UINT nID)
{
    // Strings are stored in blocks of 16; the block tells which module holds it.
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCEW((nID >> 4) + 1), RT_STRING);
    const wchar_t* text = nullptr;
    int length = module ? ::LoadStringW(module, nID, reinterpret_cast<LPWSTR>(&text), 0) : 0;
    if (length <= 0 || !text)
        return FALSE;
    m_s.assign(text, size_t(length));
    return TRUE;
}
