#include "SimFrame.h"
#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <random>

using kwsim::Frame;
using kwsim::FrameReader;
using kwsim::readAll;
using Bytes = std::vector<uint8_t>;

namespace {
std::vector<Frame> readAll(const Bytes& wire, FrameReader& reader)
{
    reader.push(wire.data(), wire.size(), 0);
    return kwsim::readAll(reader);
}
} // namespace

// Frames worked out by hand from the protocol's rules.
TEST(SimFrame, EncodesHandComputedFrames)
{
    // Sum 1 + 13 + 5 + 1 + 2 + 8 = 30; word 0x000D turned left by 5.
    EXPECT_EQ((Bytes{0xAA, 0x55, 0x08, 0x02, 0x01, 0x05, 0xA0, 0x01, 0, 0, 0, 0, 0x00, 0x1E}),
              kwsim::encodeFrame({2, 0x0105, {0x0D, 0, 0, 0, 0, 0}}));
    // Nonce 0x1234 turns by 4; the odd fifth byte travels as is; LEN 7.
    EXPECT_EQ((Bytes{0xAA, 0x55, 0x07, 0x02, 0x12, 0x34, 0x10, 0x20, 0x30, 0x40, 0x05, 0x00, 0x5F}),
              kwsim::encodeFrame({2, 0x1234, {1, 2, 3, 4, 5}}));
    // Low four nonce bits 0: the payload is not turned.
    EXPECT_EQ((Bytes{0xAA, 0x55, 0x04, 0x07, 0x00, 0x10, 0x34, 0x12, 0x00, 0x62}),
              kwsim::encodeFrame({7, 0x0010, {0x34, 0x12}}));
    // An empty payload: LEN 2, sum of the header parts alone.
    EXPECT_EQ((Bytes{0xAA, 0x55, 0x02, 0x01, 0xFF, 0xFF, 0x02, 0x02}), kwsim::encodeFrame({1, 0xFFFF, {}}));
}

TEST(SimFrame, RotationKeepsEveryBitForEveryShift)
{
    std::mt19937 rng(7);
    for (unsigned shift = 0; shift < 16; ++shift) {
        Bytes payload(9);
        for (uint8_t& b : payload)
            b = static_cast<uint8_t>(rng());
        Bytes turned = payload;
        kwsim::rotateWords(turned, shift, true);
        EXPECT_EQ(payload[8], turned[8]) << "odd byte, shift " << shift;
        kwsim::rotateWords(turned, shift, false);
        EXPECT_EQ(payload, turned) << "shift " << shift;
    }
    Bytes word{0x01, 0x80}; // 0x8001
    kwsim::rotateWords(word, 1, true);
    EXPECT_EQ((Bytes{0x03, 0x00}), word);
}

TEST(SimFrame, ReaderDecodesWhatIsSentWhole)
{
    FrameReader reader;
    std::vector<Frame> got = readAll(kwsim::encodeFrame({2, 0x0105, {0x0D, 0, 0, 0, 0, 0}}), reader);
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ(2, got[0].cmd);
    EXPECT_EQ(0x0105, got[0].nonce);
    EXPECT_EQ((Bytes{0x0D, 0, 0, 0, 0, 0}), got[0].payload);
}

TEST(SimFrame, ReaderResynchronisesOnNoiseAndFalseStarts)
{
    FrameReader reader;
    const Bytes good = kwsim::encodeFrame({31, 0x4321, Bytes(28, 7)});
    // Noise, then a false start whose LEN swallows part of the good frame.
    Bytes wire{0x00, 0x00, 0x13, 0xAA, 0x55, 0x09, 0x02};
    wire.insert(wire.end(), good.begin(), good.end());
    std::vector<Frame> got = readAll(wire, reader);
    ASSERT_EQ(1u, got.size());
    EXPECT_EQ(31, got[0].cmd);
    EXPECT_EQ(Bytes(28, 7), got[0].payload);
    EXPECT_EQ(1u, reader.rejected());
}

TEST(SimFrame, ReaderRejectsBadSumsAndShortLengths)
{
    FrameReader reader;
    Bytes bad = kwsim::encodeFrame({2, 0x0105, {0x0D, 0, 0, 0, 0, 0}});
    bad.back() ^= 1;
    EXPECT_TRUE(readAll(bad, reader).empty());
    EXPECT_EQ(1u, reader.rejected());

    // LEN below 2 cannot be a frame: skipped, the next frame still found.
    Bytes wire{0xAA, 0x55, 0x01, 0x02};
    const Bytes good = kwsim::encodeFrame({2, 0, {36, 0, 0, 0, 0, 0}});
    wire.insert(wire.end(), good.begin(), good.end());
    EXPECT_EQ(1u, readAll(wire, reader).size());
}

TEST(SimFrame, ReaderJoinsPartsButDropsAStaleHalf)
{
    const Bytes wire = kwsim::encodeFrame({2, 0x0F0F, {13, 0, 0, 0, 0, 0}});
    FrameReader joined(100000);
    joined.push(wire.data(), 5, 0);
    joined.push(wire.data() + 5, wire.size() - 5, 40000);
    EXPECT_EQ(1u, readAll(joined).size());

    FrameReader stale(100000);
    stale.push(wire.data(), 5, 0);
    stale.push(wire.data() + 5, wire.size() - 5, 300000);
    EXPECT_TRUE(readAll(stale).empty());
    stale.push(wire.data(), wire.size(), 300100);
    EXPECT_EQ(1u, readAll(stale).size());
}
