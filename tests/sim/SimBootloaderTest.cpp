#include "SimTestSupport.h"

#include <gtest/gtest.h>

using namespace kwsim;
using Bytes = std::vector<uint8_t>;

namespace {
Bytes code(const char* text)
{
    return Bytes(text, text + 8);
}

Bytes address(uint32_t a)
{
    Bytes b(4);
    putU32(b, 0, a);
    return b;
}

Bytes programFrame(uint32_t a, uint8_t fill)
{
    Bytes p = address(a);
    for (int i = 0; i < 192; ++i)
        p.push_back(static_cast<uint8_t>(fill + i));
    return p;
}
} // namespace

TEST(SimBootloader, AccessCodeOpensTheBootloader)
{
    SimConfig c;
    c.accessCode = "RM284613";
    SimController sim(c);
    SimClient client(sim);
    EXPECT_FALSE(client.accepted(246, code("QM284613")));
    EXPECT_EQ(0, client.request(196)->payload[0]); // refused
    EXPECT_TRUE(client.accepted(246, code("RM284613")));
    std::optional<Frame> entered = client.request(196);
    ASSERT_TRUE(entered);
    EXPECT_EQ(4, entered->payload[0]);
    EXPECT_EQ(248, entered->payload[1]);
    EXPECT_EQ(5, client.request(0xCC)->payload[0]);
    EXPECT_EQ(248, client.request(196)->payload[1]); // asked again
}

TEST(SimBootloader, CodeFollowsTheHardware)
{
    SimConfig c;
    c.bootloader = true;
    c.hardware = '0';
    SimController second(c);
    EXPECT_EQ(223, SimClient(second).request(196)->payload[1]);
    c.bootCode = 200;
    SimController odd(c);
    EXPECT_EQ(200, SimClient(odd).request(196)->payload[1]);
}

TEST(SimBootloader, ErasesProgramsAndLeaves)
{
    SimConfig c;
    c.bootloader = true;
    SimController sim(c);
    SimClient client(sim);
    EXPECT_FALSE(client.accepted(247, programFrame(0x1800, 1))); // not erased yet
    EXPECT_FALSE(client.accepted(249, address(0x1900)));         // not a block start
    EXPECT_FALSE(client.accepted(249, address(0x1000)));         // the bootloader's own
    EXPECT_FALSE(client.accepted(249, address(0x8800)));         // past the flash
    EXPECT_TRUE(client.accepted(249, address(0x1800)));
    EXPECT_TRUE(client.accepted(247, programFrame(0x1800, 1)));
    EXPECT_TRUE(client.accepted(247, programFrame(0x1880, 50)));
    EXPECT_FALSE(client.accepted(247, programFrame(0x1840, 1))); // not a row start
    EXPECT_FALSE(client.accepted(247, Bytes(100, 0)));
    EXPECT_TRUE(isAck(client.request(96)));
    EXPECT_TRUE(isAck(client.request(10)));
    EXPECT_EQ(4, client.request(0xCC)->payload[0]); // the application again

    sim.with([](SimState& s) {
        EXPECT_EQ((std::vector<uint32_t>{0x1800}), s.boot.erased());
        EXPECT_EQ((std::vector<uint32_t>{0x1800, 0x1880}), s.boot.programmed());
        const Bytes& image = s.boot.image();
        // Instruction k of the row at 0x1880 sits at byte 2 * 0x1880 + 4k.
        EXPECT_EQ((Bytes{50, 51, 52, 0}), Bytes(image.begin() + 2 * 0x1880, image.begin() + 2 * 0x1880 + 4));
        EXPECT_EQ((Bytes{1 + 189, 1 + 190, 1 + 191, 0}),
                  Bytes(image.begin() + 2 * 0x1800 + 252, image.begin() + 2 * 0x1800 + 256));
        EXPECT_EQ(0xFF, image[2 * 0x1900]); // erased, never programmed
        EXPECT_EQ(1u, s.boot.verifyRequests);
    });
}

TEST(SimBootloader, ApplicationIgnoresBootloaderCommands)
{
    SimController sim;
    SimClient client(sim);
    EXPECT_FALSE(client.accepted(249, address(0x1800)));
    EXPECT_FALSE(client.accepted(247, programFrame(0x1800, 1)));
    EXPECT_FALSE(isAck(client.request(96)));
    EXPECT_TRUE(sim.with([](SimState& s) { return s.boot.erased().empty(); }));
}
