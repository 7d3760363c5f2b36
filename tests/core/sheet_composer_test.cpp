#include "core/sheet_composer.h"
#include "core/operations.h"
#include "core/random_source.h"
#include "support/named_cases.h"
#include "support/test_doubles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallyworth {
namespace {

using testing_support::Captions;
using testing_support::RecordingHost;

struct SettingsCase {
    const char* name;
    SheetSettings settings;
};

constexpr Regrouping kAny = Regrouping::Any;

const std::array kSettings{
    SettingsCase{"DivisionUpsideDownSeven", {OperationRow::Divide, 1, 99, 100, false, true}},
    SettingsCase{"MixEveryRule",
                 {OperationRow::Mix, 2, 30, 60, false, false, {true, 7, Regrouping::Always, true}}},
    SettingsCase{"LargePrintWithoutRules",
                 {OperationRow::Add, 1, 9, 20, false, false, {}, {.size = PrintSize::Large}}},
};

class ComposeSheetTest : public ::testing::TestWithParam<SettingsCase> {};

// What the windows show for a composition from the clock, under the state's rules, is
// what its code brings back.
TEST_P(ComposeSheetTest, BringsBackTheSheetTheClockSeededSourceComposed) {
    const SheetSettings& settings = GetParam().settings;
    WorksheetState state = StateWithOperations();  // with the settings of a code written in
    ApplySheetSettings(settings, state);
    EXPECT_EQ(SheetSettingsOf(state, settings.allowNegative), settings);
    ClockSeededRandomSource clock;
    RecordingHost host;
    host.allowNegative = settings.allowNegative;
    const ProblemSet shown = ComposeProblems(state, clock, host);
    const SheetCode code = SheetCodeOf(settings, clock.LastSeed());
    ASSERT_FALSE(FormatSheetCode(code).isEmpty());
    EXPECT_EQ(Captions(ComposeSheet(code)), Captions(shown));
    EXPECT_EQ(shown.problems.size(), static_cast<std::size_t>(settings.count));
}

INSTANTIATE_TEST_SUITE_P(Settings, ComposeSheetTest, ::testing::ValuesIn(kSettings),
                         testing_support::kCaseName);

TEST(ComposeSheet, ComposesTheCellNumberingRangeWithItsRealNumbers) {
    const ProblemSet set = ComposeSheet({{OperationRow::Add, 61, 62, 3, false, false}, 9});
    ASSERT_EQ(set.problems.size(), 3U);
    EXPECT_FALSE(set.cellNumbering);
    EXPECT_EQ(OriginalCaptions(set, 1).first.toInt(), set.problems[1].first);
}

// Page options given with an older code shape the page, not its problems.
TEST(ComposeSheet, KeepsAnOlderCodesProblemsUnderPageOptions) {
    SheetCode code{{OperationRow::Add, 1, 9, 10, false, false}, 0x5EED};
    const ProblemSet plain = ComposeSheet(code);
    code.settings.page.layout = ProblemLayout::Line;
    EXPECT_EQ(ComposeSheet(code).problems, plain.problems);
    EXPECT_EQ(FormatProblemsCode(code),
              FormatSheetCode({{OperationRow::Add, 1, 9, 10, false, false}, 0x5EED}));
}

TEST(ComposeSheet, ComposesNothingForSettingsOrAVersionItCannotCompose) {
    EXPECT_TRUE(ComposeSheet({{OperationRow::Add, 9, 9, 10, false, false}, 1}).problems.empty());
    EXPECT_TRUE(ComposeSheet({{OperationRow::Add, 1, 9, 10, false, false}, 1, 7}).problems.empty());
    EXPECT_TRUE(
        ComposeSheet({{OperationRow::Add, 1, 9, 10, false, false, {true, 0, kAny, false}}, 1, 1})
            .problems.empty());
    // 50 to 99 divide only by themselves or with a quotient of 1: all trivial.
    EXPECT_TRUE(
        ComposeSheet(
            {{OperationRow::Divide, 50, 99, 10, false, false, {true, 0, kAny, false}}, 1, 2})
            .problems.empty());
}

}  // namespace
}  // namespace tallyworth
