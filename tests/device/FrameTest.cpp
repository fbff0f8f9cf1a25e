#include "frame.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Frame, SumIsOnePlusTheBytes)
{
    const unsigned char bytes[] = {0xFF, 0xFF, 0x02};
    EXPECT_EQ(1u, frameSum(bytes, 0));
    EXPECT_EQ(1u + 0xFF + 0xFF + 2, frameSum(bytes, 3));
}

TEST(Frame, WorkedChecksum)
{
    const unsigned char payload[6] = {0x0D, 0, 0, 0, 0, 0};
    EXPECT_EQ(0x001E, frameChecksum(0x0105, 2, 8, payload, 6));
}

TEST(Frame, RotationRoundTripsAndLeavesOddByte)
{
    unsigned char words[5] = {0x34, 0x12, 0x01, 0x80, 0x77};
    rotateLeft16(words, 2, 4);
    EXPECT_EQ(0x41, words[0]);
    EXPECT_EQ(0x23, words[1]);
    EXPECT_EQ(0x18, words[2]);
    EXPECT_EQ(0x00, words[3]);
    EXPECT_EQ(0x77, words[4]);
    rotateRight16(words, 2, 0x1234);
    const unsigned char plain[5] = {0x34, 0x12, 0x01, 0x80, 0x77};
    EXPECT_EQ(0, memcmp(plain, words, 5));
    rotateLeft16(words, 2, 16);
    EXPECT_EQ(0, memcmp(plain, words, 5));
    rotateLeft16(words, 0, 3);
    EXPECT_EQ(0, memcmp(plain, words, 5));
}
