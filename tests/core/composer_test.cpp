#include "core/composer.h"
#include "core/operations.h"
#include "core/pair_drawing.h"
#include "support/named_cases.h"
#include "support/test_doubles.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

namespace tallyworth {
namespace {

using enum OperationRow;
using testing_support::kCaseName;
using testing_support::MakeState;
using testing_support::Notation;
using testing_support::Numbers;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it
using testing_support::RecordingHost;
using testing_support::ScriptedRandomSource;

TEST(InitGlobals, SetsTheStartUpValuesAndListsTheOperationsInOrder) {
    WorksheetState state;
    RecordingHost list;
    InitGlobals(state, list);
    EXPECT_EQ(list.operations, (QStringList{"+", "-", "*", DivideSignText(), "Mix"}));
    // Rows 1 to 5: symbol, problems to a page, and whether the row mixes the others.
    std::vector<std::tuple<QString, int, bool>> table;
    for (auto row = std::next(state.operations.begin()); row != state.operations.end(); ++row) {
        table.emplace_back(row->symbol, row->problemsPerPage, row->isMix);
    }
    EXPECT_EQ(table, (std::vector<std::tuple<QString, int, bool>>{{"+", 100, false},
                                                                  {"-", 100, false},
                                                                  {"*", 100, false},
                                                                  {DivideSignText(), 50, false},
                                                                  {"Mix", 100, true}}));
    EXPECT_EQ(state.divisionSymbol + state.divideSign, "%" + DivideSignText());
    EXPECT_EQ(std::tie(state.operation, state.currentPage), std::make_tuple(1, 1));
    EXPECT_FALSE(state.showCellNumbers || state.showSolutions);
}

struct InRangeCase {
    const char* name;
    float u;
    std::int16_t lowest, highest;
    int expected;
};

// Named after u times highest, which is rounded half to even and raised to lowest.
const std::array kInRangeCases{
    InRangeCase{"ZeroIsRaisedToLowest", 0.0F, 5, 9, 5},
    InRangeCase{"FourAndAHalfGoesToFourAndIsRaised", 0.5F, 5, 9, 5},
    InRangeCase{"EightPointNineOneGoesToNine", 0.99F, 5, 9, 9},
    InRangeCase{"TwoAndAHalfGoesToTwo", 0.5F, 1, 5, 2},
    InRangeCase{"OneHalfGoesToZeroAndIsRaised", 0.25F, 1, 2, 1},
    InRangeCase{"LargestFractionGivesHighest", 0.999999940F, 98, 99, 99},
};

class RandomInRangeTest : public ::testing::TestWithParam<InRangeCase> {};

TEST_P(RandomInRangeTest, RoundsHalfToEvenAndRaisesToLowest) {
    const InRangeCase& c = GetParam();
    ScriptedRandomSource source(1, {c.u});
    EXPECT_EQ(RandomInRange(source, c.lowest, c.highest), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Fractions, RandomInRangeTest, ::testing::ValuesIn(kInRangeCases),
                         kCaseName);

struct MixCase {
    const char* name;
    float u;  // followed by 0.5, which gives "-" if u is redrawn
    const char* sign;
    std::size_t draws;
};

const std::array kMixCases{
    MixCase{"QuarterGivesPlus", 0.25F, "+", 1},
    MixCase{"HalfGivesMinus", 0.5F, "-", 1},
    MixCase{"SevenTenthsGivesTimes", 0.7F, "*", 1},
    MixCase{"NineTenthsGivesTheDivideSign", 0.9F, "\u00F7", 1},
    MixCase{"ZeroIsRedrawn", 0.0F, "-", 2},
    MixCase{"LargestFractionGivesTheDivideSign", 0.999999940F, "\u00F7", 1},
};

class RandomMixOperatorTest : public ::testing::TestWithParam<MixCase> {};

TEST_P(RandomMixOperatorTest, RedrawsBelowOneFifthAndNeverGivesMix) {
    const MixCase& c = GetParam();
    ScriptedRandomSource source(1, {c.u, 0.5F});
    EXPECT_EQ(RandomMixOperator(source, MakeState(Mix)), QString::fromUtf8(c.sign));
    EXPECT_EQ(source.used, c.draws);
}

INSTANTIATE_TEST_SUITE_P(Fractions, RandomMixOperatorTest, ::testing::ValuesIn(kMixCases),
                         kCaseName);

// A source stuck below 0.2 cannot hold it up: after 64 redraws 1 + floor(0.6 * 4).
TEST(RandomMixOperator, StopsRedrawingAfter64Draws) {
    std::vector<float> stuck(64, 0.1F);
    stuck.push_back(0.6F);
    ScriptedRandomSource source(1, stuck);
    EXPECT_EQ(RandomMixOperator(source, MakeState(Mix)), QStringLiteral("*"));
}

bool KeepsRepeatRule(int a, int b, int previousFirst, int previousSecond, RepeatRule rule) {
    const bool newFirst = a != previousFirst, newSecond = b != previousSecond;
    return rule == RepeatRule::Waived || (newFirst && newSecond) ||
           (rule == RepeatRule::EitherHalf && (newFirst || newSecond));
}

// May any pair follow the previous problem, keeping the repeat rule as far as asked?
// Worked out by brute force.
bool AnyPairAcceptable(const QString& sign, const WorksheetState& state, int previousFirst,
                       int previousSecond, bool allowNegative,
                       RepeatRule rule = RepeatRule::BothHalves) {
    for (int a = state.lowestNumber; a <= state.highestNumber; ++a)
        for (int b = state.lowestNumber; b <= state.highestNumber; ++b)
            if ((sign != "-" || allowNegative || a >= b) &&
                (sign != DivideSignText() || a % b == 0) &&
                KeepsRepeatRule(a, b, previousFirst, previousSecond, rule))
                return true;
    return false;
}

struct ComposeCase {
    const char* name;
    OperationRow row;
    bool allowNegative = false;
    Notation notation = Notation::LineAndDots;
};

const std::array kComposeCases{
    ComposeCase{"Addition", Add},
    ComposeCase{"Subtraction", Subtract},
    ComposeCase{"Multiplication", Multiply},
    ComposeCase{"DivisionLineAndDots", Divide},
    ComposeCase{"DivisionUpsideDownSeven", Divide, false, Notation::UpsideDownSeven},
    ComposeCase{"Mix", Mix},
    ComposeCase{"MixWithNegatives", Mix, true},
};

// Ranges of two numbers with 100 problems, and a sample of wider ranges and counts.
std::vector<Numbers> SampleRanges() {
    std::vector<Numbers> ranges;
    for (int lowest = 1; lowest <= 98; lowest += 4) {
        ranges.push_back({lowest, lowest + 1, 100});
    }
    for (int lowest = 1; lowest <= 90; lowest += 22) {
        ranges.push_back({lowest, lowest + 2, 100});
        ranges.push_back({lowest, 99, 100});
    }
    for (int run = 0; run < 4; ++run) {
        ranges.push_back({1, 9, 100 - run});
        ranges.push_back({1, 99, 1 + run});
    }
    return ranges;
}

// One problem against the rules a composed set keeps outside the cell-numbering mode: its
// operation, range, quotient, sign of result, texts and solution; and a number of the
// neighbour's only where no pair could have avoided it, both only where no pair could have
// kept one apart.
void ExpectProblemKeepsTheRules(const ComposeCase& c, const WorksheetState& state,
                                const ProblemEntry& e, int previousFirst, int previousSecond) {
    const int a = e.first, b = e.second;
    ASSERT_TRUE(c.row == Mix || e.operatorSign == state.ChosenOperation().symbol);
    ASSERT_TRUE(state.lowestNumber <= std::min(a, b) && std::max(a, b) <= state.highestNumber);
    ASSERT_TRUE(e.operatorSign != DivideSignText() || a % b == 0);
    ASSERT_TRUE(e.operatorSign != "-" || c.allowNegative || a >= b);
    if (a == previousFirst || b == previousSecond) {
        ASSERT_FALSE(AnyPairAcceptable(e.operatorSign, state, previousFirst, previousSecond,
                                       c.allowNegative));
        ASSERT_FALSE(a == previousFirst && b == previousSecond &&
                     AnyPairAcceptable(e.operatorSign, state, previousFirst, previousSecond,
                                       c.allowNegative, RepeatRule::EitherHalf));
    }
    const bool exchangeTexts = c.row == Divide && c.notation == Notation::LineAndDots;
    const QString first = QString::number(a), second = QString::number(b);
    ASSERT_EQ(e.firstNumberText, exchangeTexts ? second : first);
    ASSERT_EQ(e.secondNumberText, exchangeTexts ? first : second);
    const std::map<QString, int> results = {
        {"+", a + b}, {"-", a - b}, {"*", a * b}, {DivideSignText(), a / b}};
    ASSERT_EQ(e.solutionText, QString::number(results.at(e.operatorSign)));
}

class ComposeProblemsTest : public ::testing::TestWithParam<ComposeCase> {
  protected:
    void ExpectSetKeepsEveryRule(const Numbers& numbers, std::uint32_t seed);

    // What the sets of the sweep showed between them.
    int waivers = 0;  // problems sharing a number with their neighbour
    int negatives = 0;
    QSet<QString> operators;
};

// Composes one set from a fresh source and checks the progress bar, the questions about
// negative results (asked anew for every subtraction) and every problem.
void ComposeProblemsTest::ExpectSetKeepsEveryRule(const Numbers& numbers, std::uint32_t seed) {
    const ComposeCase& c = GetParam();
    WorksheetState state = MakeState(c.row, numbers, c.notation);
    ScriptedRandomSource source(seed);
    RecordingHost host;
    host.allowNegative = c.allowNegative;
    const ProblemSet set = ComposeProblems(state, source, host);
    ASSERT_EQ(set.problems.size(), static_cast<std::size_t>(numbers.count));
    std::vector<int> progress(set.problems.size());
    std::iota(progress.begin(), progress.end(), 1);
    ASSERT_EQ(host.values, progress);
    ASSERT_EQ(host.ranges, (std::vector<std::pair<int, int>>{{1, numbers.count}}));
    ASSERT_EQ(source.reseeds, 1);
    ASSERT_EQ(state.currentOperator, set.problems.back().operatorSign);
    int previousFirst = -1, previousSecond = -1, subtractions = 0;
    for (const ProblemEntry& e : set.problems) {
        ASSERT_NO_FATAL_FAILURE(
            ExpectProblemKeepsTheRules(c, state, e, previousFirst, previousSecond));
        operators.insert(e.operatorSign);
        subtractions += e.operatorSign == "-" ? 1 : 0;
        negatives += e.first < e.second && e.operatorSign == "-" ? 1 : 0;
        waivers += e.first == previousFirst || e.second == previousSecond ? 1 : 0;
        previousFirst = e.first;
        previousSecond = e.second;
    }
    ASSERT_EQ(host.questions, subtractions);
}

TEST_P(ComposeProblemsTest, KeepsEveryRuleOverManySeedsAndRanges) {
    std::uint32_t seed = 1;
    for (const Numbers& numbers : SampleRanges()) {
        SCOPED_TRACE(std::to_string(numbers.lowest) + ".." + std::to_string(numbers.highest) +
                     ", seed " + std::to_string(seed));
        ASSERT_NO_FATAL_FAILURE(ExpectSetKeepsEveryRule(numbers, seed++));
    }
    const ComposeCase& c = GetParam();
    EXPECT_TRUE(c.row != Mix || operators.size() == 4U);
    EXPECT_EQ(negatives > 0, c.allowNegative);  // negatives do occur when allowed
    // Narrow subtractions need the waiver, e.g. after 6 - 5 on 5..6.
    EXPECT_TRUE(c.row != Subtract || c.allowNegative || waivers > 0);
}

INSTANTIATE_TEST_SUITE_P(Settings, ComposeProblemsTest, ::testing::ValuesIn(kComposeCases),
                         kCaseName);

struct CellNumberingCase {
    const char* name;
    OperationRow row;
    std::array<const char*, 3> solutions;
};

const std::array kCellNumberingCases{
    CellNumberingCase{
        "Division", Divide, {"0.983870967741935", "0.983870967741935", "1.01639344262295"}},
    // A subtraction still puts the larger number first.
    CellNumberingCase{"Subtraction", Subtract, {"1", "1", "1"}},
};

class CellNumberingTest : public ::testing::TestWithParam<CellNumberingCase> {};

TEST_P(CellNumberingTest, ShowsLabelNumbersAndAcceptsEveryDraw) {
    const CellNumberingCase& c = GetParam();
    WorksheetState state = MakeState(c.row, {61, 62, 3});
    state.showCellNumbers = true;
    // 0.98 * 62 = 60.76 -> 61, 0.995 * 62 = 61.69 -> 62; the same pair twice, undivided.
    ScriptedRandomSource source(1, {0.98F, 0.995F, 0.98F, 0.995F, 0.995F, 0.98F});
    RecordingHost host;
    const ProblemSet set = ComposeProblems(state, source, host);
    ASSERT_TRUE(set.cellNumbering && set.problems.size() == 3U && source.used == 6U);
    for (std::size_t cell = 0; cell < 3; ++cell) {
        const ProblemEntry& e = set.problems[cell];
        EXPECT_EQ(e.firstNumberText + " " + e.secondNumberText,
                  QStringLiteral("%1 %2").arg(2 * cell + 1).arg(2 * cell + 2));
        EXPECT_EQ(e.operatorSign, state.ChosenOperation().symbol);
        EXPECT_EQ(e.solutionText, c.solutions.at(cell));
    }
}

INSTANTIATE_TEST_SUITE_P(Operations, CellNumberingTest, ::testing::ValuesIn(kCellNumberingCases),
                         kCaseName);

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
        if (KeepsRepeatRule(a, b, rules.previousFirst, rules.previousSecond, rules.repeatRule))
            return {a, b};
    }
}

using PairCounts = std::map<std::pair<int, int>, double>;

// A two-sample chi-square statistic over equal sample sizes, with about as many degrees of
// freedom as there are pairs. The bound is generous and the seeds fixed: never flaky.
bool SameDistribution(PairCounts one, PairCounts other) {
    for (const auto& entry : other)
        one[entry.first];
    double statistic = 0.0;
    for (const auto& [pair, x] : one)
        statistic += std::pow(x - other[pair], 2) / (x + other[pair]);
    const auto degrees = static_cast<double>(one.size());
    return statistic < degrees + 8.0 * std::sqrt(2.0 * degrees) + 10.0;
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
    {"FirstSum", 1, 5, false, false, -1, -1, RepeatRule::BothHalves},
    {"FirstDifference", 2, 6, true, false, -1, -1, RepeatRule::BothHalves},
    {"NarrowDifferenceAfterSixMinusFive", 5, 6, true, false, 6, 5, RepeatRule::EitherHalf},
    {"NarrowDifferenceAfterSixMinusSix", 5, 6, true, false, 6, 6, RepeatRule::BothHalves},
    {"WideQuotientAfterTwelveByOne", 1, 99, false, true, 12, 1, RepeatRule::BothHalves},
    {"NarrowQuotientAfterTwoByOne", 1, 2, false, true, 2, 1, RepeatRule::EitherHalf},
    {"NarrowQuotientAfterSevenAndEight", 7, 8, false, true, 7, 8, RepeatRule::EitherHalf},
    {"OneNumberDifferenceAfterItself", 5, 5, true, false, 5, 5, RepeatRule::Waived},
    {"OneNumberQuotientAfterItself", 4, 4, false, true, 4, 4, RepeatRule::Waived},
};
// clang-format on

class PairDrawerTest : public ::testing::TestWithParam<DrawerCase> {};

// Whether drawn by plain draws, from the quotient list or from worked-out odds alone, pairs
// follow the plain loop, which asks no more of the repeat rule than some pair can keep.
TEST_P(PairDrawerTest, MatchesThePlainLoopAndLoosensTheRepeatRuleOnlyAsFarAsNeeded) {
    const DrawerCase& c = GetParam();
    const PairRules rules{c.largerFirst,          c.wholeQuotient, false,
                          RepeatRule::BothHalves, c.previousFirst, c.previousSecond};
    PairRules kept = rules, unruled = rules;
    kept.repeatRule = c.kept;
    unruled.repeatRule = RepeatRule::Waived;
    const PairDrawer drawer(c.lowest, c.highest);
    EXPECT_EQ(drawer.AcceptablePairExists(rules), c.kept == RepeatRule::BothHalves);
    EXPECT_TRUE(drawer.AcceptablePairExists(kept));
    ScriptedRandomSource loopSource(2024), drawerSource(4202);
    PairCounts fromLoop, byDefault, byOdds, fromUnruledLoop;
    for (int sample = 0; sample < 20000; ++sample) {
        const DrawnPair drawn = drawer.Draw(drawerSource, rules);
        const DrawnPair worked = drawer.Draw(drawerSource, rules, 0);  // no plain draws
        ASSERT_TRUE(drawn.repeatRuleKept == c.kept && worked.repeatRuleKept == c.kept);
        ++byDefault[{drawn.first, drawn.second}];
        ++byOdds[{worked.first, worked.second}];
        ++fromLoop[PlainLoop(loopSource, c.lowest, c.highest, kept)];
        ++fromUnruledLoop[PlainLoop(loopSource, c.lowest, c.highest, unruled)];
    }
    EXPECT_TRUE(SameDistribution(fromLoop, byDefault) && SameDistribution(fromLoop, byOdds));
    // The statistic can fail: it tells the loops apart wherever the rule rules a pair out.
    const bool rulesOut = std::ranges::any_of(fromUnruledLoop, [&](const auto& entry) {
        return !PassesRules(entry.first.first, entry.first.second, kept);
    });
    EXPECT_EQ(SameDistribution(fromLoop, fromUnruledLoop), !rulesOut);
}

INSTANTIATE_TEST_SUITE_P(Rules, PairDrawerTest, ::testing::ValuesIn(kDrawerCases), kCaseName);

}  // namespace
}  // namespace tallyworth
