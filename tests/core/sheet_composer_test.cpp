#include "core/sheet_composer.h"
#include "core/operations.h"
#include "core/random_source.h"
#include "support/test_doubles.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tallyworth {
namespace {

using testing_support::RecordingHost;

// The start-up state with the settings of a code written in.
WorksheetState StateFor(const SheetSettings& settings) {
    WorksheetState state;
    state.divideSign = DivideSignText();
    InitOperations(state);
    ApplySheetSettings(settings, state);
    return state;
}

using Captions = std::vector<std::string>;

Captions CaptionsOf(const ProblemSet& set) {
    Captions captions;
    for (const ProblemEntry& problem : set.problems) {
        captions.push_back((problem.firstNumberText + u' ' + problem.operatorSign + u' ' +
                            problem.secondNumberText + u'=' + problem.solutionText)
                               .toStdString());
    }
    return captions;
}

struct SettingsCase {
    const char* name;
    SheetSettings settings;
};

constexpr Regrouping kAny = Regrouping::Any;

const std::array kSettings{
    SettingsCase{"Addition", {OperationRow::Add, 1, 9, 10, false, false}},
    SettingsCase{"SubtractionWithNegatives", {OperationRow::Subtract, 5, 60, 100, true, false}},
    SettingsCase{"DivisionUpsideDownSeven", {OperationRow::Divide, 1, 99, 100, false, true}},
    SettingsCase{"MixLineAndDots", {OperationRow::Mix, 3, 30, 77, true, false}},
    SettingsCase{"AdditionFixedSevenNoCarrying",
                 {OperationRow::Add, 1, 9, 20, false, false, {false, 7, Regrouping::Never, false}}},
    SettingsCase{"MixEveryRule",
                 {OperationRow::Mix, 2, 30, 60, false, false, {true, 7, Regrouping::Always, true}}},
    SettingsCase{"DivisionNoTrivialNoRepeats",
                 {OperationRow::Divide, 1, 20, 50, false, true, {true, 0, kAny, true}}},
};

class ComposeSheetTest : public ::testing::TestWithParam<SettingsCase> {};

// What the windows show for a composition from the clock, under the state's rules, is
// what its code brings back.
TEST_P(ComposeSheetTest, BringsBackTheSheetTheClockSeededSourceComposed) {
    const SheetSettings& settings = GetParam().settings;
    WorksheetState state = StateFor(settings);
    ClockSeededRandomSource clock;
    RecordingHost host;
    host.allowNegative = settings.allowNegative;
    const ProblemSet shown = ComposeProblems(state, clock, host);
    const SheetCode code = SheetCodeOf(settings, clock.LastSeed());
    ASSERT_FALSE(FormatSheetCode(code).isEmpty());
    const ProblemSet brought = ComposeSheet(code);
    EXPECT_EQ(CaptionsOf(brought), CaptionsOf(shown));
    EXPECT_EQ(brought.problems.size(), static_cast<std::size_t>(settings.count));
    EXPECT_FALSE(brought.cellNumbering);
}

TEST_P(ComposeSheetTest, SettingsReadBackFromTheState) {
    const SheetSettings& settings = GetParam().settings;
    EXPECT_EQ(SheetSettingsOf(StateFor(settings), settings.allowNegative), settings);
}

INSTANTIATE_TEST_SUITE_P(Settings, ComposeSheetTest, ::testing::ValuesIn(kSettings),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(ComposeSheet, ComposesTheCellNumberingRangeWithItsRealNumbers) {
    const ProblemSet set = ComposeSheet({{OperationRow::Add, 61, 62, 3, false, false}, 9});
    ASSERT_EQ(set.problems.size(), 3U);
    EXPECT_FALSE(set.cellNumbering);
    EXPECT_EQ(set.problems[1].firstNumberText.toInt(), set.problems[1].first);
}

TEST(ComposeSheet, ComposesNothingForSettingsOrAVersionItCannotCompose) {
    EXPECT_TRUE(ComposeSheet({{OperationRow::Add, 9, 9, 10, false, false}, 1}).problems.empty());
    EXPECT_TRUE(ComposeSheet({{RowOfNumber(6), 1, 9, 10, false, false}, 1}).problems.empty());
    EXPECT_TRUE(ComposeSheet({{OperationRow::Add, 1, 9, 10, false, false}, 1, 3}).problems.empty());
    EXPECT_TRUE(
        ComposeSheet({{OperationRow::Add, 1, 9, 10, false, false, {true, 0, kAny, false}}, 1, 1})
            .problems.empty());
    // 50 to 99 divide only by themselves or with a quotient of 1: all trivial.
    EXPECT_TRUE(
        ComposeSheet(
            {{OperationRow::Divide, 50, 99, 10, false, false, {true, 0, kAny, false}}, 1, 2})
            .problems.empty());
}

// Each sheet of a class set is composed from its own code, so each keeps the rule alone.
TEST(ComposeSheet, EverySheetOfASetWithoutRepeatsHasNoRepeats) {
    const SheetCode first = SheetCodeOf(
        {OperationRow::Multiply, 2, 12, 100, false, false, {false, 0, kAny, true}}, 0x5EED);
    for (int sheet = 0; sheet < 20; ++sheet) {
        std::set<Captions::value_type> distinct;
        const Captions captions = CaptionsOf(ComposeSheet(SheetOfSet(first, sheet)));
        distinct.insert(captions.begin(), captions.end());
        EXPECT_EQ(distinct.size(), 100U) << "sheet " << sheet;
    }
}

TEST(ComposeSheet, SeedsOfASetGiveDifferentSheets) {
    const SheetCode first{{OperationRow::Multiply, 1, 12, 30, false, false}, 77};
    EXPECT_NE(CaptionsOf(ComposeSheet(first)), CaptionsOf(ComposeSheet(SheetOfSet(first, 1))));
    EXPECT_EQ(CaptionsOf(ComposeSheet(first)), CaptionsOf(ComposeSheet(first)));
}

}  // namespace
}  // namespace tallyworth
