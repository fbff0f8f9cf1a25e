#include "SimOptions.h"

#include <gtest/gtest.h>

using namespace kwsim;

namespace {
bool parse(std::vector<std::wstring> args, KwSimOptions& o)
{
    std::wstring error;
    return parseKwSimOptions(args, o, error);
}
} // namespace

TEST(SimOptions, ReadsEverySetting)
{
    KwSimOptions o;
    ASSERT_TRUE(parse({L"--port",
                       L"12",
                       L"--log",
                       L"C:\\t\\log.txt",
                       L"--ready",
                       L"r",
                       L"--pace",
                       L"--reply-delay",
                       L"3",
                       L"--split",
                       L"6:40",
                       L"--seed",
                       L"0x10",
                       L"--version",
                       L"789",
                       L"--hardware",
                       L"0",
                       L"--cylinders",
                       L"6",
                       L"--no-live-data",
                       L"--bootloader",
                       L"--boot-code",
                       L"200",
                       L"--access-code",
                       L"TM284613",
                       L"--switch-delay",
                       L"4",
                       L"--switch-never",
                       L"--obd-module",
                       L"--dtc",
                       L"P0301,C1234",
                       L"--trim-car",
                       L"0x2A",
                       L"--ecu",
                       L"can29-250",
                       L"--pending",
                       L"U0100",
                       L"--block",
                       L"18:DF07",
                       L"--silent",
                       L"--drop",
                       L"0.25",
                       L"--bad-checksum",
                       L"0.1",
                       L"--garbage",
                       L"0.5:6",
                       L"--garbage-any-byte",
                       L"--stop-after",
                       L"9",
                       L"--bad-checksum-run",
                       L"4:11"},
                      o));
    EXPECT_EQ(12u, o.port);
    EXPECT_EQ(L"C:\\t\\log.txt", o.logFile);
    EXPECT_EQ(L"r", o.readyFile);
    EXPECT_TRUE(o.paced);
    EXPECT_EQ(3u, o.replyDelayMs);
    EXPECT_EQ(6u, o.splitAt);
    EXPECT_EQ(40u, o.splitPauseMs);
    const SimConfig& c = o.config;
    EXPECT_EQ(16u, c.seed);
    EXPECT_EQ(789, c.firmwareVersion);
    EXPECT_EQ('0', c.hardware);
    EXPECT_EQ(6, c.cylinders);
    EXPECT_FALSE(c.liveDataAllowed);
    EXPECT_TRUE(c.bootloader);
    EXPECT_EQ(200, c.bootCode);
    EXPECT_EQ("TM284613", c.accessCode);
    EXPECT_EQ(4u, c.switchDelay);
    EXPECT_TRUE(c.switchNever);
    EXPECT_TRUE(c.obdModule);
    ASSERT_EQ(1u, c.ecus.size());
    EXPECT_EQ(0x18DAF110u, c.ecus[0].responseId);
    EXPECT_EQ(1, c.ecus[0].baud);
    EXPECT_EQ((std::vector<uint16_t>{0x0301, 0x5234}), c.ecus[0].storedCodes);
    EXPECT_EQ((std::vector<uint16_t>{0xC100}), c.ecus[0].pendingCodes);
    EXPECT_TRUE(c.car.fitted);
    EXPECT_EQ(0x2A, c.car.bank2Injectors);
    EXPECT_EQ(0x09, c.ecus[0].supportedPids.back()); // the bank-2 trims answered
    EXPECT_EQ((std::vector<uint8_t>{0xDF, 0x07}), c.blocks.at(18));
    EXPECT_TRUE(c.faults.silent);
    EXPECT_DOUBLE_EQ(0.25, c.faults.dropRate);
    EXPECT_DOUBLE_EQ(0.1, c.faults.badChecksumRate);
    EXPECT_DOUBLE_EQ(0.5, c.faults.garbageRate);
    EXPECT_EQ(6u, c.faults.garbageMax);
    EXPECT_TRUE(c.faults.garbageAnyByte);
    EXPECT_EQ(9, c.faults.stopAfter);
    EXPECT_EQ(4, c.faults.badSumAfter);
    EXPECT_EQ(11u, c.faults.badSumCount);
}

TEST(SimOptions, RefusesBadInput)
{
    const std::vector<std::vector<std::wstring>> bad = {
        {},
        {L"--port"},
        {L"--port", L"x"},
        {L"--port", L"1", L"--frobnicate"},
        {L"--port", L"1", L"--drop", L"1.5"},
        {L"--port", L"1", L"--drop", L"-0.1"},
        {L"--port", L"1", L"--block", L"31:ABC"},
        {L"--port", L"1", L"--block", L"31"},
        {L"--port", L"1", L"--dtc", L"X0301"},
        {L"--port", L"1", L"--dtc", L"P03"},
        {L"--port", L"1", L"--ecu", L"can12"},
        {L"--port", L"1", L"--access-code", L"SHORT"},
        {L"--port", L"1", L"--cylinders", L"9"},
        {L"--port", L"1", L"--garbage", L"0.5:0"},
        {L"--port", L"1", L"--split", L"0:40"},
        {L"--port", L"1", L"--bad-checksum-run", L"4"},
        {L"--port", L"1", L"--ecu", L"none", L"--dtc", L"P0301"},
    };
    for (const auto& args : bad) {
        KwSimOptions o;
        std::wstring error;
        EXPECT_FALSE(parseKwSimOptions(args, o, error)) << (args.empty() ? L"" : args.back()).size();
        EXPECT_FALSE(error.empty());
    }
}
