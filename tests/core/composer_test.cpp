#include "core/composer.h"
#include "core/operations.h"
#include "core/pair_drawing.h"
#include "support/named_cases.h"
#include "support/test_doubles.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tallyworth {
namespace {

using enum OperationRow;
using testing_support::Captions;
using testing_support::kCaseName;
using testing_support::MakeState;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it
using testing_support::RecordingHost;
using testing_support::SameDistribution;
using testing_support::ScriptedRandomSource;

// Redraws below one fifth, never gives Mix, and a source stuck below 0.2 cannot hold it
// up: after 64 redraws 1 + floor(0.6 * 4). The other draws are pinned by the golden sheets.
TEST(RandomMixOperator, RedrawsBelowOneFifthAtMost64Times) {
    const auto sign = [](std::vector<float> script) {
        ScriptedRandomSource source(1, std::move(script));
        return RandomMixOperator(source, MakeState(Mix)).toStdString();
    };
    EXPECT_EQ(sign({0.0F, 0.5F}), "-");
    std::vector<float> stuck(64, 0.1F);
    stuck.push_back(0.6F);
    EXPECT_EQ(sign(stuck), "*");
}

// Division shows real quotients; a subtraction would still put the larger number first.
TEST(CellNumbering, ShowsLabelNumbersAndAcceptsEveryDraw) {
    WorksheetState state = MakeState(Divide, {61, 62, 3});
    state.showCellNumbers = true;
    // 0.98 * 62 = 60.76 -> 61, 0.995 * 62 = 61.69 -> 62; the same pair twice, undivided.
    ScriptedRandomSource source(1, {0.98F, 0.995F, 0.98F, 0.995F, 0.995F, 0.98F});
    RecordingHost host;
    const ProblemSet set = ComposeProblems(state, source, host);
    ASSERT_TRUE(set.cellNumbering && source.used == 6U);
    EXPECT_EQ(Captions(set), (std::vector<std::string>{"61 \u00F7 62 1 2=0.983870967741935",
                                                       "61 \u00F7 62 3 4=0.983870967741935",
                                                       "62 \u00F7 61 5 6=1.01639344262295"}));
}

// The redraw loop exactly as the rules state it, with no bound on the redraws.
std::pair<int, int> PlainLoop(RandomSource& source, std::int16_t lowest, std::int16_t highest,
                              const PairRules& rules) {
    for (;;) {
        std::int16_t a = RandomInRange(source, lowest, highest);
        std::int16_t b = RandomInRange(source, lowest, highest);
        if (rules.putLargerFirst && a < b)
            std::swap(a, b);
        if (rules.needWholeQuotient && a % b != 0)
            continue;
        const bool newFirst = a != rules.previousFirst, newSecond = b != rules.previousSecond;
        if (rules.repeatRule == RepeatRule::Waived || (newFirst && newSecond) ||
            (rules.repeatRule == RepeatRule::EitherHalf && (newFirst || newSecond)))
            return {a, b};
    }
}

struct DrawerCase {
    const char* name;
    std::int16_t lowest, highest;
    bool largerFirst, wholeQuotient;
    int previousFirst, previousSecond;
    RepeatRule kept;  // as much of the repeat rule as some pair can keep
};

// clang-format off
const DrawerCase kDrawerCases[] = {
    {"FirstDifference", 2, 6, true, false, -1, -1, RepeatRule::BothHalves},
    {"NarrowDifferenceAfterSixMinusFive", 5, 6, true, false, 6, 5, RepeatRule::EitherHalf},
    {"WideQuotientAfterTwelveByOne", 1, 99, false, true, 12, 1, RepeatRule::BothHalves},
    {"OneNumberDifferenceAfterItself", 5, 5, true, false, 5, 5, RepeatRule::Waived},
};
// clang-format on

class PairDrawerTest : public ::testing::TestWithParam<DrawerCase> {};

// Whether drawn by plain draws, from the quotient list or from worked-out odds alone, pairs
// follow the plain loop, which asks no more of the repeat rule than some pair can keep.
TEST_P(PairDrawerTest, MatchesThePlainLoopAndLoosensTheRepeatRuleOnlyAsFarAsNeeded) {
    const DrawerCase& c = GetParam();
    const PairRules rules{c.largerFirst,          c.wholeQuotient, false,
                          RepeatRule::BothHalves, c.previousFirst, c.previousSecond};
    PairRules kept = rules;
    kept.repeatRule = c.kept;
    const PairDrawer drawer(c.lowest, c.highest);
    EXPECT_EQ(drawer.AcceptablePairExists(rules), c.kept == RepeatRule::BothHalves);
    ScriptedRandomSource loopSource(2024), drawerSource(4202);
    std::map<std::pair<int, int>, double> fromLoop, byDefault, byOdds;
    for (int sample = 0; sample < 20000; ++sample) {
        const DrawnPair drawn = drawer.Draw(drawerSource, rules);
        const DrawnPair worked = drawer.Draw(drawerSource, rules, 0);  // no plain draws
        ASSERT_TRUE(drawn.repeatRuleKept == c.kept && worked.repeatRuleKept == c.kept);
        ++byDefault[{drawn.first, drawn.second}];
        ++byOdds[{worked.first, worked.second}];
        ++fromLoop[PlainLoop(loopSource, c.lowest, c.highest, kept)];
    }
    EXPECT_TRUE(SameDistribution(fromLoop, byDefault) && SameDistribution(fromLoop, byOdds));
}

INSTANTIATE_TEST_SUITE_P(Rules, PairDrawerTest, ::testing::ValuesIn(kDrawerCases), kCaseName);

}  // namespace
}  // namespace tallyworth
