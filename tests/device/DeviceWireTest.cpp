#include "CLPGDevice.h"
#include "ScriptedTransport.h"

#include <gtest/gtest.h>

#include <cstdlib>

using kwtest::Bytes;
using kwtest::replyFrame;

namespace {

const Bytes kAck = {4, 0, 0, 0, 0, 0};

// A controller object on a scripted port; each request is sent with the
// given nonce and answered by the given reply.
struct WireBench
{
    kwtest::ScriptInstall install;
    CLPGDevice device;
    kwtest::LineScript& line = *install.script;

    WireBench() { device.m_port.open(1); }

    void expect(uint16_t nonce, const Bytes& reply)
    {
        srand(kwtest::seedForNonce(nonce));
        line.reply(reply);
        line.written.clear();
    }
};

} // namespace

// Frames worked out by hand: AA 55, LEN, CMD, nonce, payload (words turned
// left by nonce mod 16), then 1 + the bytes of the plain payload, nonce,
// CMD and LEN.
TEST(DeviceWire, FramesOfEachKind)
{
    WireBench b;

    // A settings block: corrections / 0.004 ms as signed words.
    b.device.m_settings.m_mainCorr.m_mainCorr = {1.0, -0.5, 0.0, 2.5, 0.004, -0.004, 1.2, 0.1};
    b.expect(0x0110, replyFrame(2, 0x4321, kAck));
    ASSERT_TRUE(b.device.writeBlock15());
    EXPECT_EQ((Bytes{0xAA, 0x55, 0x12, 0x0F, 0x01, 0x10, 0xFA, 0x00, 0x83, 0xFF, 0x00, 0x00,
                     0x71, 0x02, 0x01, 0x00, 0xFF, 0xFF, 0x2C, 0x01, 0x19, 0x00, 0x05, 0x67}),
              b.line.written);

    // A read request, its selector word turned left by 3.
    b.expect(0x0003, replyFrame(15, 0x1111, Bytes(16, 0)));
    ASSERT_TRUE(b.device.readBlock15());
    EXPECT_EQ((Bytes{0xAA, 0x55, 0x08, 0x02, 0x00, 0x03, 0xB0, 0x00, 0, 0, 0, 0, 0x00, 0x24}),
              b.line.written);
    EXPECT_EQ(0.0, b.device.m_settings.m_mainCorr.m_mainCorr[3]);

    // An action with its argument in byte 2.
    b.expect(0x0100, replyFrame(2, 0x2222, kAck));
    ASSERT_TRUE(b.device.sendAction24(0x81));
    EXPECT_EQ((Bytes{0xAA, 0x55, 0x08, 0x02, 0x01, 0x00, 0x18, 0x00, 0x81, 0, 0, 0, 0x00, 0xA5}),
              b.line.written);

    // A memory chunk asked for by address, answered with that address.
    Bytes chunk = {0xF6, 0x01};
    for (int i = 0; i < 32; ++i)
        chunk.push_back(static_cast<uint8_t>(i));
    b.expect(0x0100, replyFrame(5, 0x3333, chunk));
    unsigned char data[kMemoryChunkSize];
    ASSERT_TRUE(b.device.readMemoryChunk(502, data));
    EXPECT_EQ((Bytes{0xAA, 0x55, 0x08, 0x02, 0x01, 0x00, 0x0B, 0x00, 0xF6, 0x01, 0, 0, 0x01, 0x0E}),
              b.line.written);
    EXPECT_EQ(Bytes(chunk.begin() + 2, chunk.end()), Bytes(data, data + 32));

    // A bootloader command: erase the block at 0x1800.
    b.expect(0x0100, replyFrame(2, 0x4444, kAck));
    ASSERT_TRUE(b.device.eraseFlashBlock(0x1800));
    EXPECT_EQ((Bytes{0xAA, 0x55, 0x06, 0xF9, 0x01, 0x00, 0x00, 0x18, 0x00, 0x00, 0x01, 0x19}),
              b.line.written);
}

TEST(DeviceWire, RepliesThatAreNoAnswer)
{
    WireBench b;
    // A chunk of another address, and an acknowledgement with byte 0 not 4.
    Bytes other = {0xF7, 0x01};
    other.resize(34, 0);
    for (int i = 0; i < 20; ++i)
        b.line.reply(replyFrame(5, 0x1000, other));
    unsigned char data[kMemoryChunkSize];
    EXPECT_FALSE(b.device.readMemoryChunk(502, data));
    EXPECT_TRUE(b.line.replies.empty());

    for (int i = 0; i < 15; ++i)
        b.line.reply(replyFrame(2, 0x1000, {5, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(b.device.switchToGas());
    EXPECT_TRUE(b.line.replies.empty());
}
