// Recordings as the reading thread writes them, read back line by line.
#include "CDiagRSThread.h"
#include "COscRecording.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace {
CDiag randomSample(std::mt19937& random)
{
    CDiag sample;
    for (size_t i = 0; i < CDiag::kReplySize; ++i)
        sample.data()[i] = static_cast<unsigned char>(random());
    sample.setMode(random() % 2 ? CDiag::kModeGas : CDiag::kModePetrol);
    return sample;
}

std::string oscLine(int index)
{
    const double noObd[kOscObdValues] = {};
    CDiag sample;
    sample.setMode(CDiag::kModeGas);
    sample.data()[8] = static_cast<unsigned char>(index); // pressure tells lines apart
    return formatOscLine(sample, noObd);
}

std::string oscLines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += oscLine(i % 200);
    return text;
}
} // namespace

TEST(OscRecording, LinesOfTheReadingThreadReadBackIntoTheirSamples)
{
    std::mt19937 random(20);
    std::string text;
    std::vector<CDiag> samples;
    std::vector<std::array<double, kOscObdValues>> obds;
    for (int n = 0; n < 200; ++n) {
        samples.push_back(randomSample(random));
        double obd[kOscObdValues];
        for (double& v : obd)
            v = static_cast<int>(random() % 2000) / 10.0 - 100;
        obds.push_back({});
        std::copy(std::begin(obd), std::end(obd), obds.back().begin());
        text += formatOscLine(samples.back(), obd);
    }
    COscRecording recording;
    ASSERT_TRUE(recording.feed(text));
    ASSERT_EQ(200u, recording.total());
    for (size_t n = 0; n < samples.size(); ++n) {
        const CDiag& s = samples[n];
        const OscRecord& r = recording.records()[n];
        EXPECT_EQ(s.getMode(), r[0]);
        EXPECT_NEAR(s.getRpm(), r[1], 0.5);
        for (unsigned c = 0; c < 8; ++c) {
            const unsigned e = s.getInjectionTime(2 * c + 1) > s.getInjectionTime(2 * c) ? 2 * c + 1 : 2 * c;
            EXPECT_NEAR(s.getInjectionTime(e), r[2 + c], 0.0051) << n << " cylinder " << c;
            EXPECT_NEAR(s.getCorrectedInjectionTime(e), r[10 + c], 0.0051) << n << " cylinder " << c;
        }
        EXPECT_NEAR(s.getPressure(), r[18], 0.5);
        EXPECT_NEAR(s.getManifoldPressure(), r[19], 0.5);
        EXPECT_NEAR(s.getTemperature2(), r[20], 0.5);
        EXPECT_NEAR(s.getTemperature1(), r[21], 0.5);
        EXPECT_NEAR(s.getVoltage6(), r[22], 0.05);
        EXPECT_NEAR(s.getVoltage7(), r[23], 0.05);
        for (unsigned k = 0; k < kOscObdValues; ++k)
            EXPECT_NEAR(obds[n][k], r[24 + k], 0.05);
    }
}

TEST(OscRecording, KeepsTheNewestRecordsAndCountsAllWhateverTheChunks)
{
    const std::string text = oscLines(12000);
    COscRecording whole;
    ASSERT_TRUE(whole.feed(text));
    EXPECT_EQ(12000u, whole.total());
    ASSERT_EQ(10000u, whole.records().size());
    OscRecord first, last;
    const std::string firstLine = oscLine(2000 % 200), lastLine = oscLine(11999 % 200);
    ASSERT_TRUE(COscRecording::readLine(std::string_view(firstLine).substr(0, firstLine.size() - 1), first));
    ASSERT_TRUE(COscRecording::readLine(std::string_view(lastLine).substr(0, lastLine.size() - 1), last));
    EXPECT_TRUE(first == whole.records().front());
    EXPECT_TRUE(last == whole.records().back());
    EXPECT_FALSE(first == last);

    std::mt19937 random(7);
    COscRecording pieces;
    for (size_t at = 0; at < text.size();) {
        const size_t n = std::min<size_t>(1 + random() % 300, text.size() - at);
        ASSERT_TRUE(pieces.feed(std::string_view(text).substr(at, n)));
        at += n;
    }
    EXPECT_EQ(whole.total(), pieces.total());
    EXPECT_TRUE(whole.records() == pieces.records());
}

TEST(OscRecording, ReadingStopsAtTheFirstBadLineKeepingWhatCameBefore)
{
    const std::string good = oscLine(1);
    std::string fields33 = good;
    fields33.insert(fields33.size() - 1, "\t1");
    std::string fields31 = good.substr(0, good.rfind('\t')) + "\n";
    std::string word = good;
    word.replace(0, 1, "x");
    std::string nan = good, inf = good, trailing = good, empty = good;
    nan.replace(0, 1, "nan");
    inf.replace(0, 1, "-inf");
    trailing.replace(0, 1, "3x");
    empty.replace(0, 1, "");
    std::string crlf = good;
    crlf.insert(crlf.size() - 1, "\r");
    std::string huge = good;
    huge.replace(0, 1, "1e308");
    std::string overflow = good;
    overflow.replace(0, 1, "1e999");
    std::string longLine = good;
    longLine.insert(0, 5000, ' ');

    struct Case
    {
        const char* name;
        std::string text;
        uint64_t total;
    };
    const Case cases[] = {
        {"empty file", "", 0},
        {"NUL bytes", std::string(100000, '\0'), 0},
        {"short line", good + fields31 + good, 1},
        {"long line", good + fields33 + good, 1},
        {"a word", good + word + good, 1},
        {"nan", good + nan + good, 1},
        {"inf", good + inf + good, 1},
        {"text after a number", good + trailing + good, 1},
        {"empty field", good + empty + good, 1},
        {"empty line", good + "\n" + good, 1},
        {"overflowing number", good + overflow + good, 1},
        {"over 4 KiB", good + longLine + good, 1},
        {"no last line end", good + good.substr(0, good.size() - 1), 1},
        {"CR LF line ends", crlf + crlf, 2},
        {"huge finite number", good + huge, 2},
    };
    kwtest::TempDir dir;
    for (const Case& c : cases) {
        const std::wstring path = dir.file(L"trip.osc");
        ASSERT_TRUE(kwtest::writeFileBytes(path, c.text));
        COscRecording recording;
        ASSERT_TRUE(recording.readFile(path)) << c.name;
        EXPECT_EQ(c.total, recording.total()) << c.name;
        EXPECT_EQ(c.total, recording.records().size()) << c.name;
        for (const OscRecord& r : recording.records())
            for (double v : r)
                EXPECT_TRUE(std::isfinite(v)) << c.name;
    }
    COscRecording recording;
    EXPECT_FALSE(recording.readFile(dir.file(L"none.osc")));
    ASSERT_TRUE(kwtest::writeFileBytes(dir.file(L"big.osc"), good + huge));
    ASSERT_TRUE(recording.readFile(dir.file(L"big.osc")));
    EXPECT_EQ(1e308, recording.records().back()[0]);
}
