#include "core/random_source.h"
#include "support/named_cases.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <set>
#include <string>

namespace tallyworth {
namespace {

using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

// The windows read the seed of a composition through the source's interface alone. That the
// seed replays the draws is asserted where a sheet is composed again from its code.
TEST(RandomSourceStreamSeed, IsTheSeedOfTheLastReseed) {
    ClockSeededRandomSource clock;
    const RandomSource& clockSource = clock;
    EXPECT_EQ(clockSource.StreamSeed(), std::nullopt);
    clock.Reseed({}, {});
    EXPECT_EQ(clockSource.StreamSeed(), clock.LastSeed());
    SeededRandomSource seeded(12345U);
    EXPECT_EQ(static_cast<const RandomSource&>(seeded).StreamSeed(), 12345U);
}

// Fresh seeds fill the code's seed bits: 35 for a plain sheet, 18 under rules (or page
// options). Seeds all below the narrower width would leave most plain sheets out of reach.
struct SeedWidthCase {
    const char* name;
    ProblemRules rules;
    int bits;
};

class FreshSeedWidthTest : public ::testing::TestWithParam<SeedWidthCase> {};

TEST_P(FreshSeedWidthTest, FillsTheCodesSeedBitsAndNeverRepeatsTheLastSeed) {
    ClockSeededRandomSource source;
    const std::uint64_t limit = std::uint64_t{1} << GetParam().bits;
    std::set<std::uint64_t> seeds;
    std::uint64_t previous = source.LastSeed();
    bool topHalf = false;
    for (int reseed = 0; reseed < 1000; ++reseed) {
        source.Reseed(GetParam().rules, {});  // many reseeds fall into the same clock tick
        EXPECT_LT(source.LastSeed(), limit);
        EXPECT_NE(source.LastSeed(), previous);
        topHalf = topHalf || source.LastSeed() >= limit / 2;
        previous = source.LastSeed();
        seeds.insert(previous);
    }
    EXPECT_TRUE(topHalf);
    EXPECT_GT(seeds.size(), 990U);
    EXPECT_LT(ClockSeed(GetParam().rules, {}), limit);  // the front ends' seeds fit too
}

INSTANTIATE_TEST_SUITE_P(Rules, FreshSeedWidthTest,
                         ::testing::Values(SeedWidthCase{"WithoutRules", {}, 35},
                                           SeedWidthCase{"WithRules", {.noRepeats = true}, 18}),
                         testing_support::kCaseName);

// Sets asked for at the same moment, as thirty teachers may, never share a code, even the
// shortest: the clock alone gave two of thirty the same one about once in 600 sets.
TEST(ClockSeed, GivesSetsAskedForAtOnceDifferentCodes) {
    std::set<std::uint64_t> shortest;
    for (int set = 0; set < 64; ++set) {
        shortest.insert(ClockSeed() & ((std::uint64_t{1} << 18U) - 1U));
    }
    EXPECT_EQ(shortest.size(), 64U);
}

}  // namespace
}  // namespace tallyworth
