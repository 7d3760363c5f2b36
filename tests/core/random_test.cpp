#include "core_test_support.h"

#include "core/composer.h"
#include "core/random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace tallyworth {
namespace {

using testing::kMixRow;
using testing::MakeState;
using testing::ScriptedRandomSource;

struct RangeCase {
    float fraction;
    std::int16_t lowest;
    std::int16_t highest;
    std::int16_t expected;
};

class RandomInRangeExact : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RandomInRangeExact, GivesTheDocumentedNumber) {
    const RangeCase& c = GetParam();
    ScriptedRandomSource source({c.fraction});
    EXPECT_EQ(RandomInRange(source, c.lowest, c.highest), c.expected) << "u = " << c.fraction;
    EXPECT_EQ(source.Used(), 1U);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RandomInRangeExact,
    ::testing::Values(RangeCase{0.0F, 5, 9, 5}, RangeCase{0.5F, 5, 9, 5},  // 4.5 -> 4 -> 5
                      RangeCase{0.9F, 5, 9, 8}, RangeCase{0.99F, 5, 9, 9},
                      RangeCase{0.5F, 1, 5, 2},             // 2.5 goes to 2
                      RangeCase{0.5F, 1, 7, 4},             // 3.5 goes to 4
                      RangeCase{0.999999940F, 98, 99, 99},  // the largest float below 1
                      RangeCase{0.0F, 98, 99, 98}, RangeCase{0.9898F, 98, 99, 98},
                      RangeCase{0.995F, 98, 99, 99}, RangeCase{0.75F, 1, 2, 2},
                      RangeCase{0.25F, 1, 2, 1}));  // 0.5 goes to 0, raised to 1

TEST(RandomInRange, StaysInsideTheRangeForEveryFractionStep) {
    // Fractions 0, 1/65536, ... cover the whole interval evenly, so the counts follow
    // the documented odds: lowest (lowest + 1/2)/highest, inner 1/highest, highest 1/2.
    constexpr int kSteps = 1 << 16;
    std::array<int, 10> counts{};
    for (int step = 0; step < kSteps; ++step) {
        ScriptedRandomSource source({static_cast<float>(step) / static_cast<float>(kSteps)});
        const std::int16_t value = RandomInRange(source, 5, 9);
        ASSERT_GE(value, 5);
        ASSERT_LE(value, 9);
        ++counts[static_cast<std::size_t>(value)];
    }
    const double unit = kSteps / 18.0;  // 1 / (2 * highest)
    EXPECT_NEAR(counts[5], 11 * unit, 2.0);
    EXPECT_NEAR(counts[6], 2 * unit, 2.0);
    EXPECT_NEAR(counts[7], 2 * unit, 2.0);
    EXPECT_NEAR(counts[8], 2 * unit, 2.0);
    EXPECT_NEAR(counts[9], 1 * unit, 2.0);
}

struct MixCase {
    std::vector<float> fractions;
    const char* expected;
    std::size_t used;
};

class RandomMixOperatorExact : public ::testing::TestWithParam<MixCase> {};

TEST_P(RandomMixOperatorExact, RedrawsRowZeroAndNeverGivesMix) {
    const MixCase& c = GetParam();
    const WorksheetState state = MakeState(kMixRow, 1, 9, 10);
    ScriptedRandomSource source(c.fractions);
    EXPECT_EQ(RandomMixOperator(source, state), QString::fromUtf8(c.expected));
    EXPECT_EQ(source.Used(), c.used);
}

INSTANTIATE_TEST_SUITE_P(Table, RandomMixOperatorExact,
                         ::testing::Values(MixCase{{0.25F}, "+", 1}, MixCase{{0.5F}, "-", 1},
                                           MixCase{{0.7F}, "*", 1}, MixCase{{0.9F}, "\u00F7", 1},
                                           MixCase{{0.999999940F}, "\u00F7", 1},
                                           MixCase{{0.2F}, "+", 1},
                                           MixCase{{0.0F, 0.1F, 0.19F, 0.5F}, "-", 4},
                                           MixCase{{0.199F, 0.9F}, "\u00F7", 2}));

TEST(RandomMixOperator, EndsEvenWhenEveryFractionIsBelowOneFifth) {
    const WorksheetState state = MakeState(kMixRow, 1, 9, 10);
    std::vector<float> fractions(200, 0.1F);
    fractions[64] = 0.6F;  // the first fraction after the redraws: 1 + floor(0.6 * 4) = row 3
    ScriptedRandomSource source(fractions);
    EXPECT_EQ(RandomMixOperator(source, state), QStringLiteral("*"));
    EXPECT_EQ(source.Used(), 65U);
}

TEST(ClockSeededRandomSource, GivesFractionsBelowOne) {
    ClockSeededRandomSource source;
    source.Reseed();
    float smallest = 1.0F;
    float largest = 0.0F;
    for (int draw = 0; draw < 100000; ++draw) {
        const float u = source.NextFraction();
        ASSERT_GE(u, 0.0F);
        ASSERT_LT(u, 1.0F);
        smallest = std::min(smallest, u);
        largest = std::max(largest, u);
    }
    EXPECT_LT(smallest, 0.001F);
    EXPECT_GT(largest, 0.999F);
}

TEST(ClockSeededRandomSource, EveryReseedStartsANewSequence) {
    ClockSeededRandomSource source;
    std::vector<std::vector<float>> starts;
    for (int reseed = 0; reseed < 5; ++reseed) {
        source.Reseed();  // several reseeds may fall into the same clock tick
        std::vector<float> start;
        start.reserve(4);
        for (int draw = 0; draw < 4; ++draw) {
            start.push_back(source.NextFraction());
        }
        for (const auto& earlier : starts) {
            EXPECT_NE(start, earlier);
        }
        starts.push_back(start);
    }
}

}  // namespace
}  // namespace tallyworth
