#include "page_model/printed_page.h"
#include "support/named_cases.h"
#include "support/page_test_support.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <climits>
#include <tuple>
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
    bool onlySolutions = false;  // switched on a page that showed every solution before
};

// clang-format off
const std::array kFillCases{
    FillCase{"UpsideDownSevenPageTwo", Divide, kSeven, 60, {2}, false, "lblValue 100-119 Line1 50-59 DivisionLine 50-59 EqualSignTop 50-59 EqualSignBottom 50-59"},
    FillCase{"DivisionBackToPageOne", Divide, kDots, 60, {2, 1}, true, "lblValue 0-99 lblSolution 0-49 Line1 0-49 Line2 0-49 DivisionLine 0-49 EqualSignTop 0-49 EqualSignBottom 0-49"},
    FillCase{"MoreSumsThanCells", Add, kDots, 150, {1}, true, "lblValue 0-199 lblPlus 0-99 lblSolution 0-99 Line1 0-99"},
    FillCase{"LargestPageNumber", Add, kDots, 30, {32767}, true, ""},
    FillCase{"SumsPageTwoBeyondTheStock", Add, kDots, 150, {2}, true, "", kOutOfRange},
    FillCase{"PageZero", Divide, kDots, 60, {0}, true, "", kOutOfRange},
    FillCase{"SolutionsBeyondTheSetKeepTheirState", Divide, kDots, 60, {1}, true, "lblSolution 0-49 60-99", "", true},
    FillCase{"SolutionsOfANegativeCount", Add, kDots, -5, {1}, true, "lblSolution 0-99", "", true},
    FillCase{"SolutionsOfPageThreeOfTwo", Divide, kDots, 100, {3}, true, "", "", true},
};
// clang-format on

class FillingTest : public ::testing::TestWithParam<FillCase> {};

// A page that fails shows nothing, not even the solutions asked for. Switching solutions
// alone touches only the set's solutions on the page.
TEST_P(FillingTest, ShowsExactlyTheCellsOfThePage) {
    const FillCase& c = GetParam();
    Sheet sheet(c.row, c.notation);
    sheet.state.numberOfProblems = static_cast<std::int16_t>(c.problems);
    sheet.state.showSolutions = c.solutions;
    if (c.onlySolutions) {
        sheet.page.solutionLabels = ShownAll(sheet.page).solutionLabels;
        SetSolutionsVisible(sheet.page, sheet.state, static_cast<std::int16_t>(c.pages[0]), true);
    }
    for (const int pageNo : c.onlySolutions ? std::vector<int>() : c.pages) {
        sheet.state.currentPage = static_cast<std::int16_t>(pageNo);
        DisplayProblems(sheet.page, sheet.state, sheet.state.currentPage, sheet);
    }
    EXPECT_EQ(VisibleRuns(sheet.page), c.shown);
    EXPECT_EQ(sheet.failures, c.failure);
}

INSTANTIATE_TEST_SUITE_P(Pages, FillingTest, ::testing::ValuesIn(kFillCases), kCaseName);

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

struct SpokenCase {
    const char* name;
    OperationRow operation;
    Notation notation;
    int problemsOnPage;  // of 60 asked for
    bool solutions;
    std::size_t labels = 0;  // of the printed page, and its strokes
    std::size_t lines = 0;
};

const std::array kSpokenCases{
    SpokenCase{"SumsHidden", OperationRow::Add, Notation::LineAndDots, 60, false, 180, 60},
    SpokenCase{"DivisionSignShown", OperationRow::Divide, Notation::LineAndDots, 50, true, 200, 0},
    SpokenCase{"DivisionBracketShown", OperationRow::Divide, Notation::UpsideDownSeven, 50, true,
               200, 100},
    SpokenCase{"MixShown", OperationRow::Mix, Notation::LineAndDots, 60, true, 210, 60},
};

class SpokenPageTest : public ::testing::TestWithParam<SpokenCase> {};

// Every problem of the page, read as "7 times 8 equals 56": the dividend first in either
// division notation, and the solution right where it shows.
TEST_P(SpokenPageTest, ReadsEveryProblemOfThePageAsItIsSaid) {
    const SpokenCase& spoken = GetParam();
    Sheet sheet(spoken.operation, spoken.notation);
    sheet.Build(2, 12, 60);
    SetSolutionsVisible(sheet.page, sheet.state, 1, spoken.solutions);
    const PrintedPage printed = PrintedPageOf(sheet.page, PageSigns{});
    // Only the strokes the page shows are drawn.
    EXPECT_TRUE(std::ranges::all_of(printed.lines, &PageLine::visible));
    EXPECT_EQ(std::pair(printed.labels.size(), printed.lines.size()),
              std::pair(spoken.labels, spoken.lines));
    const QStringList lines = SpokenProblems(printed);
    ASSERT_EQ(lines.size(), spoken.problemsOnPage);
    static const QRegularExpression said(
        QStringLiteral("^\\d+ (plus|minus|times|divided by) \\d+ equals( -?\\d+)?$"));
    EXPECT_EQ(lines.filter(said), lines);
    EXPECT_EQ(lines.filter(QStringLiteral("equals ")).size(), spoken.solutions ? lines.size() : 0);
}

INSTANTIATE_TEST_SUITE_P(Pages, SpokenPageTest, ::testing::ValuesIn(kSpokenCases), kCaseName);

struct LayoutCase {
    const char* name;
    OperationRow row;
    Notation notation;
};

const std::array kLayouts{
    LayoutCase{"Addition", OperationRow::Add, Notation::LineAndDots},
    LayoutCase{"DivisionLineAndDots", OperationRow::Divide, Notation::LineAndDots},
    LayoutCase{"DivisionUpsideDownSeven", OperationRow::Divide, Notation::UpsideDownSeven},
};

class ArrangingTest : public ::testing::TestWithParam<LayoutCase> {
  protected:
    Sheet sheet{GetParam().row, GetParam().notation};
};

// Arranging again gives the same page, and so does arranging for page one; any page number
// puts the solutions in the stock's cells. A division's second page stands where its first does.
TEST_P(ArrangingTest, IsTheSameOnEveryCallForEveryPage) {
    const QStringList once = Lines(sheet.page, "");
    ArrangeFields(sheet.page, sheet.state);
    PageControls pageOne = MakeDesignPageControls();
    ArrangeFields(pageOne, sheet.state, 1);
    EXPECT_TRUE(Lines(sheet.page, "") == once && Lines(pageOne, "") == once);
    for (const int pageNo : {0, 3, INT_MAX, INT_MIN}) {
        PageControls other = sheet.page;
        ArrangeFields(other, sheet.state, pageNo);
        EXPECT_EQ(other.solutionLabels, sheet.page.solutionLabels) << pageNo;
    }
    const PageControls& p = sheet.page;
    const auto cell = [&p](std::size_t k) {
        return std::tuple{p.valueLabels[2 * k].left,
                          p.valueLabels[2 * k + 1].top,
                          p.solutionLabels[k].top,
                          p.line1[k],
                          p.line2[k],
                          p.divisionLine[k],
                          p.equalSignTop[k],
                          p.equalSignBottom[k]};
    };
    for (std::size_t k = 0; GetParam().row == OperationRow::Divide && k < 50; ++k) {
        EXPECT_EQ(cell(k + 50), cell(k)) << k;
    }
    sheet.page.valueLabels[0].width = 0.5F;  // the solutions' width follows it
    ArrangeFields(sheet.page, sheet.state);
    EXPECT_EQ(sheet.page.solutionLabels[kCells - 1].width, static_cast<float>(0.5 + 0.1));
}

INSTANTIATE_TEST_SUITE_P(Layouts, ArrangingTest, ::testing::ValuesIn(kLayouts), kCaseName);

TEST(Layout, NotationSwitchMovesTheSignButNotTheLowerDot) {
    Sheet sheet(OperationRow::Divide, Notation::LineAndDots);
    const PageControls dots = sheet.page;
    const PageControls seven = Sheet(OperationRow::Divide, Notation::UpsideDownSeven).page;
    sheet.state.divisionSymbol = sheet.state.divideSign;
    ArrangeFields(sheet.page, sheet.state);
    EXPECT_EQ(std::tie(sheet.page.divisionLine, sheet.page.line1, sheet.page.line2),
              std::tie(seven.divisionLine, seven.line1, dots.line2));
}

// The grid is set anew on every arranging; a row outside the operation table has no cells.
TEST(Grid, IsSetAnewForTheOperation) {
    Sheet sheet(OperationRow::Divide);
    sheet.state.operation = 9;
    ArrangeFields(sheet.page, sheet.state);
    EXPECT_EQ(
        std::tuple(sheet.state.gridColumns, sheet.state.gridRows, sheet.state.problemsPerPage),
        std::tuple(10, 10, 0));
}

}  // namespace
}  // namespace tallyworth
