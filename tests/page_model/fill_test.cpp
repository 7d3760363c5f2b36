#include "support/named_cases.h"
#include "support/page_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace tallyworth {
namespace {

using namespace testing_support;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

using enum OperationRow;
constexpr Notation kDots = Notation::LineAndDots;
constexpr Notation kSeven = Notation::UpsideDownSeven;
constexpr const char* kOutOfRange = "DisplayProblems(): Subscript out of range";

struct FillCase {
    const char* name;
    OperationRow row;
    Notation notation;
    int problems;
    std::vector<int> pages;  // shown in turn
    bool solutions;
    const char* shown;  // as VisibleRuns gives it
    const char* failure = "";
};

// clang-format off
const std::array kFillCases{
    FillCase{"SumsPageOne", Add, kDots, 30, {1}, false, "lblValue 0-59 lblPlus 0-29 Line1 0-29"},
    FillCase{"UpsideDownSevenPageTwo", Divide, kSeven, 60, {2}, false, "lblValue 100-119 Line1 50-59 DivisionLine 50-59 EqualSignTop 50-59 EqualSignBottom 50-59"},
    FillCase{"DivisionBackToPageOne", Divide, kDots, 60, {2, 1}, true, "lblValue 0-99 lblSolution 0-49 Line1 0-49 Line2 0-49 DivisionLine 0-49 EqualSignTop 0-49 EqualSignBottom 0-49"},
    FillCase{"MoreSumsThanCells", Add, kDots, 150, {1}, true, "lblValue 0-199 lblPlus 0-99 lblSolution 0-99 Line1 0-99"},
    FillCase{"LargestPageNumber", Add, kDots, 30, {32767}, true, ""},
    FillCase{"SumsPageTwoBeyondTheStock", Add, kDots, 150, {2}, true, "", kOutOfRange},
    FillCase{"PageZero", Divide, kDots, 60, {0}, true, "", kOutOfRange},
};
// clang-format on

class FillingTest : public ::testing::TestWithParam<FillCase> {};

// A page that fails shows nothing, not even the solutions asked for.
TEST_P(FillingTest, ShowsExactlyTheCellsOfThePage) {
    const FillCase& c = GetParam();
    Sheet sheet(c.row, c.notation);
    sheet.state.numberOfProblems = static_cast<std::int16_t>(c.problems);
    sheet.state.showSolutions = c.solutions;
    for (const int pageNo : c.pages) {
        sheet.state.currentPage = static_cast<std::int16_t>(pageNo);
        DisplayProblems(sheet.page, sheet.state, sheet.state.currentPage, sheet);
    }
    EXPECT_EQ(VisibleRuns(sheet.page), c.shown);
    EXPECT_EQ(sheet.failures, c.failure);
}

INSTANTIATE_TEST_SUITE_P(Pages, FillingTest, ::testing::ValuesIn(kFillCases), kCaseName);

struct SolutionsCase {
    const char* name;
    OperationRow row;
    int problems;
    std::int16_t pageNo;
    bool visible;
    const char* shown;  // of a page that showed every solution before
};

const std::array kSolutionsCases{
    SolutionsCase{"DivisionPageTwoShown", Divide, 60, 2, true, "lblSolution 50-99"},
    SolutionsCase{"DivisionPageOneShown", Divide, 60, 1, true, "lblSolution 0-49 60-99"},
    SolutionsCase{"NegativeCount", Add, -5, 1, true, "lblSolution 0-99"},
    SolutionsCase{"DivisionPageThreeOfTwo", Divide, 100, 3, true, ""},
};

class SolutionsVisibleTest : public ::testing::TestWithParam<SolutionsCase> {};

// Solutions beyond the set keep their state; the set's others are hidden.
TEST_P(SolutionsVisibleTest, SwitchesOnlyTheSolutionsOfThePage) {
    const SolutionsCase& c = GetParam();
    Sheet sheet(c.row);
    sheet.page.solutionLabels = ShownAll(sheet.page).solutionLabels;
    sheet.state.numberOfProblems = static_cast<std::int16_t>(c.problems);
    SetSolutionsVisible(sheet.page, sheet.state, c.pageNo, c.visible);
    EXPECT_EQ(VisibleRuns(sheet.page), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Pages, SolutionsVisibleTest, ::testing::ValuesIn(kSolutionsCases),
                         kCaseName);

// Colouring reaches the hidden elements too and shows none; hiding reaches every array.
TEST(ColorAndHideEverything, ReachEveryElement) {
    PageControls page = MakeDesignPageControls();
    page.valueLabels[7].visible = true;
    ColorEverything(page, 0x123456);
    EXPECT_EQ(VisibleRuns(page), "lblValue 7-7");
    EXPECT_EQ(Lines(page, "").filter(QStringLiteral(" color=123456")).size(),
              2 * kNumberLabels + 6 * kCells);
    page = ShownAll(page);
    HideEverything(page);
    EXPECT_EQ(VisibleRuns(page), "");
}

}  // namespace
}  // namespace tallyworth
