#include "support/page_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

namespace tallyworth {
namespace {

using namespace page_test;

constexpr Notation kDots = Notation::LineAndDots;
constexpr Notation kSeven = Notation::UpsideDownSeven;
constexpr const char* kOutOfRange = "DisplayProblems(): Subscript out of range";

// Operation, notation, problems, the pages shown in turn, solutions on, what shows, failure.
using FillCase =
    std::tuple<OperationRow, Notation, int, std::vector<int>, bool, const char*, const char*>;

class Filling : public ::testing::TestWithParam<FillCase> {};

// A page that fails shows nothing, not even the solutions asked for.
TEST_P(Filling, ShowsExactlyTheCellsOfThePage) {
    const auto& [operation, notation, problems, pages, solutions, shown, failure] = GetParam();
    Sheet sheet(operation, notation);
    sheet.state.numberOfProblems = static_cast<std::int16_t>(problems);
    sheet.state.showSolutions = solutions;
    for (const int pageNo : pages) {
        sheet.state.currentPage = static_cast<std::int16_t>(pageNo);
        DisplayProblems(sheet.page, sheet.state, sheet.state.currentPage, sheet);
    }
    EXPECT_EQ(VisibleRuns(sheet.page), shown);
    EXPECT_EQ(sheet.failures, failure);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Filling, ::testing::Values(
    FillCase{kAdd, kDots, 30, {1}, false, "lblValue 0-59 lblPlus 0-29 Line1 0-29", ""},
    FillCase{kAdd, kDots, 30, {1}, true, "lblValue 0-59 lblPlus 0-29 lblSolution 0-29 Line1 0-29", ""},
    FillCase{kDivide, kDots, 60, {1}, false, "lblValue 0-99 Line1 0-49 Line2 0-49 DivisionLine 0-49 EqualSignTop 0-49 EqualSignBottom 0-49", ""},
    FillCase{kDivide, kDots, 60, {2}, false, "lblValue 100-119 Line1 50-59 Line2 50-59 DivisionLine 50-59 EqualSignTop 50-59 EqualSignBottom 50-59", ""},
    FillCase{kDivide, kSeven, 60, {1}, false, "lblValue 0-99 Line1 0-49 DivisionLine 0-49 EqualSignTop 0-49 EqualSignBottom 0-49", ""},
    FillCase{kDivide, kSeven, 60, {2}, false, "lblValue 100-119 Line1 50-59 DivisionLine 50-59 EqualSignTop 50-59 EqualSignBottom 50-59", ""},
    FillCase{kDivide, kDots, 60, {2}, true, "lblValue 100-119 lblSolution 50-59 Line1 50-59 Line2 50-59 DivisionLine 50-59 EqualSignTop 50-59 EqualSignBottom 50-59", ""},
    FillCase{kDivide, kDots, 60, {2, 1}, true, "lblValue 0-99 lblSolution 0-49 Line1 0-49 Line2 0-49 DivisionLine 0-49 EqualSignTop 0-49 EqualSignBottom 0-49", ""},
    FillCase{kDivide, kSeven, 50, {1}, true, "lblValue 0-99 lblSolution 0-49 Line1 0-49 DivisionLine 0-49 EqualSignTop 0-49 EqualSignBottom 0-49", ""},
    FillCase{kDivide, kDots, 50, {2}, true, "", ""},
    FillCase{kMix, kSeven, 100, {1}, false, "lblValue 0-199 lblPlus 0-99 Line1 0-99", ""},
    FillCase{kAdd, kDots, 150, {1}, true, "lblValue 0-199 lblPlus 0-99 lblSolution 0-99 Line1 0-99", ""},
    FillCase{kAdd, kDots, 100, {2}, true, "", ""},
    FillCase{kAdd, kDots, 30, {32767}, true, "", ""},
    FillCase{kAdd, kDots, 150, {2}, true, "", kOutOfRange},
    FillCase{kDivide, kDots, 60, {0}, true, "", kOutOfRange},
    FillCase{kAdd, kDots, 30, {-32768}, true, "", kOutOfRange}));
// clang-format on

// Solutions beyond the set keep their state; the set's others are hidden.
TEST(SetSolutionsVisible, SwitchesOnlyTheSolutionsOfThePage) {
    // clang-format off
    for (const auto& [operation, problems, pageNo, visible, shown] : std::array<std::tuple<OperationRow, int, int, bool, const char*>, 8>{{
             {kDivide, 60, 2, true, "lblSolution 50-99"}, {kDivide, 60, 1, false, "lblSolution 60-99"},
             {kDivide, 60, 1, true, "lblSolution 0-49 60-99"}, {kAdd, 30, 2, true, "lblSolution 30-99"},
             {kAdd, 150, 1, true, "lblSolution 0-99"}, {kAdd, -5, 1, true, "lblSolution 0-99"},
             {kDivide, 100, 3, true, ""}, {kDivide, 100, -2, true, ""}}}) {
        // clang-format on
        Sheet sheet(operation);
        sheet.page.solutionLabels = ShownAll(sheet.page).solutionLabels;
        sheet.state.numberOfProblems = static_cast<std::int16_t>(problems);
        SetSolutionsVisible(sheet.page, sheet.state, static_cast<std::int16_t>(pageNo), visible);
        EXPECT_EQ(VisibleRuns(sheet.page), shown)
            << RowNumber(operation) << ' ' << problems << ' ' << pageNo;
    }
}

TEST(HideEverything, HidesEveryElementOfEveryArray) {
    PageControls page = ShownAll(MakeDesignPageControls());
    HideEverything(page);
    EXPECT_EQ(VisibleRuns(page), "");
}

TEST(ColorEverything, ReachesEveryElementShownOrNot) {
    PageControls page = MakeDesignPageControls();
    page.valueLabels[7].visible = true;
    ColorEverything(page, 0x123456);
    EXPECT_EQ(VisibleRuns(page), "lblValue 7-7");
    EXPECT_EQ(Lines(page, "").filter(QStringLiteral(" color=123456")).size(),
              2 * kNumberLabels + 6 * kCells);
}

}  // namespace
}  // namespace tallyworth
