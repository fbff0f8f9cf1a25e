// Damaged outside input, a few thousand rounds per parser (the benchmark
// program runs the same rounds by the hundred thousand): no crash, no hang,
// and a refused input changes nothing.
#include "MutationTargets.h"

#include <gtest/gtest.h>

namespace {

using Round = std::string (MutationTargets::*)(kwtest::Mutator&);

// Returns how many inputs the parser refused.
unsigned runRounds(Round round, uint32_t seed, int rounds)
{
    MutationTargets targets;
    kwtest::Mutator mutator(seed);
    for (int n = 0; n < rounds; ++n) {
        const std::string fault = (targets.*round)(mutator);
        if (!fault.empty()) {
            ADD_FAILURE() << fault << " in round " << n;
            break;
        }
    }
    return targets.refused;
}

} // namespace

TEST(Mutation, DamagedRecordingsKeepTheGoodLinesBeforeTheDamage)
{
    const unsigned stopped = runRounds(&MutationTargets::recording, 2020, 3000);
    EXPECT_GT(stopped, 1000u);
    EXPECT_LT(stopped, 3000u);
}

TEST(Mutation, DamagedRepliesFailCleanlyAndRefusedBlocksLeaveTheRecord)
{
    const unsigned refused = runRounds(&MutationTargets::replyFrame, 1102, 3000);
    EXPECT_GT(refused, 1000u);
    EXPECT_LT(refused, 3000u);
}

TEST(Mutation, DamagedSettingsFilesAreReadOrRefusedWithoutChangingTheRecord)
{
    const unsigned refused = runRounds(&MutationTargets::settingsFile, 1, 2000);
    EXPECT_GT(refused, 200u);
    EXPECT_LT(refused, 2000u);
}

TEST(Mutation, DamagedFirmwareFilesAreReadOrRefusedCleanly)
{
    EXPECT_GT(runRounds(&MutationTargets::firmwareFile, 1, 2000), 600u);
}

TEST(Mutation, DamagedLanguageFilesNeverBreakTranslation)
{
    runRounds(&MutationTargets::languageFile, 20240611, 2000);
}
