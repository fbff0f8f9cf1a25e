#include "CDiag.h"
#include "SettingsBlocks.h"
#include "SimBench.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

using kwtest::SimBench;

namespace {

using Encoder = std::vector<uint8_t> (*)(const CSettingsRecord&);
using Operation = bool (CLPGDevice::*)();

struct RecordBlock
{
    uint8_t block;
    Encoder encode;
    Operation read;
    Operation write;
};

const RecordBlock kRecordBlocks[] = {
    {30, encodeBlock30, &CLPGDevice::readBlock30, &CLPGDevice::writeBlock30},
    {31, encodeBlock31, &CLPGDevice::readBlock31, &CLPGDevice::writeBlock31},
    {4, encodeBlock4, &CLPGDevice::readBlock4, &CLPGDevice::writeBlock4},
    {15, encodeBlock15, &CLPGDevice::readBlock15, &CLPGDevice::writeBlock15},
    {7, encodeBlock7, &CLPGDevice::readTable7, &CLPGDevice::writeTable7},
    {9, encodeBlock9, &CLPGDevice::readTable9, &CLPGDevice::writeTable9},
    {26, encodeBlock26, &CLPGDevice::readBlock26, &CLPGDevice::writeBlock26},
    {32, encodeBlock32, &CLPGDevice::readBlock32, &CLPGDevice::writeBlock32},
    {33, encodeBlock33, &CLPGDevice::readBlock33, &CLPGDevice::writeBlock33},
    {34, encodeBlock34, &CLPGDevice::readBlock34, &CLPGDevice::writeBlock34},
    {35, encodeBlock35, &CLPGDevice::readBlock35, &CLPGDevice::writeBlock35},
    {3, encodeBlock3, &CLPGDevice::readBlock3, &CLPGDevice::writeBlock3},
    {19, encodeBlock19, &CLPGDevice::readBlock19, &CLPGDevice::writeBlock19},
};

// Counts what the operations reported; wrong counts successes whose data
// were not what the controller holds or was sent.
struct Tally
{
    int succeeded = 0;
    int failed = 0;
    std::vector<std::string> wrong;

    // The operation runs first, then its result is checked.
    void run(const std::string& what, const std::function<bool()>& operation,
             const std::function<bool()>& correct)
    {
        const bool reported = operation();
        add(what, reported, reported && correct());
    }

    void add(const std::string& what, bool reported, bool correct)
    {
        if (!reported)
            ++failed;
        else if (correct)
            ++succeeded;
        else
            wrong.push_back(what);
    }
};

class FaultyLine
{
public:
    explicit FaultyLine(uint32_t seed, bool bootloader = false)
        : reference(cleanRead()), bench(config(seed, bootloader)), random(seed)
    {
        bench.open();
    }

    // What a clean line reads.
    static CSettingsRecord cleanRead()
    {
        SimBench clean;
        clean.open();
        clean.device->readAllSettings();
        return clean.device->m_settings;
    }

    static kwsim::SimConfig config(uint32_t seed, bool bootloader)
    {
        kwsim::SimConfig c = kwtest::faulty(kwsim::SimConfig(), 0.05, 0.05, 0.05);
        c.seed = seed;
        c.faults.garbageAnyByte = true;
        c.obdModule = true;
        c.blocks[18] = {0xDF, 0x07, 0, 0, 0xE8, 0x07, 0, 0, 1, 2, 8, 3}; // link on
        c.bootloader = bootloader;
        return c;
    }

    // A record that the sensor and map settings of the controller convert.
    CSettingsRecord blankRecord() const
    {
        CSettingsRecord record;
        record.m_sensorsSetup = reference.m_sensorsSetup;
        record.m_advancedSetup = reference.m_advancedSetup;
        record.m_devInfo.m_version = reference.m_devInfo.m_version;
        return record;
    }

    void clearStored(uint8_t block)
    {
        bench.with([block](kwsim::SimState& s) {
            s.blocks.set(block, std::vector<uint8_t>(s.blocks.get(block).size(), 0));
        });
    }

    uint8_t randomByte() { return static_cast<uint8_t>(random()); }

    CSettingsRecord reference;
    SimBench bench;
    std::mt19937 random;
    Tally tally;
};

void readRecordBlocks(FaultyLine& line)
{
    CLPGDevice& device = *line.bench.device;
    for (const RecordBlock& b : kRecordBlocks) {
        device.m_settings = line.blankRecord();
        const bool ok = (device.*b.read)();
        line.tally.add("read " + std::to_string(b.block), ok,
                       b.encode(device.m_settings) == b.encode(line.reference));
    }
}

void writeRecordBlocks(FaultyLine& line)
{
    CLPGDevice& device = *line.bench.device;
    for (const RecordBlock& b : kRecordBlocks) {
        device.m_settings = line.reference;
        device.m_settings.m_keptBytes.m_block32[3] = line.randomByte();
        device.m_settings.m_mainCorr.m_mainCorr[2] = line.randomByte() / 100.0;
        device.m_settings.m_devInfo.m_lockData[40] = line.randomByte();
        line.clearStored(b.block);
        const bool ok = (device.*b.write)();
        line.tally.add("write " + std::to_string(b.block), ok,
                       line.bench.block(b.block) == b.encode(device.m_settings));
    }
}

void correctionMap(FaultyLine& line)
{
    CLPGDevice& device = *line.bench.device;
    CCorrMap& map = device.m_settings.m_corrMap;
    map.m_injMapTable[3][4] = line.randomByte() % 100;
    map.m_flags = line.randomByte();
    const CCorrMap sent = map;
    Tally& tally = line.tally;
    tally.run(
        "map write", [&] { return device.writeCorrectionMap(); },
        [&] {
            return line.bench.with([&](kwsim::SimState& s) {
                return s.memory.mapValue(3, 4) == sent.m_injMapTable[3][4] && s.memory.mapSumValid();
            });
        });
    map = CCorrMap();
    tally.run(
        "map read", [&] { return device.readCorrectionMap(); },
        [&] { return map.m_injMapTable == sent.m_injMapTable && map.m_flags == sent.m_flags; });
}

void callerReads(FaultyLine& line)
{
    CLPGDevice& device = *line.bench.device;
    Tally& tally = line.tally;
    const std::vector<uint8_t> codes = {line.randomByte(), line.randomByte(), 0x0F, line.randomByte()};
    const uint8_t bank = line.randomByte();
    line.bench.with([&](kwsim::SimState& s) {
        s.blocks.set(6, codes);
        s.obdBank1 = bank;
    });
    unsigned char out[kPointTableSize] = {};
    tally.run(
        "error codes", [&] { return device.readErrorCodes(out); },
        [&] { return std::vector<uint8_t>(out, out + 4) == codes; });
    double bank1 = 0, bank2 = 0;
    tally.run(
        "request 39", [&] { return device.request39(bank1, bank2); }, [&] { return bank1 == bank - 100; });
    COBDSetup obd;
    obd.ecu_id_req = 0;
    tally.run(
        "block 18", [&] { return device.readBlock18(obd); }, [&] { return obd.ecu_id_req == 0x7DF; });
    out[0] = 0xEE;
    tally.run(
        "table 28", [&] { return device.readTable28(out); }, [&] { return out[0] == 0; });

    CDiag sample;
    tally.run(
        "sample", [&] { return device.readDiagSample(sample) == 0; },
        [&] {
            const auto sent = line.bench.with([](kwsim::SimState& s) { return s.live.lastSample(); });
            return std::vector<uint8_t>(sample.data(), sample.data() + CDiag::kReplySize) == sent;
        });

    const unsigned char request[kObdRequestSize] = {0xDF, 0x07, 0, 0, 0xE8, 0x07, 0,   0,
                                                    0xEF, 0x07, 0, 0, 0x02, 0x01, 0x0D};
    unsigned char reply[64] = {};
    tally.run(
        "obd", [&] { return device.sendObdRequest(request, reply, sizeof reply); },
        [&] { return reply[0] == 1 && reply[2] == 0xE8 && reply[7] == 0x41 && reply[8] == 0x0D; });
}

uint8_t simMode(FaultyLine& line)
{
    return line.bench.with([](kwsim::SimState& s) { return s.live.mode(); });
}

void actions(FaultyLine& line)
{
    CLPGDevice& device = *line.bench.device;
    Tally& tally = line.tally;
    const uint8_t bits = line.randomByte();
    tally.run(
        "action 24", [&] { return device.sendAction24(bits); },
        [&] { return line.bench.with([](kwsim::SimState& s) { return s.live.gasBits; }) == bits; });
    tally.run(
        "identify", [&] { return device.identify(); },
        [&] { return device.m_settings.m_devInfo.m_deviceName == L"KESTRELWAVE"; });
    device.m_settings.m_base.m_emulatorDelay = 0.2;
    tally.run(
        "petrol", [&] { return device.switchToPetrolAndWait(); }, [&] { return simMode(line) == 2; });
    tally.run(
        "gas", [&] { return device.returnToGas(); }, [&] { return simMode(line) == 3; });
}

} // namespace

TEST(DeviceFaults, EveryOperationRightOrReportedFailed)
{
    Tally total;
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        FaultyLine line(seed);
        readRecordBlocks(line);
        writeRecordBlocks(line);
        correctionMap(line);
        callerReads(line);
        actions(line);
        EXPECT_EQ(std::vector<std::string>(), line.tally.wrong) << "seed " << seed;
        total.succeeded += line.tally.succeeded;
        total.failed += line.tally.failed;
    }
    // The faults were real: the single-try operations lost some.
    EXPECT_GT(total.failed, 0);
    EXPECT_GT(total.succeeded, 100);
}

TEST(DeviceFaults, ConnectionRightOrReportedFailed)
{
    for (uint32_t seed = 11; seed <= 14; ++seed) {
        FaultyLine line(seed);
        CLPGDevice& device = *line.bench.device;
        device.m_settings = CSettingsRecord();
        ASSERT_TRUE(device.readAllSettings());
        // Every block not told as unreadable is the controller's.
        if (!line.bench.messages.empty())
            continue;
        for (const RecordBlock& b : kRecordBlocks)
            EXPECT_EQ(b.encode(line.reference), b.encode(device.m_settings)) << int(b.block);
        EXPECT_EQ(line.reference.m_corrMap.m_injMapTable, device.m_settings.m_corrMap.m_injMapTable);
        EXPECT_EQ(L"KWS1000123456", device.m_settings.m_devInfo.m_serial);
    }
}

TEST(DeviceFaults, ProgrammingRightOrReportedFailed)
{
    for (uint32_t seed = 21; seed <= 24; ++seed) {
        FaultyLine line(seed, true);
        CLPGDevice& device = *line.bench.device;
        std::vector<unsigned char> image(2 * 0x3000);
        for (unsigned char& b : image)
            b = line.randomByte();
        const bool ok = device.programFlash(0x1800, 0x3000, 0x800, image.data(), 0xFFFF);
        const std::vector<uint8_t> flash = line.bench.with([](kwsim::SimState& s) { return s.boot.image(); });
        bool same = true;
        for (size_t at = 2 * 0x1800; at < image.size(); ++at)
            same = same && flash[at] == (at % 4 == 3 ? 0 : image[at]);
        line.tally.add("program", ok, same);
        unsigned short code = 0;
        line.tally.run(
            "bootloader", [&] { return device.enterBootloader(196, code); }, [&] { return code == 248; });
        EXPECT_EQ(std::vector<std::string>(), line.tally.wrong) << "seed " << seed;
    }
}
