#include "SimBench.h"

#include <gtest/gtest.h>

#include <string>

using kwtest::SimBench;

namespace {

const uint32_t kStart = 0x1800;
const uint32_t kBlock = 0x800;

kwsim::SimConfig inBootloader(uint8_t hardware = '/')
{
    kwsim::SimConfig config;
    config.bootloader = true;
    config.hardware = hardware;
    return config;
}

// An image of `end` address units: 4 bytes an instruction, 2 units each.
std::vector<unsigned char> firmwareImage(uint32_t end)
{
    std::vector<unsigned char> image(2 * end);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<unsigned char>(i * 7 + i / 256);
    return image;
}

// Frames sent: "E<address>" for an erase, "P<address>" for program data.
std::vector<std::string> frames(SimBench& bench)
{
    std::vector<std::string> out;
    for (const kwsim::SimRequest& r : bench.requests()) {
        const uint32_t address = r.payload[0] | r.payload[1] << 8 | r.payload[2] << 16 | r.payload[3] << 24;
        if (r.cmd == 249 || r.cmd == 247)
            out.push_back((r.cmd == 249 ? "E" : "P") + std::to_string(address));
    }
    return out;
}

} // namespace

TEST(Bootloader, AccessCodesTriedInTurn)
{
    kwsim::SimConfig config;
    config.accessCode = "TM284613";
    SimBench bench(config);
    bench.open();
    unsigned short code = 0;
    for (const char* access : {"QM284613", "RM284613"}) {
        EXPECT_FALSE(bench.device->sendBootCode(access));
        EXPECT_FALSE(bench.device->enterBootloader(196, code));
        EXPECT_EQ(65535, code);
    }
    EXPECT_TRUE(bench.device->sendBootCode("TM284613"));
    EXPECT_TRUE(bench.device->enterBootloader(196, code));
    EXPECT_EQ(248, code);
    EXPECT_TRUE(bench.with([](kwsim::SimState& s) { return s.boot.active; }));
    std::vector<std::string> sent;
    for (const kwsim::SimRequest& r : bench.requests())
        if (r.cmd == 246)
            sent.emplace_back(r.payload.begin(), r.payload.end());
    EXPECT_EQ((std::vector<std::string>{"QM284613", "RM284613", "TM284613"}), sent);

    EXPECT_TRUE(bench.device->bootCommand96());
    EXPECT_TRUE(bench.device->bootCommand10());
    EXPECT_FALSE(bench.with([](kwsim::SimState& s) { return s.boot.active; }));
}

TEST(Bootloader, UnknownCodeIsAnsweredWithRequest96)
{
    kwsim::SimConfig config = inBootloader();
    config.bootCode = 200;
    SimBench bench(config);
    bench.open();
    unsigned short code = 0;
    EXPECT_FALSE(bench.device->enterBootloader(196, code));
    EXPECT_EQ(200, code);
    EXPECT_EQ((std::vector<int>{196, 96}), bench.selectors());

    config.bootCode = 223;
    SimBench known(config);
    known.open();
    EXPECT_TRUE(known.device->enterBootloader(196, code));
    EXPECT_EQ(223, code);
}

TEST(Bootloader, ProgramFramesAndErasesAtBlockStarts)
{
    SimBench bench(inBootloader());
    bench.open();
    const std::vector<unsigned char> image = firmwareImage(0x8800);
    EXPECT_TRUE(bench.device->programFlash(kStart, 0x1900, kBlock, image.data(), 100));
    EXPECT_EQ((std::vector<std::string>{"E6144", "P6144", "P6272"}), frames(bench));

    bench.clearRequests();
    EXPECT_TRUE(bench.device->programFlash(kStart, 0x1900, kBlock, image.data(), 1));
    EXPECT_EQ((std::vector<std::string>{"E6144", "P6144"}), frames(bench));

    bench.clearRequests();
    EXPECT_TRUE(bench.device->programFlash(0x1900, 0x1900, kBlock, image.data(), 100));
    EXPECT_TRUE(bench.requests().empty());
}

TEST(Bootloader, WholeFlashOfTheFirstFamily)
{
    SimBench bench(inBootloader('/'));
    bench.open();
    const uint32_t end = 0x8800;
    const std::vector<unsigned char> image = firmwareImage(end);
    ASSERT_TRUE(bench.device->programFlash(kStart, end, kBlock, image.data(), 0xFFFF));
    std::vector<std::string> expected;
    for (uint32_t a = kStart; a < end; a += 128) {
        if (a % kBlock == 0)
            expected.push_back("E" + std::to_string(a));
        expected.push_back("P" + std::to_string(a));
    }
    EXPECT_EQ(expected, frames(bench));
    EXPECT_EQ(14u + 224u, expected.size());
    // Three bytes of each instruction reach the flash; the fourth is never sent.
    const std::vector<uint8_t> flash = bench.with([](kwsim::SimState& s) { return s.boot.image(); });
    for (size_t at = 2 * kStart; at < 2 * end; ++at)
        ASSERT_EQ(at % 4 == 3 ? 0 : image[at], flash[at]) << at;
}

TEST(Bootloader, RefusedFrameStopsTheProgramming)
{
    SimBench bench(inBootloader());
    bench.open();
    const std::vector<unsigned char> image = firmwareImage(0x8800);
    // 0x1880 starts no block, so nothing is erased and the frame is refused.
    EXPECT_FALSE(bench.device->programFlash(0x1880, 0x2000, kBlock, image.data(), 100));
    EXPECT_EQ((std::vector<std::string>{"P6272", "P6272", "P6272"}), frames(bench));
    EXPECT_FALSE(bench.device->programFlash(kStart, 0x2000, 0, image.data(), 100));
}
