#include "COscRecording.h"

#include <windows.h>

#include <charconv>
#include <cmath>
#include <vector>

namespace {
bool isBlank(char c)
{
    return c == ' ' || c == '\r';
}

// One field between tabs: a whole finite number, blanks around it allowed.
bool parseField(std::string_view field, double& value)
{
    size_t begin = 0, end = field.size();
    while (begin < end && isBlank(field[begin]))
        ++begin;
    while (end > begin && isBlank(field[end - 1]))
        --end;
    if (begin == end)
        return false;
    const char* first = field.data() + begin;
    const char* last = field.data() + end;
    // from_chars takes no plus sign; strtod takes one, but not "+-".
    if (*first == '+' && ++first != last && *first == '-')
        return false;
    const auto result = std::from_chars(first, last, value);
    return result.ec == std::errc() && result.ptr == last && std::isfinite(value);
}

// Columns to record slots: the pairs of times are split into petrol, gas.
unsigned slotOfColumn(unsigned column)
{
    if (column < 2 || column > 17)
        return column;
    const unsigned cylinder = (column - 2) / 2;
    return column % 2 == 0 ? 2 + cylinder : 10 + cylinder;
}
} // namespace

bool COscRecording::readLine(std::string_view line, OscRecord& record)
{
    if (line.size() > kOscMaxLine)
        return false;
    OscRecord read{};
    unsigned column = 0;
    size_t at = 0;
    for (;;) {
        const size_t tab = line.find('\t', at);
        const std::string_view field = line.substr(at, tab == std::string_view::npos ? line.npos : tab - at);
        if (column == kOscFields || !parseField(field, read[slotOfColumn(column)]))
            return false;
        ++column;
        if (tab == std::string_view::npos)
            break;
        at = tab + 1;
    }
    if (column != kOscFields)
        return false;
    record = read;
    return true;
}

bool COscRecording::takeLine(std::string_view line)
{
    OscRecord record;
    if (!readLine(line, record)) {
        m_stopped = true;
        return false;
    }
    if (m_records.size() == m_keep)
        m_records.pop_front();
    if (m_keep != 0)
        m_records.push_back(record);
    ++m_total;
    return true;
}

bool COscRecording::feed(std::string_view bytes)
{
    while (!m_stopped && !bytes.empty()) {
        const size_t end = bytes.find('\n');
        if (end == std::string_view::npos) {
            m_partial.append(bytes);
            if (m_partial.size() > kOscMaxLine)
                m_stopped = true;
            break;
        }
        if (m_partial.empty()) {
            takeLine(bytes.substr(0, end));
        } else {
            m_partial.append(bytes.substr(0, end));
            takeLine(m_partial);
            m_partial.clear();
        }
        bytes.remove_prefix(end + 1);
    }
    return !m_stopped;
}

bool COscRecording::readFile(const std::wstring& path)
{
    m_records.clear();
    m_total = 0;
    m_stopped = false;
    m_partial.clear();
    // The reading thread may be writing it still.
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::vector<char> chunk(1 << 20);
    DWORD got = 0;
    while (ReadFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr) && got != 0) {
        if (!feed(std::string_view(chunk.data(), got)))
            break;
    }
    CloseHandle(file);
    m_partial.clear();
    return true;
}
