#include "support/page_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <set>
#include <string>
#include <utility>

namespace tallyworth {
namespace {

using namespace page_test;

constexpr std::array kBothNotations{Notation::LineAndDots, Notation::UpsideDownSeven};

PageControls Arranged(OperationRow operationRow, Notation notation = Notation::LineAndDots) {
    return Sheet(operationRow, notation).page;
}

QString Text(const PageLabel& label) {
    return QString::asprintf("(%.3f,%.3f)w%.3f ", label.left, label.top, label.width);
}

QString Text(const PageLine& line) {
    return QString::asprintf("(%.3f,%.3f)-(%.3f,%.3f)/%d ", line.x1, line.y1, line.x2, line.y2,
                             line.borderWidth);
}

QString Texts(const auto&... controls) {
    return (Text(controls) + ...);
}

// clang-format off
// Upper and lower number, answer line, operator, solution.
constexpr std::array<std::pair<std::size_t, const char*>, 6> kGridCells{{
    {0, "(0.308,0.096)w0.302 (0.308,0.346)w0.302 (0.258,0.598)-(0.663,0.598)/2 (0.138,0.368)w0.219 (0.208,0.728)w0.402 "},
    {1, "(1.058,0.096)w0.302 (1.058,0.346)w0.302 (1.008,0.598)-(1.413,0.598)/2 (0.888,0.368)w0.219 (0.958,0.728)w0.402 "},
    {9, "(7.058,0.096)w0.302 (7.058,0.346)w0.302 (7.008,0.598)-(7.413,0.598)/2 (6.888,0.368)w0.219 (6.958,0.728)w0.402 "},
    {10, "(0.308,1.146)w0.302 (0.308,1.396)w0.302 (0.258,1.648)-(0.663,1.648)/2 (0.138,1.418)w0.219 (0.208,1.778)w0.402 "},
    {90, "(0.308,9.546)w0.302 (0.308,9.796)w0.302 (0.258,10.048)-(0.663,10.048)/2 (0.138,9.818)w0.219 (0.208,10.178)w0.402 "},
    {99, "(7.058,9.546)w0.302 (7.058,9.796)w0.302 (7.008,10.048)-(7.413,10.048)/2 (6.888,9.818)w0.219 (6.958,10.178)w0.402 "}}};
// Left and right number, top and bottom bar of the equals sign, solution.
constexpr std::array<std::pair<std::size_t, const char*>, 6> kDivisionCells{{
    {0, "(0.000,0.250)w0.302 (0.350,0.250)w0.302 (0.702,0.350)-(0.802,0.350)/2 (0.702,0.400)-(0.802,0.400)/2 (0.902,0.250)w0.402 "},
    {1, "(1.450,0.250)w0.302 (1.800,0.250)w0.302 (2.152,0.350)-(2.252,0.350)/2 (2.152,0.400)-(2.252,0.400)/2 (2.352,0.250)w0.402 "},
    {4, "(5.800,0.250)w0.302 (6.150,0.250)w0.302 (6.502,0.350)-(6.602,0.350)/2 (6.502,0.400)-(6.602,0.400)/2 (6.702,0.250)w0.402 "},
    {5, "(0.000,0.850)w0.302 (0.350,0.850)w0.302 (0.702,0.950)-(0.802,0.950)/2 (0.702,1.000)-(0.802,1.000)/2 (0.902,0.850)w0.402 "},
    {49, "(5.800,5.650)w0.302 (6.150,5.650)w0.302 (6.502,5.750)-(6.602,5.750)/2 (6.502,5.800)-(6.602,5.800)/2 (6.702,5.650)w0.402 "},
    {50, "(0.000,0.250)w0.302 (0.350,0.250)w0.302 (0.702,0.350)-(0.802,0.350)/2 (0.702,0.400)-(0.802,0.400)/2 (0.902,0.250)w0.402 "}}};
// The division sign of cell 0 (DivisionLine, Line1, Line2): a bar between two dots, or a
// seven's slant and top with Line2 left unplaced.
constexpr std::array kSignsOfCellZero{
    "(0.352,0.330)-(0.382,0.330)/3 (0.322,0.390)-(0.422,0.390)/2 (0.352,0.440)-(0.382,0.440)/3 ",
    "(0.302,0.480)-(0.452,0.250)/1 (0.442,0.250)-(0.642,0.250)/1 (0.000,0.000)-(0.000,0.000)/1 "};
// clang-format on

TEST(Layout, GridCellsStandWhereTheyWereDrawn) {
    const PageControls page = Arranged(kAdd);
    for (const auto& [k, expected] : kGridCells) {
        EXPECT_EQ(Texts(page.valueLabels[2 * k], page.valueLabels[2 * k + 1], page.line1[k],
                        page.plusLabels[k], page.solutionLabels[k]),
                  expected);
    }
}

TEST(Layout, DivisionCellsStandWhereTheyWereDrawnAndRepeatOnPageTwo) {
    for (std::size_t n = 0; n < kBothNotations.size(); ++n) {
        const PageControls page = Arranged(kDivide, kBothNotations.at(n));
        for (const auto& [k, expected] : kDivisionCells) {
            EXPECT_EQ(Texts(page.valueLabels[2 * k + 1], page.valueLabels[2 * k],
                            page.equalSignTop[k], page.equalSignBottom[k], page.solutionLabels[k]),
                      expected);
        }
        EXPECT_EQ(Texts(page.divisionLine[0], page.line1[0], page.line2[0]),
                  kSignsOfCellZero.at(n));
        const auto cell = [&page](std::size_t k) {
            return Texts(page.valueLabels[2 * k], page.valueLabels[2 * k + 1],
                         page.solutionLabels[k], page.line1[k], page.line2[k], page.divisionLine[k],
                         page.equalSignTop[k], page.equalSignBottom[k]);
        };
        for (std::size_t k = 0; k < 50; ++k) {
            EXPECT_EQ(cell(k + 50), cell(k)) << k;
        }
    }
}

TEST(Layout, IsTheSameOnEveryCallAndForPageOne) {
    for (const OperationRow row : {kAdd, kMix, kDivide}) {
        for (const Notation notation : kBothNotations) {
            Sheet sheet(row, notation);
            const QStringList once = Lines(sheet.page, "");
            ArrangeFields(sheet.page, sheet.state);
            EXPECT_EQ(Lines(sheet.page, ""), once);
            PageControls pageOne = MakeDesignPageControls();
            ArrangeFields(pageOne, sheet.state, 1);
            EXPECT_EQ(Lines(pageOne, ""), once);
        }
    }
}

TEST(Layout, AnyPageNumberPlacesEveryCellInsideTheStock) {
    for (const int pageNo : {0, -3, 3, INT_MAX, INT_MIN}) {
        Sheet sheet(kAdd);
        ArrangeFields(sheet.page, sheet.state, pageNo);
        EXPECT_EQ(Lines(sheet.page, "lblSolution"), Lines(Arranged(kAdd), "lblSolution")) << pageNo;
    }
}

TEST(Layout, SolutionWidthFollowsTheFirstNumberLabel) {
    for (const OperationRow row : {kAdd, kDivide}) {
        Sheet sheet(row);
        sheet.page.valueLabels[0].width = 0.5F;
        ArrangeFields(sheet.page, sheet.state);
        EXPECT_EQ(Lines(sheet.page, "lblSolution").filter(QStringLiteral(" W=0.600 ")).size(),
                  kCells);
    }
}

TEST(Layout, NotationSwitchMovesTheSignButNotTheLowerDot) {
    Sheet sheet(kDivide, Notation::LineAndDots);
    const PageControls dots = sheet.page;
    sheet.state.divisionSymbol = sheet.state.divideSign;
    ArrangeFields(sheet.page, sheet.state);
    for (const char* array : {"DivisionLine", "Line1"}) {
        EXPECT_EQ(Lines(sheet.page, array),
                  Lines(Arranged(kDivide, Notation::UpsideDownSeven), array));
        EXPECT_NE(Lines(sheet.page, array), Lines(dots, array));
    }
    EXPECT_EQ(Lines(sheet.page, "Line2"), Lines(dots, "Line2"));
}

// Arranging again for another operation sets the grid anew.
TEST(Layout, SetsTheGridForEveryOperation) {
    Sheet sheet(kDivide);
    for (const auto& [row, grid] : {std::pair{RowNumber(kAdd), "10x10, 100"},
                                    {RowNumber(kSubtract), "10x10, 100"},
                                    {RowNumber(kMultiply), "10x10, 100"},
                                    {RowNumber(kDivide), "5x20, 50"},
                                    {RowNumber(kMix), "10x10, 100"},
                                    {std::int16_t{9}, "10x10, 0"}}) {
        sheet.state.operation = row;
        ArrangeFields(sheet.page, sheet.state);
        EXPECT_EQ(QString::asprintf("%dx%d, %d", sheet.state.gridColumns, sheet.state.gridRows,
                                    sheet.state.problemsPerPage),
                  grid);
    }
}

// The ten narrow operator labels end 120 twips further left in their cell.
TEST(Layout, NarrowOperatorsEndFurtherLeft) {
    const PageControls page = Arranged(kAdd);
    const std::set<std::size_t> narrow = {2, 17, 22, 32, 42, 57, 67, 77, 82, 97};
    for (std::size_t k = 0; k < kCells; ++k) {
        EXPECT_EQ(
            QString::number(page.plusLabels[k].left + page.plusLabels[k].width - page.line1[k].x1,
                            'f', 3),
            narrow.count(k) != 0 ? "0.015" : "0.099")
            << k;
    }
}

}  // namespace
}  // namespace tallyworth
