#include "support/named_cases.h"
#include "support/page_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <set>
#include <string>
#include <tuple>

namespace tallyworth {
namespace {

using namespace testing_support;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

// A coordinate as the page stores it: worked out in double precision, rounded once.
float Stored(double inches) {
    return static_cast<float>(inches);
}

// A design size in twips, as the page stores it in inches.
float Twips(double twips) {
    return Stored(twips / kTwipsPerInch);
}

// The number labels' design width W; solutions are 0.1 inch wider.
const double kNumberWidth = Twips(435);

PageLabel NumberLabel(double left, double top) {
    return {Stored(left),          Stored(top),     Twips(435), Twips(315), "Label1",
            LabelAlignment::Right, "MS Sans Serif", 13.5F,      kBlack,     false};
}

PageLabel OperatorLabel(double left, double top, double widthTwips = 315) {
    return {Stored(left),
            Stored(top),
            Twips(widthTwips),
            Twips(255),
            "+",
            LabelAlignment::Right,
            "MS Sans Serif",
            12.0F,
            kBlack,
            false};
}

// Solutions are left-aligned, but for the first.
PageLabel SolutionLabel(std::size_t cell, double left, double top) {
    const LabelAlignment alignment = cell == 0 ? LabelAlignment::Right : LabelAlignment::Left;
    return {Stored(left),
            Stored(top),
            Stored(kNumberWidth + 0.1),
            Twips(315),
            "Label1",
            alignment,
            "MS Sans Serif",
            13.5F,
            kBlack,
            false};
}

PageLine Line(double x1, double y1, double x2, double y2, std::int16_t width) {
    return {Stored(x1), Stored(y1), Stored(x2), Stored(y2), width, kBlack, false};
}

// A horizontal stroke measured from its start as stored, so its length is exact.
PageLine Stroke(double x1, double y, double length, std::int16_t width) {
    return Line(x1, y, static_cast<double>(Stored(x1)) + length, y, width);
}

// The division sign of a cell whose divisor ends at left, y: DivisionLine, Line1, Line2.
using DivisionSign = std::array<PageLine, 3>;

DivisionSign BarBetweenDots(double left, double y) {
    return {Stroke(left + 0.05, y + 0.08, 0.03, 3), Stroke(left + 0.02, y + 0.14, 0.1, 2),
            Stroke(left + 0.05, y + 0.19, 0.03, 3)};
}

// A seven's slant and top; Line2 stays as the design left it.
DivisionSign SevenUpsideDown(double left, double y) {
    return {Line(left, y + 0.23, left + 0.15, y, 1), Stroke(left + 0.14, y, 0.2, 1), PageLine{}};
}

struct NotationCase {
    const char* name;
    Notation notation;
    DivisionSign (*sign)(double left, double y);
};

const std::array kNotations{
    NotationCase{"LineAndDots", Notation::LineAndDots, BarBetweenDots},
    NotationCase{"UpsideDownSeven", Notation::UpsideDownSeven, SevenUpsideDown},
};

struct CellCase {
    const char* name;
    std::size_t cell;
    int column, row;  // the row on the cell's page
};

// The grid starts at 0.258, 0.096 inch and steps 0.75 across and 1.05 down.
const std::array kGridCells{
    CellCase{"First", 0, 0, 0},
    CellCase{"Second", 1, 1, 0},
    CellCase{"EndOfTheFirstRow", 9, 9, 0},
    CellCase{"StartOfTheSecondRow", 10, 0, 1},
    CellCase{"StartOfTheLastRow", 90, 0, 9},
    CellCase{"Last", 99, 9, 9},
};

class GridCellTest : public ::testing::TestWithParam<CellCase> {};

// Upper and lower number, answer line and solution; NarrowOperatorsEndFurtherLeft places
// every operator.
TEST_P(GridCellTest, StandsWhereItWasDrawn) {
    const auto& [name, k, column, row] = GetParam();
    const PageControls page = Sheet(OperationRow::Add).page;
    const double x = 0.258 + 0.75 * column, y = 0.096 + 1.05 * row;
    EXPECT_EQ(page.valueLabels[2 * k], NumberLabel(x + 0.05, y));
    EXPECT_EQ(page.valueLabels[2 * k + 1], NumberLabel(x + 0.05, y + 0.25));
    EXPECT_EQ(page.line1[k], Line(x, y + 0.502, x + 0.405, y + 0.502, 2));
    EXPECT_EQ(page.solutionLabels[k], SolutionLabel(k, x - 0.05, y + 0.632));
}

INSTANTIATE_TEST_SUITE_P(Cells, GridCellTest, ::testing::ValuesIn(kGridCells), kCaseName);

// Division cells start at 0, 0.25 inch and step 1.45 across and 0.6 down; page two covers
// the same area as page one.
const std::array kDivisionCells{
    CellCase{"First", 0, 0, 0},
    CellCase{"Second", 1, 1, 0},
    CellCase{"EndOfTheFirstRow", 4, 4, 0},
    CellCase{"StartOfTheSecondRow", 5, 0, 1},
    CellCase{"LastOfPageOne", 49, 4, 9},
    CellCase{"FirstOfPageTwo", 50, 0, 0},
};

class DivisionCellTest : public ::testing::TestWithParam<std::tuple<CellCase, NotationCase>> {};

// Dividend, division sign, divisor, the two bars of the equals sign and the solution.
TEST_P(DivisionCellTest, StandsWhereItWasDrawn) {
    const auto& [name, k, column, row] = std::get<0>(GetParam());
    const NotationCase& notation = std::get<1>(GetParam());
    const PageControls page = Sheet(OperationRow::Divide, notation.notation).page;
    const double x = 1.45 * column, y = 0.25 + 0.6 * row, divisor = x + 0.25;
    EXPECT_EQ(page.valueLabels[2 * k + 1], NumberLabel(x, y));
    EXPECT_EQ((DivisionSign{page.divisionLine[k], page.line1[k], page.line2[k]}),
              notation.sign(kNumberWidth + x, y));
    EXPECT_EQ(page.valueLabels[2 * k], NumberLabel(divisor + 0.1, y));
    const double equals = kNumberWidth + divisor;
    EXPECT_EQ(page.equalSignTop[k], Line(equals + 0.15, y + 0.1, equals + 0.25, y + 0.1, 2));
    EXPECT_EQ(page.equalSignBottom[k], Line(equals + 0.15, y + 0.15, equals + 0.25, y + 0.15, 2));
    EXPECT_EQ(page.solutionLabels[k], SolutionLabel(k, divisor + 0.35 + kNumberWidth, y));
}

INSTANTIATE_TEST_SUITE_P(Cells, DivisionCellTest,
                         ::testing::Combine(::testing::ValuesIn(kDivisionCells),
                                            ::testing::ValuesIn(kNotations)),
                         kCaseName);

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
        ASSERT_EQ(solution.width, Stored(0.5 + 0.1));
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
    PageNumberCase{"Zero", 0},           PageNumberCase{"Negative", -3},
    PageNumberCase{"Three", 3},          PageNumberCase{"Largest", INT_MAX},
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
    GridCase{"Subtraction", RowNumber(OperationRow::Subtract), 10, 10, 100},
    GridCase{"Multiplication", RowNumber(OperationRow::Multiply), 10, 10, 100},
    GridCase{"Division", RowNumber(OperationRow::Divide), 5, 20, 50},
    GridCase{"Mix", RowNumber(OperationRow::Mix), 10, 10, 100},
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
TEST(Layout, NarrowOperatorsEndFurtherLeft) {
    const PageControls page = Sheet(OperationRow::Add).page;
    const std::set<std::size_t> narrow = {2, 17, 22, 32, 42, 57, 67, 77, 82, 97};
    for (std::size_t k = 0; k < kCells; ++k) {
        const std::size_t column = k % 10, row = k / 10;
        const double x = 0.258 + 0.75 * static_cast<double>(column);
        const double y = 0.096 + 1.05 * static_cast<double>(row);
        EXPECT_EQ(page.plusLabels[k],
                  OperatorLabel(x - 0.12, y + 0.272, narrow.contains(k) ? 315 - 120 : 315))
            << k;
    }
}

}  // namespace
}  // namespace tallyworth
