#include "CSettingsFile.h"

#include <io.h>

#include <cmath>
#include <cwchar>
#include <cwctype>

namespace {

// Pieces of a longer line are read as lines of their own.
constexpr size_t kMaxLine = 511;
// A settings file is some 20 KB. Anything far bigger is not one.
constexpr long long kMaxFileSize = 1 << 20;

// A character the line cannot hold as it is becomes '?': a line end would
// split the line, a zero byte or Ctrl-Z would end it or the file early, and a
// character above 255 has no byte.
char storedByte(wchar_t c)
{
    if (c > 255 || c == L'\r' || c == L'\n' || c == 0 || c == 0x1A)
        return '?';
    return char(c);
}

std::string toBytes(const std::wstring& text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t c : text)
        bytes += storedByte(c);
    return bytes;
}

size_t skipDigits(const std::wstring& text, size_t at)
{
    while (at < text.size() && text[at] >= L'0' && text[at] <= L'9')
        ++at;
    return at;
}

// As much of a decimal number as the text starts with (after blanks): the
// runtime's conversion alone would also take hexadecimal, "inf" and "nan".
std::wstring decimalStart(const std::wstring& text)
{
    size_t begin = 0;
    while (begin < text.size() && iswspace(text[begin]))
        ++begin;
    size_t at = begin;
    if (at < text.size() && (text[at] == L'+' || text[at] == L'-'))
        ++at;
    const size_t digits = at;
    at = skipDigits(text, at);
    size_t count = at - digits;
    if (at < text.size() && text[at] == L'.') {
        const size_t fraction = at + 1;
        at = skipDigits(text, fraction);
        count += at - fraction;
    }
    if (count == 0)
        return L"0";
    if (at < text.size() && (text[at] == L'e' || text[at] == L'E')) {
        size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == L'+' || text[exponent] == L'-'))
            ++exponent;
        const size_t end = skipDigits(text, exponent);
        if (end > exponent)
            at = end;
    }
    return text.substr(begin, at - begin);
}

std::wstring fromBytes(const std::string& bytes)
{
    std::wstring text;
    text.reserve(bytes.size());
    for (char c : bytes)
        text += wchar_t(static_cast<unsigned char>(c));
    return text;
}

// Only a real line end goes: a last line without one keeps all its characters.
std::string withoutLineEnd(std::string text)
{
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    return text;
}

// Fixed notation with six decimals.
std::wstring formatSettingsNumber(double value)
{
    // The reader takes anything that is not a finite number as 0.
    if (!std::isfinite(value))
        value = 0.0;
    wchar_t text[400];
    swprintf(text, sizeof text / sizeof text[0], L"%.6f", value);
    return text;
}

} // namespace

CSettingsFile::~CSettingsFile()
{
    close();
}

bool CSettingsFile::open(const std::wstring& path, bool forWriting)
{
    close();
    m_file = _wfopen(path.c_str(), forWriting ? L"w" : L"r");
    if (!m_file)
        return false;
    m_path = path;
    if (!forWriting && !loadLines()) {
        close();
        return false;
    }
    return true;
}

bool CSettingsFile::close()
{
    bool ok = !m_writeFailed;
    if (m_file) {
        ok = fflush(m_file) == 0 && !ferror(m_file) && ok;
        ok = fclose(m_file) == 0 && ok;
    }
    m_file = nullptr;
    m_writeFailed = false;
    m_lines.clear();
    m_index.clear();
    return ok;
}

bool CSettingsFile::loadLines()
{
    long long size = _filelengthi64(_fileno(m_file));
    if (size < 0 || size > kMaxFileSize)
        return false;
    // Text mode turns CR LF into LF and ends the file at a Ctrl-Z.
    std::string text(size_t(size), '\0');
    text.resize(fread(&text[0], 1, text.size(), m_file));
    if (ferror(m_file))
        return false;
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find('\n', at);
        size_t length = end == std::string::npos ? text.size() - at : end + 1 - at;
        std::string piece = text.substr(at, std::min(length, kMaxLine));
        at += piece.size();
        size_t tab = piece.find('\t');
        if (tab == std::string::npos)
            continue;
        bool hasValue = tab + 1 < piece.size();
        m_lines.push_back({piece.substr(0, tab), withoutLineEnd(piece.substr(tab + 1)), hasValue});
        m_index.emplace(m_lines.back().key, m_lines.size() - 1);
    }
    return true;
}

bool CSettingsFile::readString(const std::wstring& key, std::wstring& value) const
{
    auto found = m_index.find(toBytes(key));
    if (found == m_index.end())
        return false;
    const Line& line = m_lines[found->second];
    // A key whose TAB ends the file has no value: it counts as missing.
    if (!line.hasValue)
        return false;
    value = fromBytes(line.value);
    return true;
}

bool CSettingsFile::readDouble(const std::wstring& key, double& value) const
{
    std::wstring text;
    if (!readString(key, text))
        return false;
    double number = wcstod(decimalStart(text).c_str(), nullptr);
    value = std::isfinite(number) ? number : 0.0;
    return true;
}

bool CSettingsFile::writeString(const std::wstring& key, const std::wstring& value)
{
    if (!m_file)
        return false;
    std::string line = toBytes(key) + '\t' + toBytes(value);
    // Reading splits longer lines, and the rest of one could pass for a line
    // of its own: a text keeps only what reading would give back.
    line = line.substr(0, kMaxLine - 1) + '\n';
    bool written = fwrite(line.data(), 1, line.size(), m_file) == line.size();
    m_writeFailed = m_writeFailed || !written;
    return written;
}

bool CSettingsFile::writeDouble(const std::wstring& key, double value)
{
    return writeString(key, formatSettingsNumber(value));
}
