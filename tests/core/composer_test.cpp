#include "core/composer.h"
#include "core/operations.h"
#include "core/pair_drawing.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numeric>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace tallyworth {
namespace {

const QString kDivideSign(QChar(0x00F7));
constexpr OperationRow kPlus = OperationRow::Add;
constexpr OperationRow kMinus = OperationRow::Subtract;
constexpr OperationRow kTimes = OperationRow::Multiply;
constexpr OperationRow kDivide = OperationRow::Divide;
constexpr OperationRow kMix = OperationRow::Mix;

// Hands out the scripted fractions first, then fractions made the way the program's own
// source makes them. A reseed keeps the sequence, so the seed fixes the whole run.
struct TestSource final : RandomSource {
    explicit TestSource(std::uint32_t seed, std::vector<float> fractions = {})
        : engine(seed), script(std::move(fractions)) {}
    float NextFraction() override {
        const auto fraction = static_cast<float>(engine() >> 8U) / 16777216.0F;
        return used < script.size() ? script[used++] : fraction;
    }
    void Reseed() override { ++reseeds; }
    std::mt19937 engine;
    std::vector<float> script;
    std::size_t used = 0;  // scripted fractions handed out
    int reseeds = 0;
};

// Records the progress bar, the questions about negative results and the operation list.
struct RecordingHost final : ComposerHost, OperationList {
    void SetProgressRange(int low, int high) override { ranges.emplace_back(low, high); }
    void SetProgressValue(int value) override { values.push_back(value); }
    [[nodiscard]] bool AllowsNegativeResults() const override {
        ++questions;
        return allowNegative;
    }
    void AppendOperation(const QString& symbol) override { operations << symbol; }
    bool allowNegative = false;
    std::vector<std::pair<int, int>> ranges;
    std::vector<int> values;
    QStringList operations;
    mutable int questions = 0;
};

WorksheetState MakeState(OperationRow row, int lowest, int highest, int count = 100) {
    WorksheetState state;
    RecordingHost list;
    InitGlobals(state, list);
    state.operation = RowNumber(row);
    state.lowestNumber = static_cast<std::int16_t>(lowest);
    state.highestNumber = static_cast<std::int16_t>(highest);
    state.numberOfProblems = static_cast<std::int16_t>(count);
    return state;
}

TEST(InitGlobals, SetsTheStartUpValuesAndListsTheOperationsInOrder) {
    WorksheetState state;
    RecordingHost list;
    InitGlobals(state, list);
    EXPECT_EQ(list.operations, (QStringList{"+", "-", "*", kDivideSign, "Mix"}));
    const int perPage[] = {0, 100, 100, 100, 50, 100};
    for (std::size_t row = 1; row < state.operations.size(); ++row) {
        EXPECT_EQ(state.operations[row].symbol, list.operations[static_cast<qsizetype>(row - 1)]);
        EXPECT_EQ(state.operations[row].problemsPerPage, perPage[row]);
        EXPECT_EQ(state.operations[row].isMix, row == static_cast<std::size_t>(RowNumber(kMix)));
    }
    EXPECT_EQ(state.divisionSymbol + state.divideSign, "%" + kDivideSign);
    EXPECT_EQ(std::tie(state.operation, state.currentPage), std::make_tuple(1, 1));
    EXPECT_FALSE(state.showCellNumbers || state.showSolutions);
}

TEST(RandomInRange, RoundsHalfToEvenAndRaisesToLowest) {
    // u, lowest, highest, expected: 0.5 * 9 = 4.5 goes to 4 and is raised to 5.
    const std::array<float, 4> cases[] = {
        {0.0F, 5, 9, 5},  {0.5F, 5, 9, 5},    {0.9F, 5, 9, 8},
        {0.99F, 5, 9, 9}, {0.5F, 1, 5, 2},    {0.5F, 1, 7, 4},
        {0.25F, 1, 2, 1}, {0.0F, 98, 99, 98}, {0.999999940F, 98, 99, 99}};
    for (const auto& [u, lowest, highest, expected] : cases) {
        TestSource source(1, {u});
        EXPECT_EQ(RandomInRange(source, static_cast<std::int16_t>(lowest),
                                static_cast<std::int16_t>(highest)),
                  static_cast<int>(expected))
            << "u = " << u;
    }
}

TEST(RandomMixOperator, RedrawsBelowOneFifthAndNeverGivesMix) {
    // Each fraction is followed by 0.5, which gives "-" if the first is redrawn.
    const std::pair<float, const char*> cases[] = {
        {0.25F, "+"},     {0.5F, "-"}, {0.7F, "*"},  {0.2F, "+"},
        {0.9F, "\u00F7"}, {0.0F, "-"}, {0.19F, "-"}, {0.999999940F, "\u00F7"}};
    const WorksheetState state = MakeState(kMix, 1, 9);
    for (const auto& [u, expected] : cases) {
        TestSource source(1, {u, 0.5F});
        EXPECT_EQ(RandomMixOperator(source, state), QString::fromUtf8(expected)) << "u = " << u;
        EXPECT_EQ(source.used, u < 0.2F ? 2U : 1U);
    }
    // A source stuck below 0.2 cannot hold it up: after 64 redraws 1 + floor(0.6 * 4).
    std::vector<float> stuck(64, 0.1F);
    stuck.push_back(0.6F);
    TestSource source(1, stuck);
    EXPECT_EQ(RandomMixOperator(source, state), QStringLiteral("*"));
}

TEST(ClockSeededRandomSource, StaysBelowOneAndEveryReseedStartsANewSequence) {
    ClockSeededRandomSource source;
    std::set<std::vector<float>> starts;
    float largest = 0.0F;
    for (int reseed = 0; reseed < 20; ++reseed) {
        source.Reseed();  // several reseeds fall into the same clock tick
        std::vector<float> start(5000);
        for (float& u : start)
            largest = std::max(largest, u = source.NextFraction());
        EXPECT_TRUE(starts.insert(start).second);
    }
    EXPECT_TRUE(largest >= 0.999F && largest < 1.0F);
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
            if ((sign != "-" || allowNegative || a >= b) && (sign != kDivideSign || a % b == 0) &&
                KeepsRepeatRule(a, b, previousFirst, previousSecond, rule))
                return true;
    return false;
}

struct Setting {
    OperationRow row;
    bool allowNegative = false;
    QString notation = QStringLiteral("%");
};

// Every rule a composed set keeps outside the cell-numbering mode, on 100 problems of every
// operation on every range of two numbers, and on a sample of wider ranges and counts.
TEST(ComposeProblems, KeepsEveryRuleOverManySeedsOnEveryNarrowAndASampleOfWideRanges) {
    const Setting settings[] = {{kPlus},  {kMinus},     {kMinus, true},
                                {kTimes}, {kDivide},    {kDivide, false, kDivideSign},
                                {kMix},   {kMix, true}, {kMix, false, kDivideSign}};
    std::vector<std::array<int, 3>> ranges;  // lowest, highest, count
    for (int lowest = 1; lowest <= 98; ++lowest)
        ranges.push_back({lowest, lowest + 1, 100});
    for (int lowest = 1; lowest <= 90; lowest += 11) {
        ranges.push_back({lowest, lowest + 2, 100});
        ranges.push_back({lowest, 99, 100});
    }
    for (int run = 0; run < 10; ++run) {
        ranges.push_back({1, 9, 100 - run});
        ranges.push_back({1, 99, 1 + run});
    }
    std::uint32_t seed = 1;
    for (const Setting& s : settings) {
        int waivers = 0, negatives = 0;
        QSet<QString> operators;
        for (const auto& [lowest, highest, count] : ranges) {
            SCOPED_TRACE("row " + std::to_string(RowNumber(s.row)) + ", seed " +
                         std::to_string(seed));
            WorksheetState state = MakeState(s.row, lowest, highest, count);
            state.divisionSymbol = s.notation;
            TestSource source(seed++);
            RecordingHost host;
            host.allowNegative = s.allowNegative;
            const ProblemSet set = ComposeProblems(state, source, host);
            ASSERT_EQ(set.problems.size(), static_cast<std::size_t>(count));
            std::vector<int> progress(static_cast<std::size_t>(count));
            std::iota(progress.begin(), progress.end(), 1);
            ASSERT_EQ(host.values, progress);
            ASSERT_EQ(host.ranges, (std::vector<std::pair<int, int>>{{1, count}}));
            ASSERT_EQ(source.reseeds, 1);
            ASSERT_EQ(state.currentOperator, set.problems.back().operatorSign);
            const bool exchangeTexts = s.row == kDivide && s.notation == "%";
            int previousFirst = -1, previousSecond = -1, subtractions = 0;
            for (const ProblemEntry& e : set.problems) {
                const int a = e.first, b = e.second;
                operators.insert(e.operatorSign);
                subtractions += e.operatorSign == "-" ? 1 : 0;
                negatives += a < b && e.operatorSign == "-" ? 1 : 0;
                ASSERT_TRUE(s.row == kMix || e.operatorSign == state.ChosenOperation().symbol);
                ASSERT_TRUE(lowest <= std::min(a, b) && std::max(a, b) <= highest);
                ASSERT_TRUE(e.operatorSign != kDivideSign || a % b == 0);
                ASSERT_TRUE(e.operatorSign != "-" || s.allowNegative || a >= b);
                if (a == previousFirst || b == previousSecond) {
                    // A number of the neighbour's only where no pair could have avoided it,
                    // and both only where no pair could have kept one apart.
                    ASSERT_FALSE(AnyPairAcceptable(e.operatorSign, state, previousFirst,
                                                   previousSecond, s.allowNegative));
                    ASSERT_FALSE(a == previousFirst && b == previousSecond &&
                                 AnyPairAcceptable(e.operatorSign, state, previousFirst,
                                                   previousSecond, s.allowNegative,
                                                   RepeatRule::EitherHalf));
                    ++waivers;
                }
                previousFirst = a;
                previousSecond = b;
                const QString first = QString::number(a), second = QString::number(b);
                ASSERT_EQ(e.firstNumberText, exchangeTexts ? second : first);
                ASSERT_EQ(e.secondNumberText, exchangeTexts ? first : second);
                const std::map<QString, int> results = {
                    {"+", a + b}, {"-", a - b}, {"*", a * b}, {kDivideSign, a / b}};
                ASSERT_EQ(e.solutionText, QString::number(results.at(e.operatorSign)));
            }
            ASSERT_EQ(host.questions, subtractions);  // asked anew for every subtraction
        }
        EXPECT_TRUE(s.row != kMix || operators.size() == 4U);
        EXPECT_EQ(negatives > 0, s.allowNegative);  // negatives do occur when allowed
        // Narrow subtractions need the waiver, e.g. after 6 - 5 on 5..6.
        EXPECT_TRUE(s.row != kMinus || s.allowNegative || waivers > 0);
    }
}

TEST(ComposeProblems, CellNumberingShowsLabelNumbersAndAcceptsEveryDraw) {
    // 0.98 * 62 = 60.76 -> 61, 0.995 * 62 = 61.69 -> 62; the same pair twice, undivided.
    const std::vector<float> fractions = {0.98F, 0.995F, 0.98F, 0.995F, 0.995F, 0.98F};
    const char* const quotients[] = {"0.983870967741935", "0.983870967741935", "1.01639344262295"};
    for (const OperationRow row : {kDivide, kMinus}) {
        WorksheetState state = MakeState(row, 61, 62, 3);
        state.showCellNumbers = true;
        TestSource source(1, fractions);
        RecordingHost host;
        const ProblemSet set = ComposeProblems(state, source, host);
        ASSERT_TRUE(set.cellNumbering && set.problems.size() == 3U && source.used == 6U);
        for (int cell = 0; cell < 3; ++cell) {
            const ProblemEntry& e = set.problems[static_cast<std::size_t>(cell)];
            EXPECT_EQ(e.firstNumberText + " " + e.secondNumberText,
                      QStringLiteral("%1 %2").arg(2 * cell + 1).arg(2 * cell + 2));
            EXPECT_EQ(e.operatorSign, state.ChosenOperation().symbol);
            // A subtraction still puts the larger number first.
            EXPECT_EQ(e.solutionText, row == kMinus ? "1" : quotients[cell]);
        }
    }
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
    {"SumAfterOnePlusOne", 1, 5, false, false, 1, 1, RepeatRule::BothHalves},
    {"SumAfterSevenPlusEight", 7, 9, false, false, 7, 8, RepeatRule::BothHalves},
    {"FirstDifference", 2, 6, true, false, -1, -1, RepeatRule::BothHalves},
    {"DifferenceAfterThreeMinusTwo", 1, 4, true, false, 3, 2, RepeatRule::BothHalves},
    {"NarrowDifferenceAfterSixMinusFive", 5, 6, true, false, 6, 5, RepeatRule::EitherHalf},
    {"NarrowDifferenceAfterTwoMinusOne", 1, 2, true, false, 2, 1, RepeatRule::EitherHalf},
    {"NarrowDifferenceAfterSixMinusSix", 5, 6, true, false, 6, 6, RepeatRule::BothHalves},
    {"NarrowSumAfterSixPlusFive", 5, 6, false, false, 6, 5, RepeatRule::BothHalves},
    {"FirstQuotient", 3, 12, false, true, -1, -1, RepeatRule::BothHalves},
    {"QuotientAfterFourByTwo", 1, 6, false, true, 4, 2, RepeatRule::BothHalves},
    {"WideQuotientAfterTwelveByOne", 1, 99, false, true, 12, 1, RepeatRule::BothHalves},
    {"NarrowQuotientAfterTwoByOne", 1, 2, false, true, 2, 1, RepeatRule::EitherHalf},
    {"NarrowQuotientAfterOneAndTwo", 1, 2, false, true, 1, 2, RepeatRule::BothHalves},
    {"NarrowQuotientAfterSevenAndEight", 7, 8, false, true, 7, 8, RepeatRule::EitherHalf},
    {"NarrowQuotientAfterEightAndSeven", 7, 8, false, true, 8, 7, RepeatRule::EitherHalf},
    {"NarrowQuotientAfterSevenBySeven", 7, 8, false, true, 7, 7, RepeatRule::BothHalves},
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
    TestSource loopSource(2024), drawerSource(4202);
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

INSTANTIATE_TEST_SUITE_P(Rules, PairDrawerTest, ::testing::ValuesIn(kDrawerCases),
                         [](const auto& param) { return std::string(param.param.name); });

struct NarrowCase {
    const char* name;
    OperationRow row;
    std::int16_t lowest;  // highest is one more
    bool allowNegative = false;
};

// The operations and ranges where, after some problems, no pair keeps the whole repeat rule.
const NarrowCase kNarrowCases[] = {{"SubtractionFiveSix", kMinus, 5},
                                   {"SubtractionOneTwo", kMinus, 1},
                                   {"DivisionOneTwo", kDivide, 1},
                                   {"MixSevenEight", kMix, 7},
                                   {"MixOneTwo", kMix, 1},
                                   {"MixNinetyEightNinetyNine", kMix, 98},
                                   {"MixWithNegatives", kMix, 5, true}};

class TwoNumberRangeTest : public ::testing::TestWithParam<NarrowCase> {};

// Where the whole rule cannot hold, a problem shares one number with its neighbour, and it
// shares both only where no pair could keep them apart.
TEST_P(TwoNumberRangeTest, NeverRepeatsANeighbourWholeWhereOneNumberCanDiffer) {
    const NarrowCase& c = GetParam();
    int sharedOne = 0;
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        WorksheetState state = MakeState(c.row, c.lowest, c.lowest + 1);
        TestSource source(seed);
        RecordingHost host;
        host.allowNegative = c.allowNegative;
        const ProblemSet set = ComposeProblems(state, source, host);
        int previousFirst = -1, previousSecond = -1;
        for (const ProblemEntry& e : set.problems) {
            const bool sameFirst = e.first == previousFirst,
                       sameSecond = e.second == previousSecond;
            ASSERT_FALSE(sameFirst && sameSecond &&
                         AnyPairAcceptable(e.operatorSign, state, previousFirst, previousSecond,
                                           c.allowNegative, RepeatRule::EitherHalf))
                << "seed " << seed << ": " << e.first << " " << e.operatorSign.toStdString() << " "
                << e.second << " twice";
            sharedOne += sameFirst != sameSecond ? 1 : 0;
            previousFirst = e.first;
            previousSecond = e.second;
        }
    }
    EXPECT_GT(sharedOne, 0);  // the rule did have to give way
}

INSTANTIATE_TEST_SUITE_P(Ranges, TwoNumberRangeTest, ::testing::ValuesIn(kNarrowCases),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tallyworth
