#include "ObdTroubleCodes.h"

#include "SimObd.h"

#include <gtest/gtest.h>

namespace {
std::vector<ObdFrame> framesOf(uint32_t id, const std::vector<kwsim::CanData>& data)
{
    std::vector<ObdFrame> frames;
    for (const kwsim::CanData& d : data) {
        ObdFrame f;
        f.id = id;
        std::copy(d.begin(), d.end(), f.data);
        frames.push_back(f);
    }
    return frames;
}
} // namespace

TEST(ObdRequest, ServiceBytesFollowTheLengthAndTheRestIsZero)
{
    const std::vector<uint8_t> r = buildObdRequest(0x7DF, 0, {0x03});
    const std::vector<uint8_t> expected{0xDF, 0x07, 0, 0,    0xE8, 0x07, 0, 0, 0xEF, 0x07,
                                        0,    0,    1, 0x03, 0,    0,    0, 0, 0,    0};
    EXPECT_EQ(expected, r);
    EXPECT_EQ(0x18u, buildObdRequest(0x18DB33F1, 0x18DAF110, {0x01, 0x01})[7]);

    const uint8_t reply[] = {3, 0, 0xE8, 0x07, 0, 0, 2, 0x41, 0, 0, 0, 0, 0, 0}; // claims 3, holds 1
    ASSERT_EQ(1u, parseObdReply(reply, sizeof reply).size());
    EXPECT_EQ(0x7E8u, parseObdReply(reply, sizeof reply)[0].id);
}

TEST(ObdTroubleCodes, CanMessagesAreReassembledWithoutPhantomCodes)
{
    const std::vector<uint16_t> seven{0x0301, 0x0420, 0x0171, 0x0300, 0x0110, 0x2335, 0x0606};
    EXPECT_EQ(seven, decodeTroubleCodes(framesOf(0x7E8, kwsim::codeFrames(3, 0x03, seven)), 0x7E8, 3, 0x03));
    const std::vector<uint16_t> two{0x0301, 0x0420};
    EXPECT_EQ(two, decodeTroubleCodes(framesOf(0x7E8, kwsim::codeFrames(3, 0x07, two)), 0x7E8, 3, 0x07));
    // The answer of another service is not a code answer.
    EXPECT_TRUE(decodeTroubleCodes(framesOf(0x7E8, kwsim::codeFrames(3, 0x07, two)), 0x7E8, 3, 0x03).empty());
    // A flow-control frame and a broken sequence add nothing.
    std::vector<ObdFrame> broken = framesOf(0x7E8, kwsim::codeFrames(3, 0x03, seven));
    broken[1].data[0] = 0x23;
    broken.insert(broken.begin(), framesOf(0x7E8, {{0x30, 0, 0, 0, 0, 0, 0, 0}}).front());
    EXPECT_TRUE(decodeTroubleCodes(broken, 0x7E8, 3, 0x03).empty());
}

TEST(ObdTroubleCodes, EachEcuGivesOnlyItsOwnCodes)
{
    std::vector<ObdFrame> frames = framesOf(0x7E8, kwsim::codeFrames(3, 0x03, {0x0301, 0x0420, 0x0171}));
    const std::vector<ObdFrame> second = framesOf(0x7E9, kwsim::codeFrames(3, 0x03, {0x0110}));
    frames.insert(frames.begin() + 1, second.begin(), second.end()); // interleaved
    EXPECT_EQ((std::vector<uint16_t>{0x0301, 0x0420, 0x0171}), decodeTroubleCodes(frames, 0x7E8, 3, 0x03));
    EXPECT_EQ(std::vector<uint16_t>{0x0110}, decodeTroubleCodes(frames, 0x7E9, 3, 0x03));
    EXPECT_TRUE(decodeTroubleCodes(frames, 0x7E8, 0, 0x03).empty()); // link off
}

TEST(ObdTroubleCodes, KLineReadsEveryCodeOfEveryMessage)
{
    const std::vector<uint16_t> five{0x0301, 0x0420, 0x0171, 0x0300, 0x0110};
    for (uint8_t proto : {1, 2})
        EXPECT_EQ(five, decodeTroubleCodes(framesOf(0x48, kwsim::codeFrames(proto, 0x03, five)), 0x48, proto,
                                           0x03));
}

TEST(ObdTroubleCodes, CountsComeOnlyFromPositiveAnswers)
{
    std::vector<ObdFrame> frames = framesOf(0x7E8, {{6, 0x41, 0x01, 0x83, 0, 0, 0, 0x55}});
    const std::vector<ObdFrame> other = framesOf(
        0x7E9, {{3, 0x7F, 0x01, 0x12, 0x55, 0x55, 0x55, 0x55}, {6, 0x41, 0x01, 0x00, 0, 0, 0, 0x55}});
    frames.insert(frames.end(), other.begin(), other.end());
    const auto counts = storedCodeCounts(frames);
    ASSERT_EQ(2u, counts.size());
    EXPECT_EQ(std::make_pair(0x7E8u, 3u), counts[0]); // the lamp bit dropped
    EXPECT_EQ(std::make_pair(0x7E9u, 0u), counts[1]);
}
