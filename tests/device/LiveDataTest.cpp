#include "SampleBytes.h"

#include <CDiag.h>
#include <CDiagData.h>
#include <CLPGDevice.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {
using kwtest::putWord;
using kwtest::setEntry;

CDiag sampleNumbered(uint32_t n)
{
    CDiag d;
    d.setSequence(n);
    return d;
}

// A sample whose every byte carries the same value, so a torn copy shows.
CDiag uniformSample(unsigned char value)
{
    CDiag d;
    for (size_t i = 0; i < CDiag::kSize; ++i)
        d.data()[i] = value;
    return d;
}

std::vector<uint32_t> sequences(const CDiagData& store)
{
    std::vector<CDiag> all;
    store.copyRange(all, 0, store.count());
    std::vector<uint32_t> numbers;
    for (const CDiag& d : all)
        numbers.push_back(d.getSequence());
    return numbers;
}

void fill(CDiagData& store, uint32_t count)
{
    for (uint32_t i = 1; i <= count; ++i)
        store.push(sampleNumbered(i));
}

} // namespace

TEST(CDiag, RpmFromThePeriod)
{
    CDiag d;
    EXPECT_EQ(d.getRpm(), 0.0);
    putWord(d, 16, 48000);
    EXPECT_DOUBLE_EQ(d.getRpm(), 100.0);
    putWord(d, 16, 48001); // below 100 RPM counts as standing still
    EXPECT_EQ(d.getRpm(), 0.0);
    putWord(d, 16, 4800);
    EXPECT_DOUBLE_EQ(d.getRpm(), 1000.0);
    putWord(d, 16, 1);
    EXPECT_DOUBLE_EQ(d.getRpm(), 4800000.0);
}

TEST(CDiag, GasTimeIsThePetrolTimeCorrectedByTheOffset)
{
    CDiag d;
    setEntry(d, 3, 80, 65535); // 65535 is no offset at all
    EXPECT_DOUBLE_EQ(d.getInjectionTime(3), 2.0);
    EXPECT_DOUBLE_EQ(d.getCorrectedInjectionTime(3), 2.0);
    setEntry(d, 3, 80, 65531); // four steps down
    EXPECT_DOUBLE_EQ(d.getCorrectedInjectionTime(3), 1.9);
    setEntry(d, 3, 80, 40);
    EXPECT_DOUBLE_EQ(d.getCorrectedInjectionTime(3), 3.0);
    setEntry(d, 3, 80, 60000); // the last positive offset
    EXPECT_DOUBLE_EQ(d.getCorrectedInjectionTime(3), 1502.0);
    setEntry(d, 3, 80, 60001); // the first negative one goes far below 0
    EXPECT_EQ(d.getCorrectedInjectionTime(3), 0.0);
    setEntry(d, 3, 0, 40); // no petrol time, no gas time
    EXPECT_EQ(d.getCorrectedInjectionTime(3), 0.0);
    setEntry(d, 3, 1, 65535); // 0.025 ms rounds half away from zero
    EXPECT_DOUBLE_EQ(d.getCorrectedInjectionTime(3), 0.03);

    setEntry(d, 15, 4000, 4); // the last entry lies at bytes 78..81
    EXPECT_EQ(d.data()[78], 4000 & 0xFF);
    EXPECT_DOUBLE_EQ(d.getInjectionTime(15), 100.0);
    EXPECT_DOUBLE_EQ(d.getCorrectedInjectionTime(15), 100.1);
    EXPECT_EQ(d.getInjectionTime(16), 0.0);
    EXPECT_EQ(d.getCorrectedInjectionTime(1000), 0.0);
}

TEST(CDiag, PressuresVoltagesAndTemperaturesFollowTheSettings)
{
    CLPGDevice device;
    device.m_settings.m_advancedSetup.m_advancedFlags = 0x08; // neither sensor-curve bit
    device.m_settings.m_sensorsSetup.m_temprEngineSensor = 3;
    device.m_settings.m_sensorsSetup.m_temprLPGSensor = 1;
    CDiag d;
    d.data()[8] = 10; // the formula goes negative there
    EXPECT_EQ(d.getPressure(), 0.0);
    d.data()[8] = 255;
    EXPECT_NEAR(d.getPressure(), 240.0, 1e-9);
    EXPECT_DOUBLE_EQ(d.getManifoldPressure(), 101.0);
    d.data()[10] = 255; // only a gas pressure at or below 0 is limited
    EXPECT_NEAR(d.getManifoldPressure(), -139.0, 1e-9);

    d.data()[2] = 0;
    d.data()[3] = 255;
    EXPECT_EQ(d.getTemperature1(), 255.0);
    EXPECT_EQ(d.getTemperature2(), -40.0);

    d.data()[5] = 255;
    d.data()[6] = 51;
    d.data()[7] = 255;
    EXPECT_NEAR(d.getVoltage5(), 30.0, 1e-9);
    EXPECT_NEAR(d.getVoltage6(), 1.0, 1e-9);
    EXPECT_NEAR(d.getVoltage7(), 5.0, 1e-9);
}

TEST(CDiag, RawBytesAndSequenceNumber)
{
    CDiag d;
    d.data()[CDiag::kObdCorrectionByte] = 107;
    EXPECT_EQ(d.getByte(15), 107);
    EXPECT_EQ(d.getByte(CDiag::kSize), 0); // past the end
    d.setSequence(0x01020304);
    EXPECT_EQ(d.getSequence(), 0x01020304u);
    EXPECT_EQ(d.data()[84], 0x04);
    EXPECT_EQ(d.data()[87], 0x01);
    d.clear();
    EXPECT_EQ(d.getSequence(), 0u);
}

TEST(CDiag, MapRowOfAPetrolTime)
{
    EXPECT_EQ(petrolTimeToMapRow(0.4), 0);
    EXPECT_EQ(petrolTimeToMapRow(0.6), 1);
    EXPECT_EQ(petrolTimeToMapRow(1.0), 2); // 1 ms and less keep no offset
    EXPECT_EQ(petrolTimeToMapRow(1.2), 0);
    EXPECT_EQ(petrolTimeToMapRow(3.0), 4);
    EXPECT_EQ(petrolTimeToMapRow(25.0), 38);
    EXPECT_EQ(petrolTimeToMapRow(-5.0), 0);
}

TEST(CDiagData, EmptyStoreGivesNothing)
{
    CDiagData store;
    EXPECT_EQ(store.count(), 0);
    CDiag out = sampleNumbered(77);
    store.getLast(out);
    EXPECT_EQ(out.getSequence(), 77u);
    std::vector<CDiag> range;
    store.copyRange(range, 0, 100);
    EXPECT_TRUE(range.empty());
}

TEST(CDiagData, PushPastFiveHundredDropsTheOldestQuarterThousand)
{
    CDiagData store;
    fill(store, 500);
    store.push(sampleNumbered(501));
    EXPECT_EQ(store.count(), 501);

    store.push(sampleNumbered(502));
    ASSERT_EQ(store.count(), 252);
    std::vector<uint32_t> numbers = sequences(store);
    EXPECT_EQ(numbers.front(), 251u);
    EXPECT_EQ(numbers.back(), 502u);
    CDiag last;
    store.getLast(last);
    EXPECT_EQ(last.getSequence(), 502u);

    for (uint32_t i = 503; i < 2000; ++i) {
        store.push(sampleNumbered(i));
        ASSERT_LE(store.count(), 501);
    }
}

TEST(CDiagData, CopyRangeAppendsWithinTheStore)
{
    CDiagData store;
    fill(store, 20);
    std::vector<CDiag> out{sampleNumbered(999)};
    store.copyRange(out, 10, 1000);
    ASSERT_EQ(out.size(), 11u); // out is not emptied first
    EXPECT_EQ(out[0].getSequence(), 999u);
    EXPECT_EQ(out[1].getSequence(), 11u);
    EXPECT_EQ(out[10].getSequence(), 20u);

    out.clear();
    store.copyRange(out, 25, 30);
    store.copyRange(out, 5, 5);
    store.copyRange(out, 7, 3);
    EXPECT_TRUE(out.empty());
    store.copyRange(out, -3, 2);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].getSequence(), 1u);
}

TEST(CDiagData, DropNewestAndClear)
{
    CDiagData store;
    fill(store, 5);
    store.dropNewest(0);
    store.dropNewest(-4);
    EXPECT_EQ(store.count(), 5);
    store.dropNewest(3);
    EXPECT_EQ(sequences(store), (std::vector<uint32_t>{1, 2}));
    store.dropNewest(9);
    EXPECT_EQ(store.count(), 0);
    fill(store, 3);
    store.clear();
    EXPECT_EQ(store.count(), 0);
}

// The reading thread pushes while the GUI thread reads: no torn sample,
// never more than the bound.
TEST(CDiagData, ReadersNeverSeeAHalfWrittenSample)
{
    CDiagData store;
    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (int i = 0; i < 20000; ++i)
            store.push(uniformSample(static_cast<unsigned char>(i)));
        done = true;
    });
    int torn = 0, tooMany = 0;
    std::vector<CDiag> range;
    while (!done) {
        CDiag last;
        store.getLast(last);
        for (size_t i = 1; i < CDiag::kSize; ++i)
            torn += last.data()[i] != last.data()[0];
        tooMany += store.count() > 501;
        range.clear();
        store.copyRange(range, 0, 1000);
        tooMany += range.size() > 501;
    }
    writer.join();
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(tooMany, 0);
}
