#include "core_test_support.h"

#include "core/composer.h"
#include "core/pair_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>

namespace tallyworth {
namespace {

using testing::SeededRandomSource;

using PairCounts = std::map<std::pair<int, int>, int>;

// The redraw loop exactly as the rules state it, with no bound on the redraws.
std::pair<int, int> PlainLoop(RandomSource& source, std::int16_t lowest, std::int16_t highest,
                              const PairRules& rules) {
    for (;;) {
        std::int16_t a = RandomInRange(source, lowest, highest);
        std::int16_t b = RandomInRange(source, lowest, highest);
        if (rules.putLargerFirst && a < b) {
            std::swap(a, b);
        }
        if (rules.acceptEveryDraw) {
            return {a, b};
        }
        if (rules.needWholeQuotient && (b == 0 || a % b != 0)) {
            continue;
        }
        if (a != rules.previousFirst && b != rules.previousSecond) {
            return {a, b};
        }
    }
}

// A two-sample statistic over equal sample sizes; it follows a chi-square law with one
// degree of freedom fewer than the number of pairs seen.
double TwoSampleChiSquare(const PairCounts& one, const PairCounts& other, int& cells) {
    PairCounts both = one;
    for (const auto& [pair, count] : other) {
        both[pair] += 0;
    }
    double statistic = 0.0;
    cells = 0;
    for (const auto& [pair, ignored] : both) {
        const double x = one.count(pair) != 0U ? one.at(pair) : 0;
        const double y = other.count(pair) != 0U ? other.at(pair) : 0;
        statistic += (x - y) * (x - y) / (x + y);
        ++cells;
    }
    return statistic;
}

struct DistributionCase {
    std::string name;
    std::int16_t lowest;
    std::int16_t highest;
    PairRules rules;
};

PairRules Rules(bool larger, bool whole, int previousFirst, int previousSecond) {
    PairRules rules;
    rules.putLargerFirst = larger;
    rules.needWholeQuotient = whole;
    rules.previousFirst = previousFirst;
    rules.previousSecond = previousSecond;
    return rules;
}

class ExactFallback : public ::testing::TestWithParam<DistributionCase> {};

TEST_P(ExactFallback, MatchesThePlainLoop) {
    const DistributionCase& c = GetParam();
    constexpr int kSamples = 20000;
    const PairDrawer drawer(c.lowest, c.highest);
    SeededRandomSource loopSource(2024);
    SeededRandomSource drawerSource(4202);
    PairCounts fromLoop;
    PairCounts fromDrawer;
    for (int sample = 0; sample < kSamples; ++sample) {
        ++fromLoop[PlainLoop(loopSource, c.lowest, c.highest, c.rules)];
        // No plain draws: every pair comes from the worked-out odds.
        const DrawnPair pair = drawer.Draw(drawerSource, c.rules, 0);
        ASSERT_FALSE(pair.repeatRuleWaived);
        ++fromDrawer[{pair.first, pair.second}];
    }
    int cells = 0;
    const double statistic = TwoSampleChiSquare(fromLoop, fromDrawer, cells);
    ASSERT_GT(cells, 1);
    // Mean cells - 1, standard deviation sqrt(2 (cells - 1)); the bound is generous,
    // and the seeds are fixed, so the test cannot flake.
    const double degrees = cells - 1;
    EXPECT_LT(statistic, degrees + 8.0 * std::sqrt(2.0 * degrees) + 10.0) << cells << " cells";
    // Both must reach the same pairs.
    for (const auto& [pair, count] : fromLoop) {
        if (count > 50) {
            EXPECT_GT(fromDrawer[pair], 0) << pair.first << "," << pair.second;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExactFallback,
    ::testing::Values(DistributionCase{"SumsFirstProblem", 1, 5, Rules(false, false, -1, -1)},
                      DistributionCase{"SumsAfterOneAndOne", 1, 5, Rules(false, false, 1, 1)},
                      DistributionCase{"DifferencesAfterThreeTwo", 1, 4, Rules(true, false, 3, 2)},
                      DistributionCase{"DifferencesFirstProblem", 2, 6, Rules(true, false, -1, -1)},
                      DistributionCase{"QuotientsAfterFourTwo", 1, 6, Rules(false, true, 4, 2)},
                      DistributionCase{"QuotientsFirstProblem", 3, 12, Rules(false, true, -1, -1)},
                      DistributionCase{"ProductsNarrow", 7, 9, Rules(false, false, 7, 8)}),
    [](const ::testing::TestParamInfo<DistributionCase>& caseInfo) { return caseInfo.param.name; });

TEST(ExactFallback, DetectsAWrongDistribution) {
    // The statistic must be able to fail: sums on 1..5 against the loop's differences.
    constexpr int kSamples = 20000;
    SeededRandomSource one(1);
    SeededRandomSource other(2);
    PairCounts sums;
    PairCounts differences;
    const PairDrawer drawer(1, 5);
    for (int sample = 0; sample < kSamples; ++sample) {
        const DrawnPair pair = drawer.Draw(one, Rules(false, false, -1, -1), 0);
        ++sums[{std::max(pair.first, pair.second), std::min(pair.first, pair.second)}];
        ++differences[PlainLoop(other, 1, 5, Rules(true, false, 5, -1))];
    }
    int cells = 0;
    const double statistic = TwoSampleChiSquare(sums, differences, cells);
    EXPECT_GT(statistic, (cells - 1) + 8.0 * std::sqrt(2.0 * (cells - 1)) + 10.0);
}

TEST(PairDrawer, WeighsValuesAsRandomInRangeDrawsThem) {
    const PairDrawer drawer(5, 9);
    // In units of 1/18: 5.5/9, 1/9, 1/9, 1/9, 0.5/9.
    EXPECT_EQ(drawer.ValueWeight(4), 0);
    EXPECT_EQ(drawer.ValueWeight(5), 11);
    EXPECT_EQ(drawer.ValueWeight(6), 2);
    EXPECT_EQ(drawer.ValueWeight(8), 2);
    EXPECT_EQ(drawer.ValueWeight(9), 1);
    EXPECT_EQ(drawer.ValueWeight(10), 0);
    const PairDrawer narrow(98, 99);
    EXPECT_EQ(narrow.ValueWeight(98), 197);
    EXPECT_EQ(narrow.ValueWeight(99), 1);
}

struct WaiverCase {
    std::string name;
    std::int16_t lowest;
    std::int16_t highest;
    PairRules rules;
    bool waived;
};

class Waiver : public ::testing::TestWithParam<WaiverCase> {};

TEST_P(Waiver, AppliesOnlyWhenNoPairIsAcceptable) {
    const WaiverCase& c = GetParam();
    const PairDrawer drawer(c.lowest, c.highest);
    EXPECT_EQ(drawer.AcceptablePairExists(c.rules), !c.waived);
    SeededRandomSource source(77);
    for (int sample = 0; sample < 200; ++sample) {
        const DrawnPair pair = drawer.Draw(source, c.rules);
        ASSERT_EQ(pair.repeatRuleWaived, c.waived);
        // The operation's own rules hold even when the repeat rule is waived.
        if (c.rules.putLargerFirst) {
            ASSERT_GE(pair.first, pair.second);
        }
        if (c.rules.needWholeQuotient) {
            ASSERT_EQ(pair.first % pair.second, 0);
        }
        if (!c.waived) {
            ASSERT_NE(pair.first, c.rules.previousFirst);
            ASSERT_NE(pair.second, c.rules.previousSecond);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Waiver,
    ::testing::Values(WaiverCase{"DifferenceAfterSixFive", 5, 6, Rules(true, false, 6, 5), true},
                      WaiverCase{"DifferenceAfterFiveFive", 5, 6, Rules(true, false, 5, 5), false},
                      WaiverCase{"DifferenceAfterSixSix", 5, 6, Rules(true, false, 6, 6), false},
                      WaiverCase{"NegativeDifferenceAfterSixFive", 5, 6, Rules(false, false, 6, 5),
                                 false},
                      WaiverCase{"QuotientAfterTwoOne", 1, 2, Rules(false, true, 2, 1), true},
                      WaiverCase{"QuotientAfterOneTwo", 1, 2, Rules(false, true, 1, 2), false},
                      WaiverCase{"QuotientAfterEightSeven", 7, 8, Rules(false, true, 8, 7), true},
                      WaiverCase{"QuotientAfterSevenEight", 7, 8, Rules(false, true, 7, 8), true},
                      WaiverCase{"QuotientAfterSevenSeven", 7, 8, Rules(false, true, 7, 7), false},
                      WaiverCase{"SumAfterSixFive", 5, 6, Rules(false, false, 6, 5), false},
                      WaiverCase{"DifferenceWiderRange", 5, 7, Rules(true, false, 7, 5), false}),
    [](const ::testing::TestParamInfo<WaiverCase>& caseInfo) { return caseInfo.param.name; });

TEST(Waiver, DrawsFromTheOddsWithoutTheRepeatRule) {
    // After 6 - 5 on 5..6 the loop without the repeat rule gives 5 - 5 with weight
    // 11 * 11, 6 - 5 with 2 * 11 * 1 and 6 - 6 with 1 * 1 (units of 1/144).
    const PairDrawer drawer(5, 6);
    SeededRandomSource source(9);
    PairCounts counts;
    constexpr int kSamples = 14400;
    for (int sample = 0; sample < kSamples; ++sample) {
        const DrawnPair pair = drawer.Draw(source, Rules(true, false, 6, 5));
        ++counts[{pair.first, pair.second}];
    }
    EXPECT_EQ(counts.size(), 3U);
    EXPECT_NEAR(counts[std::make_pair(5, 5)], kSamples * 121.0 / 144.0, 250.0);
    EXPECT_NEAR(counts[std::make_pair(6, 5)], kSamples * 22.0 / 144.0, 250.0);
    EXPECT_NEAR(counts[std::make_pair(6, 6)], kSamples * 1.0 / 144.0, 60.0);
}

TEST(PairDrawer, CellNumberingAcceptsTheFirstDraw) {
    const PairDrawer drawer(61, 62);
    PairRules rules = Rules(false, true, 61, 62);
    rules.acceptEveryDraw = true;
    testing::ScriptedRandomSource source({0.98F, 0.995F});
    const DrawnPair pair = drawer.Draw(source, rules);
    EXPECT_EQ(pair.first, 61);
    EXPECT_EQ(pair.second, 62);
    EXPECT_FALSE(pair.repeatRuleWaived);
}

}  // namespace
}  // namespace tallyworth
