#include "core_test_support.h"

#include "core/composer.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QString>

#include <algorithm>
#include <iterator>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace tallyworth {
namespace {

using testing::kDivideRow;
using testing::kMinusRow;
using testing::kMixRow;
using testing::kPlusRow;
using testing::kTimesRow;
using testing::MakeState;
using testing::RecordingHost;
using testing::ScriptedRandomSource;
using testing::SeededRandomSource;

const QString kDivide = QString(QChar(0x00F7));

bool IsSubtractionWithoutNegatives(const QString& sign, bool allowNegative) {
    return sign == QStringLiteral("-") && !allowNegative;
}

// Worked out here independently of the composer: may any pair follow the previous one?
bool AcceptablePairExists(const QString& sign, int lowest, int highest, int previousFirst,
                          int previousSecond, bool allowNegative) {
    for (int a = lowest; a <= highest; ++a) {
        for (int b = lowest; b <= highest; ++b) {
            if (IsSubtractionWithoutNegatives(sign, allowNegative) && a < b) {
                continue;
            }
            if (sign == kDivide && a % b != 0) {
                continue;
            }
            if (a != previousFirst && b != previousSecond) {
                return true;
            }
        }
    }
    return false;
}

QString ExpectedSolution(const ProblemEntry& entry) {
    if (entry.Operator == QStringLiteral("+")) {
        return QString::number(entry.First + entry.Second);
    }
    if (entry.Operator == QStringLiteral("-")) {
        return QString::number(entry.First - entry.Second);
    }
    if (entry.Operator == QStringLiteral("*")) {
        return QString::number(entry.First * entry.Second);
    }
    return QString::number(entry.First / entry.Second);
}

struct Counts {
    int problems = 0;
    int waivers = 0;
    int negatives = 0;
    QSet<QString> operators;
};

// Checks every rule a composed set (outside the cell-numbering mode) must keep.
void CheckSet(const WorksheetState& state, const ProblemSet& set, bool allowNegative,
              Counts& counts) {
    const int lowest = state.gLowestNumber;
    const int highest = state.gHighestNumber;
    const bool mix = state.ChosenOperation().IsMix;
    const bool exchangeTexts = state.IsDivisionWorksheet() && !state.UsesUpsideDownSeven();
    ASSERT_EQ(set.problems.size(), static_cast<std::size_t>(state.gNumberOfProblems));
    int previousFirst = -1;
    int previousSecond = -1;
    for (const ProblemEntry& entry : set.problems) {
        const std::string where = state.ChosenOperation().Symbol.toStdString() + " " +
                                  std::to_string(lowest) + ".." + std::to_string(highest) +
                                  " problem " + std::to_string(counts.problems);
        ++counts.problems;
        counts.operators.insert(entry.Operator);
        if (!mix) {
            ASSERT_EQ(entry.Operator, state.ChosenOperation().Symbol) << where;
        }
        ASSERT_GE(entry.First, lowest) << where;
        ASSERT_LE(entry.First, highest) << where;
        ASSERT_GE(entry.Second, lowest) << where;
        ASSERT_LE(entry.Second, highest) << where;
        if (entry.Operator == kDivide) {
            ASSERT_EQ(entry.First % entry.Second, 0) << where;
        }
        if (IsSubtractionWithoutNegatives(entry.Operator, allowNegative)) {
            ASSERT_GE(entry.First, entry.Second) << where;
        }
        if (entry.First - entry.Second < 0 && entry.Operator == QStringLiteral("-")) {
            ++counts.negatives;
        }
        if (entry.First == previousFirst || entry.Second == previousSecond) {
            // A repeated neighbour is allowed only where no pair could have avoided it.
            ASSERT_FALSE(AcceptablePairExists(entry.Operator, lowest, highest, previousFirst,
                                              previousSecond, allowNegative))
                << where;
            ++counts.waivers;
        }
        previousFirst = entry.First;
        previousSecond = entry.Second;
        const QString firstText = QString::number(entry.First);
        const QString secondText = QString::number(entry.Second);
        ASSERT_EQ(entry.FirstNumberText, exchangeTexts ? secondText : firstText) << where;
        ASSERT_EQ(entry.SecondNumberText, exchangeTexts ? firstText : secondText) << where;
        ASSERT_EQ(entry.SolutionText, ExpectedSolution(entry)) << where;
    }
    ASSERT_EQ(state.gCurrentOperator, set.problems.back().Operator);
}

struct PropertyCase {
    std::int16_t row;
    bool allowNegative;
    const char* notation;  // "%" or the divide sign
};

class ComposerProperties : public ::testing::TestWithParam<PropertyCase> {};

TEST_P(ComposerProperties, HoldOverManySeedsAndRanges) {
    const PropertyCase& c = GetParam();
    Counts counts;
    const std::vector<std::pair<std::int16_t, std::int16_t>> ranges = {
        {1, 9}, {1, 99}, {5, 6}, {1, 2}, {98, 99}, {2, 12}, {50, 60}};
    std::uint32_t seed = 1;
    for (const auto& [lowest, highest] : ranges) {
        for (int run = 0; run < 20; ++run) {
            WorksheetState state = MakeState(c.row, lowest, highest, 100);
            state.gDivisionSymbol = QString::fromUtf8(c.notation);
            SeededRandomSource source(seed++);
            RecordingHost host(c.allowNegative);
            const ProblemSet set = ComposeProblems(state, source, host);
            EXPECT_FALSE(set.cellNumbering);
            CheckSet(state, set, c.allowNegative, counts);
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
        }
    }
    if (c.row == kMixRow) {
        EXPECT_EQ(counts.operators, (QSet<QString>{"+", "-", "*", kDivide}));
    }
    const bool subtracts = c.row == kMinusRow || c.row == kMixRow;
    if (subtracts && c.allowNegative) {
        EXPECT_GT(counts.negatives, 0);
    } else {
        EXPECT_EQ(counts.negatives, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryOperation, ComposerProperties,
    ::testing::Values(PropertyCase{kPlusRow, false, "%"}, PropertyCase{kMinusRow, false, "%"},
                      PropertyCase{kMinusRow, true, "%"}, PropertyCase{kTimesRow, false, "%"},
                      PropertyCase{kDivideRow, false, "%"},
                      PropertyCase{kDivideRow, false, "\u00F7"}, PropertyCase{kMixRow, false, "%"},
                      PropertyCase{kMixRow, true, "%"}));

TEST(ComposeProblems, NeighboursDifferOnOneToNine) {
    for (std::uint32_t seed = 100; seed < 150; ++seed) {
        WorksheetState state = MakeState(kPlusRow, 1, 9, 100);
        SeededRandomSource source(seed);
        RecordingHost host;
        const ProblemSet set = ComposeProblems(state, source, host);
        for (std::size_t i = 1; i < set.problems.size(); ++i) {
            ASSERT_NE(set.problems[i].First, set.problems[i - 1].First) << seed << ":" << i;
            ASSERT_NE(set.problems[i].Second, set.problems[i - 1].Second) << seed << ":" << i;
        }
    }
}

TEST(ComposeProblems, FollowsTheScriptedDraws) {
    // 0.5 * 9 -> 5 (raised), 0.9 * 9 -> 8, 0.99 * 9 -> 9. The second problem's first
    // draw repeats the first number 5, so it is drawn again.
    WorksheetState state = MakeState(kPlusRow, 5, 9, 2);
    ScriptedRandomSource source({0.5F, 0.9F, 0.5F, 0.99F, 0.9F, 0.99F});
    RecordingHost host;
    const ProblemSet set = ComposeProblems(state, source, host);
    ASSERT_EQ(set.problems.size(), 2U);
    EXPECT_EQ(set.problems[0].First, 5);
    EXPECT_EQ(set.problems[0].Second, 8);
    EXPECT_EQ(set.problems[0].SolutionText, QStringLiteral("13"));
    EXPECT_EQ(set.problems[1].First, 8);
    EXPECT_EQ(set.problems[1].Second, 9);
    EXPECT_EQ(set.problems[1].SolutionText, QStringLiteral("17"));
    EXPECT_EQ(source.Used(), 6U);
    EXPECT_EQ(source.reseeds, 1);
}

struct SubtractionCase {
    bool allowNegative;
    int first;
    int second;
    const char* solution;
};

class ScriptedSubtraction : public ::testing::TestWithParam<SubtractionCase> {};

TEST_P(ScriptedSubtraction, ExchangesOnlyWithoutNegativeResults) {
    const SubtractionCase& c = GetParam();
    WorksheetState state = MakeState(kMinusRow, 1, 9, 1);
    ScriptedRandomSource source({0.34F, 0.78F});  // 3.06 -> 3, 7.02 -> 7
    RecordingHost host(c.allowNegative);
    const ProblemSet set = ComposeProblems(state, source, host);
    ASSERT_EQ(set.problems.size(), 1U);
    EXPECT_EQ(set.problems[0].First, c.first);
    EXPECT_EQ(set.problems[0].Second, c.second);
    EXPECT_EQ(set.problems[0].SolutionText, QString::fromUtf8(c.solution));
    EXPECT_EQ(host.negativeQuestions, 1);
}

INSTANTIATE_TEST_SUITE_P(Table, ScriptedSubtraction,
                         ::testing::Values(SubtractionCase{true, 3, 7, "-4"},
                                           SubtractionCase{false, 7, 3, "4"}));

struct DivisionTextCase {
    std::int16_t row;
    const char* notation;
    const char* firstText;
    const char* secondText;
};

class DivisionTexts : public ::testing::TestWithParam<DivisionTextCase> {};

TEST_P(DivisionTexts, PlaceTheDividendWhereTheLayoutReadsIt) {
    const DivisionTextCase& c = GetParam();
    WorksheetState state = MakeState(c.row, 1, 9, 1);
    state.gDivisionSymbol = QString::fromUtf8(c.notation);
    // Mix: 0.9 picks the divide sign. Then 7 / 2 is redrawn and 8 / 2 accepted.
    std::vector<float> fractions = {0.78F, 0.23F, 0.9F, 0.23F};
    if (c.row == kMixRow) {
        fractions.insert(fractions.begin(), 0.9F);
    }
    ScriptedRandomSource source(fractions);
    RecordingHost host;
    const ProblemSet set = ComposeProblems(state, source, host);
    ASSERT_EQ(set.problems.size(), 1U);
    EXPECT_EQ(set.problems[0].Operator, kDivide);
    EXPECT_EQ(set.problems[0].First, 8);
    EXPECT_EQ(set.problems[0].Second, 2);
    EXPECT_EQ(set.problems[0].FirstNumberText, QString::fromUtf8(c.firstText));
    EXPECT_EQ(set.problems[0].SecondNumberText, QString::fromUtf8(c.secondText));
    EXPECT_EQ(set.problems[0].SolutionText, QStringLiteral("4"));
    EXPECT_EQ(host.negativeQuestions, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DivisionTexts,
    ::testing::Values(DivisionTextCase{kDivideRow, "%", "2", "8"},
                      DivisionTextCase{kDivideRow, "\u00F7", "8", "2"},
                      // A division inside a Mix worksheet stands in the grid like the rest.
                      DivisionTextCase{kMixRow, "%", "8", "2"},
                      DivisionTextCase{kMixRow, "\u00F7", "8", "2"}));

TEST(ComposeProblems, ReportsProgressForEveryProblem) {
    for (const int count : {1, 2, 37, 100}) {
        WorksheetState state = MakeState(kTimesRow, 1, 9, static_cast<std::int16_t>(count));
        SeededRandomSource source(7);
        RecordingHost host;
        const ProblemSet set = ComposeProblems(state, source, host);
        EXPECT_EQ(set.problems.size(), static_cast<std::size_t>(count));
        ASSERT_EQ(host.ranges.size(), 1U);
        EXPECT_EQ(host.ranges[0], std::make_pair(1, count));
        std::vector<int> expected(static_cast<std::size_t>(count));
        std::iota(expected.begin(), expected.end(), 1);
        EXPECT_EQ(host.values, expected);
        EXPECT_EQ(source.reseeds, 1);
    }
}

TEST(ComposeProblems, AsksAboutNegativeResultsForEverySubtraction) {
    WorksheetState state = MakeState(kMixRow, 1, 9, 100);
    SeededRandomSource source(11);
    RecordingHost host(true);
    const ProblemSet set = ComposeProblems(state, source, host);
    const auto subtractions = std::count_if(
        set.problems.begin(), set.problems.end(),
        [](const ProblemEntry& entry) { return entry.Operator == QStringLiteral("-"); });
    EXPECT_GT(subtractions, 0);
    EXPECT_EQ(host.negativeQuestions, subtractions);
}

TEST(ComposeProblems, ReseedsAtEveryComposition) {
    WorksheetState state = MakeState(kPlusRow, 1, 9, 5);
    SeededRandomSource source(3);
    RecordingHost host;
    (void)ComposeProblems(state, source, host);
    (void)ComposeProblems(state, source, host);
    EXPECT_EQ(source.reseeds, 2);
}

TEST(ComposeProblems, CellNumberingShowsLabelNumbersAndAcceptsEveryDraw) {
    WorksheetState state = MakeState(kDivideRow, 61, 62, 3);
    state.gShowCellNumbers = true;
    // 0.995 * 62 = 61.69 -> 62; 0.98 * 62 = 60.76 -> 61. The same pair three times: no
    // redraws, and 61 / 62 has no whole quotient.
    ScriptedRandomSource source({0.98F, 0.995F, 0.98F, 0.995F, 0.995F, 0.98F});
    RecordingHost host;
    const ProblemSet set = ComposeProblems(state, source, host);
    EXPECT_TRUE(set.cellNumbering);
    ASSERT_EQ(set.problems.size(), 3U);
    EXPECT_EQ(source.Used(), 6U);
    const char* const labels[][2] = {{"1", "2"}, {"3", "4"}, {"5", "6"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(set.problems[i].FirstNumberText, QString::fromUtf8(labels[i][0]));
        EXPECT_EQ(set.problems[i].SecondNumberText, QString::fromUtf8(labels[i][1]));
        EXPECT_EQ(set.problems[i].Operator, kDivide);
    }
    EXPECT_EQ(set.problems[0].First, 61);
    EXPECT_EQ(set.problems[0].Second, 62);
    EXPECT_EQ(set.problems[0].SolutionText, QStringLiteral("0.983870967741935"));
    EXPECT_EQ(set.problems[1].SolutionText, QStringLiteral("0.983870967741935"));
    EXPECT_EQ(set.problems[2].SolutionText, QStringLiteral("1.01639344262295"));
}

TEST(ComposeProblems, CellNumberingStillExchangesSubtraction) {
    WorksheetState state = MakeState(kMinusRow, 61, 62, 2);
    state.gShowCellNumbers = true;
    ScriptedRandomSource source({0.98F, 0.995F, 0.98F, 0.995F});
    RecordingHost host(false);
    const ProblemSet set = ComposeProblems(state, source, host);
    ASSERT_EQ(set.problems.size(), 2U);
    for (const ProblemEntry& entry : set.problems) {
        EXPECT_EQ(entry.First, 62);
        EXPECT_EQ(entry.Second, 61);
        EXPECT_EQ(entry.SolutionText, QStringLiteral("1"));
    }
    EXPECT_EQ(set.problems[1].FirstNumberText, QStringLiteral("3"));
    EXPECT_EQ(set.problems[1].SecondNumberText, QStringLiteral("4"));
}

TEST(ComposeProblems, WritesLargeProductsAsPlainDigits) {
    WorksheetState state = MakeState(kTimesRow, 98, 99, 1);
    ScriptedRandomSource source({0.999F, 0.999F});
    RecordingHost host;
    const ProblemSet set = ComposeProblems(state, source, host);
    ASSERT_EQ(set.problems.size(), 1U);
    EXPECT_EQ(set.problems[0].SolutionText, QStringLiteral("9801"));
}

struct UnvalidatedCase {
    std::int16_t row;
    std::int16_t lowest;
    std::int16_t highest;
    std::int16_t count;
};

class UnvalidatedSettings : public ::testing::TestWithParam<UnvalidatedCase> {};

TEST_P(UnvalidatedSettings, ComposeNothing) {
    const UnvalidatedCase& c = GetParam();
    WorksheetState state = MakeState(c.row, c.lowest, c.highest, c.count);
    SeededRandomSource source(1);
    RecordingHost host;
    EXPECT_TRUE(ComposeProblems(state, source, host).problems.empty());
    EXPECT_TRUE(host.ranges.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnvalidatedSettings,
    ::testing::Values(UnvalidatedCase{kDivideRow, 0, 9, 10}, UnvalidatedCase{kPlusRow, 5, 5, 10},
                      UnvalidatedCase{kPlusRow, 9, 5, 10}, UnvalidatedCase{kPlusRow, 1, 100, 10},
                      UnvalidatedCase{kPlusRow, 1, 9, 0}, UnvalidatedCase{kPlusRow, 1, 9, 101},
                      UnvalidatedCase{0, 1, 9, 10}, UnvalidatedCase{6, 1, 9, 10}));

TEST(ComposeProblems, EndsOnEveryNarrowAndASampleOfWideRanges) {
    struct Setting {
        std::int16_t row;
        bool allowNegative;
    };
    const Setting settings[] = {{kPlusRow, false},  {kMinusRow, false},  {kMinusRow, true},
                                {kTimesRow, false}, {kDivideRow, false}, {kMixRow, false},
                                {kMixRow, true}};
    std::vector<std::pair<std::int16_t, std::int16_t>> ranges;
    for (std::int16_t lowest = 1; lowest <= 98; ++lowest) {
        ranges.emplace_back(lowest, static_cast<std::int16_t>(lowest + 1));
    }
    for (std::int16_t lowest = 1; lowest <= 90; lowest = static_cast<std::int16_t>(lowest + 11)) {
        ranges.emplace_back(lowest, static_cast<std::int16_t>(lowest + 2));
        ranges.emplace_back(lowest, 99);
    }
    std::uint32_t seed = 5000;
    Counts counts;
    for (const Setting& setting : settings) {
        for (const auto& [lowest, highest] : ranges) {
            WorksheetState state = MakeState(setting.row, lowest, highest, 100);
            SeededRandomSource source(seed++);
            RecordingHost host(setting.allowNegative);
            const ProblemSet set = ComposeProblems(state, source, host);
            CheckSet(state, set, setting.allowNegative, counts);
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
        }
    }
    EXPECT_EQ(counts.problems, 100 * static_cast<int>(std::size(settings) * ranges.size()));
    EXPECT_GT(counts.waivers, 0);  // the narrow subtractions and divisions need them
}

}  // namespace
}  // namespace tallyworth
