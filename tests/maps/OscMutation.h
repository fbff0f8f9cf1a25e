#pragma once

// Recordings for the mutation rounds and the benchmark, and the slow
// reading (strtod on each field) that the reader must agree with.
#include "CDiagRSThread.h"
#include "COscRecording.h"

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace osctest {

inline std::string trimmed(const std::string& field)
{
    const size_t begin = field.find_first_not_of(" \r");
    if (begin == std::string::npos)
        return {};
    return field.substr(begin, field.find_last_not_of(" \r") - begin + 1);
}

// The slow reading: strtod on each field of each line.
inline bool referenceLine(const std::string& line, std::vector<double>& columns)
{
    if (line.size() > kOscMaxLine)
        return false;
    columns.clear();
    size_t at = 0;
    for (;;) {
        const size_t tab = line.find('\t', at);
        const std::string field =
            trimmed(line.substr(at, tab == std::string::npos ? std::string::npos : tab - at));
        if (field.empty() || field.find_first_not_of("0123456789.-+eE") != std::string::npos)
            return false;
        char* end = nullptr;
        const double v = std::strtod(field.c_str(), &end);
        if (end != field.c_str() + field.size() || !std::isfinite(v))
            return false;
        columns.push_back(v);
        if (tab == std::string::npos)
            break;
        at = tab + 1;
    }
    return columns.size() == kOscFields;
}

inline std::vector<std::vector<double>> referenceFile(const std::string& text)
{
    std::vector<std::vector<double>> lines;
    std::vector<double> columns;
    for (size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
        if (!referenceLine(text.substr(at, end - at), columns))
            break;
        lines.push_back(columns);
    }
    return lines;
}

// A recording of `lines` random samples as the reading thread writes them.
inline std::string sampleRecording(std::mt19937& random, int lines)
{
    std::string text;
    for (int n = 0; n < lines; ++n) {
        CDiag sample;
        for (size_t i = 0; i < CDiag::kReplySize; ++i)
            sample.data()[i] = static_cast<unsigned char>(random());
        const double obd[kOscObdValues] = {1.5, -2.5, 0, 7, 0, 0, 0, 12};
        text += formatOscLine(sample, obd);
    }
    return text;
}

// Empty when the reader agrees with the slow reading of `text` and leaves a
// record it rejects untouched; otherwise what went wrong.
inline std::string checkReading(const std::string& text)
{
    const auto expected = referenceFile(text);
    COscRecording recording(5);
    recording.feed(text);
    if (expected.size() != recording.total())
        return "line count";
    const size_t kept = recording.records().size();
    for (size_t i = 0; i < kept; ++i) {
        const OscRecord& r = recording.records()[i];
        const std::vector<double>& c = expected[expected.size() - kept + i];
        for (unsigned k = 0; k < kOscFields; ++k) {
            const unsigned column = k >= 2 && k < 10    ? 2 + 2 * (k - 2)
                                    : k >= 10 && k < 18 ? 3 + 2 * (k - 10)
                                                        : k;
            if (c[column] != r[k])
                return "value";
        }
    }
    OscRecord untouched;
    untouched.fill(-7);
    if (!COscRecording::readLine(text.substr(0, text.find('\n')), untouched))
        for (double v : untouched)
            if (v != -7)
                return "rejected line changed the record";
    return {};
}

} // namespace osctest
