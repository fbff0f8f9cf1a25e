#include <PcConnectionLog.h>

#include <gtest/gtest.h>

namespace {

const uint32_t kThisPc = 0xA1B2C3D4;

PcConnectionEntry entry(uint16_t date, uint8_t kind, uint32_t code = kThisPc)
{
    PcConnectionEntry e;
    e.date = date;
    e.hour = 13;
    e.minute = 14;
    e.second = 15;
    e.kind = kind;
    e.hasPcCode = true;
    e.pcCode = code;
    return e;
}

const uint8_t kModified = PcConnectionEntry::kModification;
const uint8_t kConnected = PcConnectionEntry::kConnection;

// A log with a first connection, the credit end 0x01020304 and history
// entries dated 100, 101, ... from PCs 1, 2, ...
PcConnectionLog logWith(unsigned historyEntries)
{
    PcConnectionLog log{};
    log[0] = 4;
    log[1] = 3;
    log[2] = 2;
    log[3] = 1;
    PcConnectionLog filled = log;
    addPcConnection(filled, 805, entry(50, kConnected, 0xEEEEEEEE));
    for (unsigned i = 0; i < historyEntries; ++i)
        addPcConnection(filled, 805, entry(uint16_t(100 + i), kModified, 1 + i));
    return filled;
}

std::vector<uint16_t> historyDates(const PcConnectionLog& log)
{
    std::vector<uint16_t> dates;
    for (unsigned i = 1; i <= 7; ++i)
        dates.push_back(pcConnectionAt(log, i).date);
    return dates;
}

TEST(PcConnectionLogTest, EntryLayoutWithCodeMostSignificantFirst)
{
    PcConnectionLog log{};
    ASSERT_TRUE(addPcConnection(log, 805, entry(0x1234, kConnected)));
    const uint8_t expected[] = {0x34, 0x12, 13, 14, 15, 1, 0xA1, 0xB2, 0xC3, 0xD4};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), log.begin() + 4));
}

TEST(PcConnectionLogTest, FirstConnectionIsRecordedOnceWhicheverKindComesFirst)
{
    PcConnectionLog log{};
    EXPECT_TRUE(addPcConnection(log, 805, entry(10, kConnected)));
    EXPECT_EQ(kConnected, pcConnectionAt(log, 0).kind);
    PcConnectionLog before = log;
    EXPECT_FALSE(addPcConnection(log, 805, entry(11, kConnected)));
    EXPECT_EQ(before, log);

    PcConnectionLog modifiedFirst{};
    EXPECT_TRUE(addPcConnection(modifiedFirst, 805, entry(10, kModified)));
    EXPECT_EQ(kModified, pcConnectionAt(modifiedFirst, 0).kind);
    EXPECT_EQ(0, pcConnectionAt(modifiedFirst, 1).date);
}

TEST(PcConnectionLogTest, FullHistoryDropsTheOldestAndKeepsTheCreditEnd)
{
    PcConnectionLog log = logWith(7);
    ASSERT_TRUE(addPcConnection(log, 805, entry(200, kModified)));
    EXPECT_EQ((std::vector<uint16_t>{101, 102, 103, 104, 105, 106, 200}), historyDates(log));
    EXPECT_EQ(kThisPc, pcConnectionAt(log, 7).pcCode);
    EXPECT_EQ(50, pcConnectionAt(log, 0).date);
    EXPECT_EQ(1, log[3]);
    EXPECT_EQ(4, log[0]);
}

TEST(PcConnectionLogTest, FullHistoryDropsTheEntryOfTheSamePc)
{
    PcConnectionLog log = logWith(7);
    ASSERT_TRUE(addPcConnection(log, 805, entry(200, kModified, 4)));
    EXPECT_EQ((std::vector<uint16_t>{100, 101, 102, 104, 105, 106, 200}), historyDates(log));
}

TEST(PcConnectionLogTest, ShortHistoryKeepsAnOlderEntryOfTheSamePc)
{
    PcConnectionLog log = logWith(3);
    ASSERT_TRUE(addPcConnection(log, 805, entry(200, kModified, 2)));
    EXPECT_EQ((std::vector<uint16_t>{100, 101, 102, 200, 0, 0, 0}), historyDates(log));
}

TEST(PcConnectionLogTest, OlderFirmwareKeepsThreeHistoryEntries)
{
    PcConnectionLog log = logWith(3);
    ASSERT_TRUE(addPcConnection(log, 784, entry(200, kModified)));
    EXPECT_EQ((std::vector<uint16_t>{101, 102, 200, 0, 0, 0, 0}), historyDates(log));
    EXPECT_EQ(3u, pcConnectionHistorySize(784));
    EXPECT_EQ(7u, pcConnectionHistorySize(785));
}

TEST(PcConnectionLogTest, GapsInTheHistoryCloseUp)
{
    PcConnectionLog log = logWith(5);
    std::fill(log.begin() + 4 + 10 * 2, log.begin() + 4 + 10 * 3, 0); // entry 2 emptied
    ASSERT_TRUE(addPcConnection(log, 805, entry(200, kModified)));
    EXPECT_EQ((std::vector<uint16_t>{100, 102, 103, 104, 200, 0, 0}), historyDates(log));
}

TEST(PcConnectionLogTest, UnknownPcCode)
{
    PcConnectionEntry noCode = entry(10, kConnected);
    noCode.hasPcCode = false;
    PcConnectionLog log{};
    log[4 + 6] = 0x77; // code bytes left from before
    ASSERT_TRUE(addPcConnection(log, 805, noCode));
    EXPECT_EQ(0x77000000u, pcConnectionAt(log, 0).pcCode);

    noCode.kind = kModified;
    ASSERT_TRUE(addPcConnection(log, 805, noCode));
    EXPECT_EQ(0u, pcConnectionAt(log, 1).pcCode);
    EXPECT_EQ(10, pcConnectionAt(log, 1).date);
}

} // namespace
