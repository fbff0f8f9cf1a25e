#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

// Fields of one recording line and of the record read from it.
constexpr unsigned kOscFields = 32;
// Lines longer than this are not recording lines.
constexpr size_t kOscMaxLine = 4096;

// One "*.osc" line as read: column 0 the working mode, 1 RPM, 2..9 the petrol
// times of cylinders 1..8, 10..17 their gas times, 18..31 as in the file.
using OscRecord = std::array<double, kOscFields>;

// A recording read back for the chart: the newest records and how many were
// read in all. Reading ends at the first line that is not exactly 32 finite
// numbers, keeping what came before; a last line without its line end is
// an unfinished one and is dropped.
class COscRecording
{
public:
    explicit COscRecording(size_t keep = 10000) : m_keep(keep) {}

    // `line` without its line end; CR and blanks around a field are skipped.
    static bool readLine(std::string_view line, OscRecord& record);

    // False when the file cannot be opened for reading.
    bool readFile(const std::wstring& path);
    // Feeds file bytes; false once reading has ended on a bad line.
    bool feed(std::string_view bytes);

    const std::deque<OscRecord>& records() const { return m_records; }
    uint64_t total() const { return m_total; }
    // True when reading stopped at a line that is not a recording line.
    bool stoppedEarly() const { return m_stopped; }

private:
    bool takeLine(std::string_view line);

    size_t m_keep;
    std::deque<OscRecord> m_records;
    uint64_t m_total = 0;
    bool m_stopped = false;
    std::string m_partial;
};
