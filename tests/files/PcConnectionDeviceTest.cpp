#include "SimBench.h"

#include <PcConnectionLog.h>

#include <gtest/gtest.h>

#include <cwchar>

namespace {

const uint8_t kWhenRead = 0x5A; // credit end bytes of the controller's log

uint16_t today()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t text[16];
    swprintf(text, 16, L"%02u/%02u/%04u", now.wDay, now.wMonth, now.wYear);
    return uint16_t(parseDate(text));
}

uint32_t thisPc()
{
    unsigned long code = 0;
    EXPECT_TRUE(getPcCode(code));
    return uint32_t(code);
}

std::vector<uint8_t> entryBytes(uint16_t date, uint8_t kind, uint32_t code)
{
    return {uint8_t(date),       uint8_t(date >> 8), 10,           20, 30, kind, uint8_t(code >> 24),
            uint8_t(code >> 16), uint8_t(code >> 8), uint8_t(code)};
}

// A controller's log: the credit end, the first connection when dated, and
// history entries dated 100, 101, ... from PCs 1, 2, ...
std::vector<uint8_t> controllerLog(size_t size, uint16_t firstDate, unsigned history)
{
    std::vector<uint8_t> log(size, 0);
    std::fill(log.begin(), log.begin() + 4, kWhenRead);
    if (firstDate) {
        auto first = entryBytes(firstDate, 1, 0xEEEEEEEE);
        std::copy(first.begin(), first.end(), log.begin() + 4);
    }
    for (unsigned i = 0; i < history; ++i) {
        auto entry = entryBytes(uint16_t(100 + i), 2, 1 + i);
        std::copy(entry.begin(), entry.end(), log.begin() + 14 + 10 * i);
    }
    return log;
}

kwsim::SimConfig controllerWith(int version, std::vector<uint8_t> log)
{
    kwsim::SimConfig config;
    config.firmwareVersion = version;
    config.blocks[19] = std::move(log);
    return config;
}

// Connected as at start-up: everything read, block 19 with the rest.
void connect(kwtest::SimBench& bench)
{
    bench.open();
    ASSERT_TRUE(bench.device->readAllSettings());
    bench.clearRequests();
}

PcConnectionLog logOf(const std::vector<uint8_t>& bytes)
{
    PcConnectionLog log{};
    std::copy(bytes.begin(), bytes.end(), log.begin());
    return log;
}

TEST(PcConnectionRecord, FirstRunWithoutChangesFillsTheFirstConnection)
{
    kwtest::SimBench bench(controllerWith(805, controllerLog(84, 0, 0)));
    connect(bench);
    EXPECT_TRUE(bench.device->recordPcConnection(false));
    EXPECT_EQ(std::vector<int>{19}, bench.commands());
    std::vector<uint8_t> stored = bench.block(19);
    ASSERT_EQ(84u, stored.size());
    PcConnectionEntry first = pcConnectionAt(logOf(stored), 0);
    EXPECT_EQ(today(), first.date);
    EXPECT_EQ(PcConnectionEntry::kConnection, first.kind);
    EXPECT_EQ(thisPc(), first.pcCode);
    EXPECT_LT(first.hour, 24);
    EXPECT_EQ(std::vector<uint8_t>(4, kWhenRead), std::vector<uint8_t>(stored.begin(), stored.begin() + 4));
}

TEST(PcConnectionRecord, RunWithoutChangesAfterTheFirstWritesNothing)
{
    kwtest::SimBench bench(controllerWith(805, controllerLog(84, 50, 2)));
    connect(bench);
    EXPECT_TRUE(bench.device->recordPcConnection(false));
    EXPECT_TRUE(bench.requests().empty());
}

TEST(PcConnectionRecord, ModificationWithAFullHistoryDropsTheOldest)
{
    kwtest::SimBench bench(controllerWith(805, controllerLog(84, 50, 7)));
    connect(bench);
    EXPECT_TRUE(bench.device->recordPcConnection(true));
    PcConnectionLog stored = logOf(bench.block(19));
    for (unsigned i = 1; i <= 6; ++i)
        EXPECT_EQ(100 + i, pcConnectionAt(stored, i).date);
    PcConnectionEntry added = pcConnectionAt(stored, 7);
    EXPECT_EQ(today(), added.date);
    EXPECT_EQ(PcConnectionEntry::kModification, added.kind);
    EXPECT_EQ(thisPc(), added.pcCode);
    EXPECT_EQ(50, pcConnectionAt(stored, 0).date);
    EXPECT_EQ(kWhenRead, stored[0]);
}

TEST(PcConnectionRecord, OlderFirmwareKeepsThreeEntriesIn44Bytes)
{
    kwtest::SimBench bench(controllerWith(784, controllerLog(44, 50, 3)));
    connect(bench);
    EXPECT_TRUE(bench.device->recordPcConnection(true));
    ASSERT_EQ(1u, bench.requests().size());
    EXPECT_EQ(44u, bench.requests()[0].payload.size());
    PcConnectionLog stored = logOf(bench.block(19));
    EXPECT_EQ(101, pcConnectionAt(stored, 1).date);
    EXPECT_EQ(102, pcConnectionAt(stored, 2).date);
    EXPECT_EQ(today(), pcConnectionAt(stored, 3).date);
}

// Without the controller's own log in hand, writing one would wipe its
// history and credit end.
TEST(PcConnectionRecord, LogNotReadInThisConnectionIsNeverWritten)
{
    kwsim::SimConfig old = controllerWith(777, controllerLog(44, 50, 3));
    kwtest::SimBench oldFirmware(old);
    connect(oldFirmware);
    EXPECT_FALSE(oldFirmware.device->recordPcConnection(true));
    EXPECT_TRUE(oldFirmware.requests().empty());

    kwtest::SimBench notRead(controllerWith(805, controllerLog(84, 0, 0)));
    notRead.open();
    EXPECT_FALSE(notRead.device->recordPcConnection(false));
    EXPECT_TRUE(notRead.requests().empty());
    EXPECT_EQ(controllerLog(84, 0, 0), notRead.block(19));
}

TEST(PcConnectionRecord, RefusedWriteKeepsTheEntryInTheLiveImageOnly)
{
    kwtest::SimBench bench(controllerWith(805, controllerLog(84, 50, 1)));
    connect(bench);
    bench.with([](kwsim::SimState& s) { s.scriptReply(2, {5, 0, 0, 0, 0, 0}, 15); });
    EXPECT_FALSE(bench.device->recordPcConnection(true));
    EXPECT_EQ(today(), pcConnectionAt(bench.device->m_settings.m_devInfo.m_pcConnections, 2).date);
}

} // namespace
