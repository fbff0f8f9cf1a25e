// Damaged recordings: whatever the bytes, the reading ends, keeps finite
// numbers only, and keeps exactly the whole good lines before the first bad one.
#include "OscMutation.h"

#include <gtest/gtest.h>

TEST(OscMutation, DamagedRecordingsKeepTheGoodLinesBeforeTheDamage)
{
    std::mt19937 random(2020);
    const std::string base = osctest::sampleRecording(random, 12);
    for (int round = 0; round < 3000; ++round) {
        std::string text = base;
        osctest::mutate(text, random);
        ASSERT_EQ("", osctest::checkReading(text)) << "round " << round;
    }
}
