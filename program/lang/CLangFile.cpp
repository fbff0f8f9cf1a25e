#include "CLangFile.h"

namespace {
// A line read longer than this is handled in pieces, each one a line of its own.
const size_t kLineChars = 2047;
const long kAfterByteOrderMark = 2;

// Reads UTF-16LE lines: each ends after its LF, after kLineChars characters
// or at the end of the file. Reads in blocks, since every lookup scans the
// whole file.
class LineReader
{
public:
    explicit LineReader(FILE* file) : m_file(file) {}

    bool next(std::wstring& line)
    {
        line.clear();
        wchar_t c;
        while (line.size() < kLineChars && nextChar(c)) {
            line += c;
            if (c == L'\n')
                break;
        }
        return !line.empty();
    }

private:
    bool nextChar(wchar_t& c)
    {
        if (m_end - m_pos < 2 && !refill())
            return false;
        c = static_cast<wchar_t>(m_block[m_pos] | m_block[m_pos + 1] << 8);
        m_pos += 2;
        return true;
    }

    bool refill()
    {
        m_end = fread(m_block, 1, sizeof m_block, m_file);
        m_pos = 0;
        return m_end >= 2;
    }

    FILE* m_file;
    unsigned char m_block[4096];
    size_t m_pos = 0;
    size_t m_end = 0;
};

void replaceAll(std::wstring& text, const wchar_t* from, wchar_t to)
{
    for (size_t at = text.find(from); at != std::wstring::npos; at = text.find(from, at + 1))
        text.replace(at, 2, 1, to);
}

// Only a real line end goes: a last line without CR LF keeps its characters.
void stripLineEnd(std::wstring& line)
{
    if (!line.empty() && line.back() == L'\n')
        line.pop_back();
    if (!line.empty() && line.back() == L'\r')
        line.pop_back();
}
} // namespace

std::wstring replaceEscapes(std::wstring text)
{
    replaceAll(text, L"\\t", L'\t');
    replaceAll(text, L"\\r", L'\r');
    replaceAll(text, L"\\n", L'\n');
    return text;
}

CLangFile::~CLangFile()
{
    closeLocked();
}

bool CLangFile::open(const std::wstring& path)
{
    std::lock_guard<std::mutex> hold(m_lock);
    closeLocked();
    m_file = _wfopen(path.c_str(), L"rb");
    if (m_file)
        m_path = path;
    return m_file != nullptr;
}

void CLangFile::close()
{
    std::lock_guard<std::mutex> hold(m_lock);
    closeLocked();
}

bool CLangFile::isOpen() const
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_file != nullptr;
}

std::wstring CLangFile::path() const
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_path;
}

void CLangFile::closeLocked()
{
    if (m_file)
        fclose(m_file);
    m_file = nullptr;
    m_path.clear();
}

std::wstring CLangFile::lookup(const std::wstring& text)
{
    std::lock_guard<std::mutex> hold(m_lock);
    if (!m_file)
        return std::wstring();
    return scan(text);
}

std::wstring CLangFile::scan(const std::wstring& text)
{
    if (fseek(m_file, kAfterByteOrderMark, SEEK_SET) != 0)
        return replaceEscapes(text);
    LineReader reader(m_file);
    std::wstring line;
    while (reader.next(line)) {
        stripLineEnd(line);
        const size_t tab = line.find(L'\t');
        if (tab == std::wstring::npos || replaceEscapes(line.substr(0, tab)) != text)
            continue;
        const size_t second = line.find(L'\t', tab + 1);
        if (second != std::wstring::npos)
            return replaceEscapes(line.substr(second + 1));
    }
    return replaceEscapes(text);
}
