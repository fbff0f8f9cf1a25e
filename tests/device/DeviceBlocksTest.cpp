#include "SettingsBlocks.h"
#include "SimBench.h"

#include <gtest/gtest.h>

#include <random>

using kwtest::SimBench;

namespace {

using Encoder = std::vector<uint8_t> (*)(const CSettingsRecord&);
using Decoder = bool (*)(const uint8_t*, size_t, CSettingsRecord&);
using Operation = bool (CLPGDevice::*)();

struct BlockCase
{
    uint8_t block;
    Encoder encode;
    Decoder decode;
    Operation write;
    size_t size;
};

// Blocks 30 and 26 first: they choose the conversions of the others.
const BlockCase kBlocks[] = {
    {30, encodeBlock30, decodeBlock30, &CLPGDevice::writeBlock30, kBlock30Size},
    {26, encodeBlock26, decodeBlock26, &CLPGDevice::writeBlock26, kBlock26Size},
    {31, encodeBlock31, decodeBlock31, &CLPGDevice::writeBlock31, kBlock31Size},
    {4, encodeBlock4, decodeBlock4, &CLPGDevice::writeBlock4, kBlock4Size},
    {35, encodeBlock35, decodeBlock35, &CLPGDevice::writeBlock35, kBlock35Size},
    {15, encodeBlock15, decodeBlock15, &CLPGDevice::writeBlock15, kBlock15Size},
    {7, encodeBlock7, decodeBlock7, &CLPGDevice::writeTable7, kBlock7Size},
    {9, encodeBlock9, decodeBlock9, &CLPGDevice::writeTable9, kBlock9Size},
    {32, encodeBlock32, decodeBlock32, &CLPGDevice::writeBlock32, kBlock32Size},
    {33, encodeBlock33, decodeBlock33, &CLPGDevice::writeBlock33, kBlock33Size},
    {34, encodeBlock34, decodeBlock34, &CLPGDevice::writeBlock34, kBlock34Size},
    {3, encodeBlock3, decodeBlock3, &CLPGDevice::writeBlock3, kBlock3Size},
    {19, encodeBlock19, decodeBlock19, &CLPGDevice::writeBlock19, 84},
};

// A record whose every block was read from random bytes.
CSettingsRecord scrambledRecord(uint32_t seed)
{
    std::mt19937 random(seed);
    CSettingsRecord record;
    record.m_devInfo.m_version = 805;
    for (const BlockCase& c : kBlocks) {
        std::vector<uint8_t> bytes(c.size);
        for (uint8_t& b : bytes)
            b = static_cast<uint8_t>(random());
        EXPECT_TRUE(c.decode(bytes.data(), bytes.size(), record)) << int(c.block);
    }
    for (auto& row : record.m_corrMap.m_injMapTable)
        for (double& v : row)
            v = static_cast<int>(random() % 201) - 100;
    record.m_corrMap.m_flags = static_cast<uint8_t>(random());
    return record;
}

uint16_t word(const std::vector<uint8_t>& bytes, size_t at)
{
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

} // namespace

TEST(DeviceBlocks, EveryBlockWrittenStoredAndReadBackUnchanged)
{
    for (uint32_t seed : {1u, 2u, 3u}) {
        SimBench bench;
        bench.open();
        CLPGDevice& device = *bench.device;
        device.m_settings = scrambledRecord(seed);
        for (const BlockCase& c : kBlocks)
            ASSERT_TRUE((device.*c.write)()) << int(c.block);
        ASSERT_TRUE(device.writeCorrectionMap());
        const CSettingsRecord written = device.m_settings;
        for (const BlockCase& c : kBlocks)
            EXPECT_EQ(c.encode(written), bench.block(c.block)) << int(c.block) << " seed " << seed;

        device.m_settings = CSettingsRecord();
        ASSERT_TRUE(device.readAllSettings());
        EXPECT_TRUE(bench.messages.empty());
        for (const BlockCase& c : kBlocks)
            EXPECT_EQ(c.encode(written), c.encode(device.m_settings)) << int(c.block) << " seed " << seed;
        EXPECT_EQ(written.m_corrMap.m_injMapTable, device.m_settings.m_corrMap.m_injMapTable);
        EXPECT_EQ(written.m_corrMap.m_flags, device.m_settings.m_corrMap.m_flags);
        EXPECT_EQ(written.m_mainCorr.m_mainCorr, device.m_settings.m_mainCorr.m_mainCorr);
        EXPECT_EQ(written.m_setupTimes1, device.m_settings.m_setupTimes1);
        EXPECT_EQ(written.m_keptBytes.m_block32, device.m_settings.m_keptBytes.m_block32);
    }
}

TEST(DeviceBlocks, WritesCarryTheRecordInControllerUnits)
{
    SimBench bench;
    bench.open();
    CSettingsRecord& r = bench.device->m_settings;
    r.m_mainCorr.m_mainCorr = {1.0, -0.5, 0.0, 2.5, 0.004, -0.004, 1.2, 0.1};
    ASSERT_TRUE(bench.device->writeBlock15());
    // Each correction / 0.004 ms as a signed little-endian word.
    EXPECT_EQ((std::vector<uint8_t>{0xFA, 0x00, 0x83, 0xFF, 0x00, 0x00, 0x71, 0x02, 0x01, 0x00, 0xFF, 0xFF,
                                    0x2C, 0x01, 0x19, 0x00}),
              bench.requests().back().payload);
    EXPECT_EQ(15, bench.requests().back().cmd);

    r.m_setupTimes1[0] = {-100.0, 0.0, 12.0};
    r.m_setupTimes2[12] = {1.0, 2.0, 155.0};
    r.m_tableMask = 0x5A;
    ASSERT_TRUE(bench.device->writeTable7());
    ASSERT_TRUE(bench.device->writeTable9());
    const std::vector<uint8_t> b7 = bench.block(7), b9 = bench.block(9);
    EXPECT_EQ((std::vector<uint8_t>{0, 100, 112}), std::vector<uint8_t>(b7.begin(), b7.begin() + 3));
    EXPECT_EQ(0, b7[39]);
    EXPECT_EQ((std::vector<uint8_t>{101, 102, 255, 0x5A}), std::vector<uint8_t>(b9.begin() + 36, b9.end()));

    // This PC's code travels in block 31, most significant byte first.
    unsigned char code[4];
    ASSERT_TRUE(getPcCodeBytes(code));
    ASSERT_TRUE(bench.device->writeBlock31());
    const std::vector<uint8_t> b31 = bench.block(31);
    EXPECT_EQ(std::vector<uint8_t>(code, code + 4), std::vector<uint8_t>(b31.begin() + 24, b31.end()));

    // Block 27: RPM as a period word.
    COBDAdvSetup adv;
    adv.rpm_for_corr = 1000;
    adv.err_to_clear[1] = 0x0420;
    ASSERT_TRUE(bench.device->writeBlock27(adv));
    EXPECT_EQ(4800, word(bench.block(27), 6));
    EXPECT_EQ(0x0420, word(bench.block(27), 10));
}

TEST(DeviceBlocks, ReadsAskBySelector)
{
    SimBench bench;
    bench.open();
    CLPGDevice& device = *bench.device;
    const std::pair<Operation, int> reads[] = {
        {&CLPGDevice::readDeviceInfo, 13}, {&CLPGDevice::readBlock31, 7},  {&CLPGDevice::readBlock4, 8},
        {&CLPGDevice::readBlock26, 34},    {&CLPGDevice::readBlock35, 48}, {&CLPGDevice::readBlock15, 22},
        {&CLPGDevice::readTable7, 12},     {&CLPGDevice::readTable9, 14},  {&CLPGDevice::readBlock30, 42},
        {&CLPGDevice::readBlock32, 43},    {&CLPGDevice::readBlock33, 44}, {&CLPGDevice::readBlock34, 45},
        {&CLPGDevice::readBlock3, 21},     {&CLPGDevice::readBlock19, 30}, {&CLPGDevice::readBlock12, 17},
    };
    for (const auto& [read, selector] : reads) {
        bench.clearRequests();
        EXPECT_TRUE((device.*read)()) << selector;
        ASSERT_EQ(1u, bench.requests().size());
        EXPECT_EQ(2, bench.requests()[0].cmd);
        EXPECT_EQ((std::vector<uint8_t>{uint8_t(selector), 0, 0, 0, 0, 0}), bench.requests()[0].payload);
    }
    EXPECT_EQ(7200u, device.m_settings.m_devInfo.m_statistic.gas);
    EXPECT_EQ(36000u, device.m_settings.m_devInfo.m_statistic.lpg);
    EXPECT_EQ(3u, device.m_settings.m_devInfo.m_statistic.modify);
    EXPECT_FALSE(device.m_settingsWritten);
}

TEST(DeviceBlocks, FailedReadLeavesTheRecord)
{
    SimBench bench;
    bench.open();
    CLPGDevice& device = *bench.device;
    device.m_settings.m_devInfo.m_version = 805;
    device.m_settings.m_mainCorr.m_mainCorr[0] = 3.0;
    bench.with([](kwsim::SimState& s) { s.blocks.set(15, {1, 2, 3}); });
    EXPECT_FALSE(device.readBlock15());
    EXPECT_EQ(3.0, device.m_settings.m_mainCorr.m_mainCorr[0]);
    EXPECT_EQ(15u, bench.requests().size());

    // A PC-connection log of the other firmware's length is refused at once.
    bench.clearRequests();
    bench.with([](kwsim::SimState& s) { s.blocks.set(19, std::vector<uint8_t>(44, 7)); });
    EXPECT_FALSE(device.readBlock19());
    EXPECT_EQ(1u, bench.requests().size());
    EXPECT_EQ(0, device.m_settings.m_devInfo.m_pcConnections[0]);
}

TEST(DeviceBlocks, RefusedWritesFailAfterFifteenTries)
{
    SimBench bench(kwsim::SimConfig(), {1}, 1);
    bench.open();
    bench.with([](kwsim::SimState& s) { s.blocks.setVersion(777); });
    EXPECT_FALSE(bench.device->writeBlock35());
    EXPECT_EQ(15u, bench.requests().size());
    EXPECT_FALSE(bench.device->m_settingsWritten);
}

TEST(DeviceBlocks, SettingsWrittenOnlyBySettingsOperations)
{
    SimBench bench;
    bench.open();
    CLPGDevice& device = *bench.device;
    device.m_settings.m_devInfo.m_version = 805;
    COBDSetup obd;
    EXPECT_TRUE(device.readBlock18(obd));
    EXPECT_EQ(0x7DFu, obd.ecu_id_req);
    EXPECT_TRUE(device.writeBlock18());
    EXPECT_TRUE(device.writeBlock27(device.m_settings.m_obdAdvSetup));
    EXPECT_TRUE(device.writeBlock19());
    EXPECT_TRUE(device.sendAction23(0x05));
    EXPECT_TRUE(device.sendAction24(0x0A));
    EXPECT_TRUE(device.switchToGas());
    EXPECT_FALSE(device.m_settingsWritten);
    EXPECT_EQ((std::vector<uint8_t>{23, 0, 5, 0, 0, 0}), bench.requests()[4].payload);
    EXPECT_EQ(0x0A, bench.with([](kwsim::SimState& s) { return s.live.gasBits; }));

    for (Operation marks : {&CLPGDevice::sendAction19, &CLPGDevice::sendAction20, &CLPGDevice::sendAction28,
                            &CLPGDevice::sendAction29, &CLPGDevice::writeBlock4}) {
        device.m_settingsWritten = false;
        EXPECT_TRUE((device.*marks)());
        EXPECT_TRUE(device.m_settingsWritten);
    }
    device.m_settingsWritten = false;
    const unsigned char step[kBlock13Size] = {0, 0, 2, 2, 2, 5};
    EXPECT_TRUE(device.writeBlock13(step));
    EXPECT_TRUE(device.m_settingsWritten);
    EXPECT_EQ(std::vector<uint8_t>(step, step + 6), bench.requests().back().payload);
    EXPECT_EQ(13, bench.requests().back().cmd);
    // Direction 5 is refused by the controller.
    const unsigned char wrong[kBlock13Size] = {0, 0, 2, 2, 5, 5};
    EXPECT_FALSE(device.writeBlock13(wrong));
}

TEST(DeviceRequests, DataReturnedToTheCaller)
{
    SimBench bench;
    bench.open();
    CLPGDevice& device = *bench.device;
    bench.with([](kwsim::SimState& s) {
        s.blocks.set(6, {0x01, 0x02, 0xFF, 0x08});
        s.blocks.set(36, std::vector<uint8_t>(50, 0x36));
        std::vector<uint8_t> table(188);
        for (size_t i = 0; i < table.size(); ++i)
            table[i] = static_cast<uint8_t>(i);
        s.blocks.set(28, table);
        s.obdBank1 = 110;
        s.obdBank2 = 95;
    });
    unsigned char codes[kErrorCodesSize];
    ASSERT_TRUE(device.readErrorCodes(codes));
    EXPECT_EQ((std::vector<uint8_t>{0x01, 0x02, 0xBF, 0x08}), std::vector<uint8_t>(codes, codes + 4));

    unsigned char data[kPointTableSize] = {};
    ASSERT_TRUE(device.readBlock36(data));
    EXPECT_EQ(0x36, data[49]);
    EXPECT_EQ(0, data[50]);
    ASSERT_TRUE(device.readTable28(data));
    EXPECT_EQ(187, data[187]);
    ASSERT_TRUE(device.readBlock21(data));
    EXPECT_EQ(120, data[0]);

    double bank1 = 0, bank2 = 0;
    ASSERT_TRUE(device.request39(bank1, bank2));
    EXPECT_EQ(10.0, bank1);
    EXPECT_EQ(-5.0, bank2);

    COBDAdvSetup adv;
    adv.rpm_for_corr = 0;
    ASSERT_TRUE(device.readBlock27(adv));
    EXPECT_EQ(500, adv.rpm_for_corr);

    // A point table of another length is no point table.
    bench.with([](kwsim::SimState& s) { s.blocks.set(29, std::vector<uint8_t>(190, 1)); });
    data[0] = 0xEE;
    EXPECT_FALSE(device.readTable29(data));
    EXPECT_EQ(0xEE, data[0]);
    // Block 37 exists from firmware 805 on the second family only.
    EXPECT_FALSE(device.readBlock37(data));
}
