#include "support/named_cases.h"
#include "support/page_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <tuple>

namespace tallyworth {
namespace {

using namespace testing_support;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

struct NotationCase {
    const char* name;
    Notation notation;
};

const std::array kNotations{
    NotationCase{"LineAndDots", Notation::LineAndDots},
    NotationCase{"UpsideDownSeven", Notation::UpsideDownSeven},
};

// Where a label stands and how large it is, whatever its alignment.
std::array<float, 4> Placed(const PageLabel& label) {
    return {label.left, label.top, label.width, label.height};
}

class DivisionPagesTest : public ::testing::TestWithParam<NotationCase> {};

TEST_P(DivisionPagesTest, PageTwoRepeatsPageOne) {
    const PageControls page = Sheet(OperationRow::Divide, GetParam().notation).page;
    const auto cell = [&page](std::size_t k) {
        return std::tuple{Placed(page.valueLabels[2 * k]),
                          Placed(page.valueLabels[2 * k + 1]),
                          Placed(page.solutionLabels[k]),
                          page.line1[k],
                          page.line2[k],
                          page.divisionLine[k],
                          page.equalSignTop[k],
                          page.equalSignBottom[k]};
    };
    for (std::size_t k = 0; k < 50; ++k) {
        EXPECT_EQ(cell(k + 50), cell(k)) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Notations, DivisionPagesTest, ::testing::ValuesIn(kNotations), kCaseName);

struct LayoutCase {
    const char* name;
    OperationRow row;
};

const std::array kLayouts{
    LayoutCase{"Addition", OperationRow::Add},
    LayoutCase{"Mix", OperationRow::Mix},
    LayoutCase{"Division", OperationRow::Divide},
};

class ArrangingTest : public ::testing::TestWithParam<std::tuple<LayoutCase, NotationCase>> {
  protected:
    Sheet sheet{std::get<0>(GetParam()).row, std::get<1>(GetParam()).notation};
};

TEST_P(ArrangingTest, IsTheSameOnEveryCallAndForPageOne) {
    const QStringList once = Lines(sheet.page, "");
    ArrangeFields(sheet.page, sheet.state);
    EXPECT_EQ(Lines(sheet.page, ""), once);
    PageControls pageOne = MakeDesignPageControls();
    ArrangeFields(pageOne, sheet.state, 1);
    EXPECT_EQ(Lines(pageOne, ""), once);
}

TEST_P(ArrangingTest, SolutionWidthFollowsTheFirstNumberLabel) {
    sheet.page.valueLabels[0].width = 0.5F;
    ArrangeFields(sheet.page, sheet.state);
    for (const PageLabel& solution : sheet.page.solutionLabels) {
        ASSERT_EQ(solution.width, static_cast<float>(0.5 + 0.1));
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, ArrangingTest,
                         ::testing::Combine(::testing::ValuesIn(kLayouts),
                                            ::testing::ValuesIn(kNotations)),
                         kCaseName);

struct PageNumberCase {
    const char* name;
    int pageNo;
};

const std::array kPageNumbers{
    PageNumberCase{"Zero", 0},
    PageNumberCase{"Three", 3},
    PageNumberCase{"Largest", INT_MAX},
    PageNumberCase{"Smallest", INT_MIN},
};

class PageNumberTest : public ::testing::TestWithParam<PageNumberCase> {};

TEST_P(PageNumberTest, PlacesEveryCellInsideTheStock) {
    Sheet sheet(OperationRow::Add);
    const PageControls pageOne = sheet.page;
    ArrangeFields(sheet.page, sheet.state, GetParam().pageNo);
    EXPECT_EQ(sheet.page.solutionLabels, pageOne.solutionLabels);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageNumberTest, ::testing::ValuesIn(kPageNumbers), kCaseName);

TEST(Layout, NotationSwitchMovesTheSignButNotTheLowerDot) {
    Sheet sheet(OperationRow::Divide, Notation::LineAndDots);
    const PageControls dots = sheet.page;
    const PageControls seven = Sheet(OperationRow::Divide, Notation::UpsideDownSeven).page;
    sheet.state.divisionSymbol = sheet.state.divideSign;
    ArrangeFields(sheet.page, sheet.state);
    EXPECT_EQ(sheet.page.divisionLine, seven.divisionLine);
    EXPECT_NE(sheet.page.divisionLine, dots.divisionLine);
    EXPECT_EQ(sheet.page.line1, seven.line1);
    EXPECT_NE(sheet.page.line1, dots.line1);
    EXPECT_EQ(sheet.page.line2, dots.line2);
}

struct GridCase {
    const char* name;
    std::int16_t operation;  // the row of the operation table, or one outside it
    int columns, rows, perPage;
};

const std::array kGrids{
    GridCase{"Addition", RowNumber(OperationRow::Add), 10, 10, 100},
    GridCase{"Division", RowNumber(OperationRow::Divide), 5, 20, 50},
    GridCase{"RowOutsideTheTable", 9, 10, 10, 0},
};

class GridTest : public ::testing::TestWithParam<GridCase> {};

// Arranging again for another operation sets the grid anew.
TEST_P(GridTest, IsSetForTheOperation) {
    const GridCase& grid = GetParam();
    Sheet sheet(OperationRow::Divide);
    sheet.state.operation = grid.operation;
    ArrangeFields(sheet.page, sheet.state);
    EXPECT_EQ(
        std::tuple(sheet.state.gridColumns, sheet.state.gridRows, sheet.state.problemsPerPage),
        std::tuple(grid.columns, grid.rows, grid.perPage));
}

INSTANTIATE_TEST_SUITE_P(Operations, GridTest, ::testing::ValuesIn(kGrids), kCaseName);

// Every operator stands left of its lower number; ten were drawn 120 twips narrower, so they
// end further left in their cell.
}  // namespace
}  // namespace tallyworth
