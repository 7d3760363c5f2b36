#include "page/page_layout.h"

#include "page_test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <set>
#include <string>

namespace tallyworth {
namespace {

using page_test::GeometryOf;
using page_test::Joined;
using page_test::LinesOf;
using page_test::MakeState;
using page_test::Notation;
using page_test::Point;
using page_test::Segment;
using page_test::ThreeDecimals;

PageControls ArrangedPage(int operationRow, Notation notation = Notation::LineAndDots) {
    PageControls page = MakeDesignPageControls();
    WorksheetState state = MakeState(operationRow, notation);
    ArrangeFields(page, state);
    return page;
}

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

QString LeftTop(const PageLabel& label) {
    return Point(label.Left, label.Top);
}

struct GridCell {
    int cell;
    const char* upperNumber;
    const char* lowerNumber;
    const char* answerLine;
    const char* sign;
    const char* solution;
};

class GridWorkedCells : public ::testing::TestWithParam<GridCell> {};

TEST_P(GridWorkedCells, StandWhereTheyWereDrawn) {
    const GridCell& expected = GetParam();
    const PageControls page = ArrangedPage(page_test::kAdd);
    const int k = expected.cell;
    EXPECT_EQ(LeftTop(page.lblValue[At(2 * k)]), expected.upperNumber);
    EXPECT_EQ(LeftTop(page.lblValue[At(2 * k + 1)]), expected.lowerNumber);
    EXPECT_EQ(Segment(page.Line1[At(k)]), expected.answerLine);
    EXPECT_EQ(page.Line1[At(k)].BorderWidth, 2);
    EXPECT_EQ(LeftTop(page.lblPlus[At(k)]), expected.sign);
    EXPECT_EQ(LeftTop(page.lblSolution[At(k)]), expected.solution);
    EXPECT_EQ(ThreeDecimals(page.lblSolution[At(k)].Width), "0.402");
}

INSTANTIATE_TEST_SUITE_P(
    Grid, GridWorkedCells,
    ::testing::Values(GridCell{0, "(0.308,0.096)", "(0.308,0.346)", "(0.258,0.598)-(0.663,0.598)",
                               "(0.138,0.368)", "(0.208,0.728)"},
                      GridCell{1, "(1.058,0.096)", "(1.058,0.346)", "(1.008,0.598)-(1.413,0.598)",
                               "(0.888,0.368)", "(0.958,0.728)"},
                      GridCell{9, "(7.058,0.096)", "(7.058,0.346)", "(7.008,0.598)-(7.413,0.598)",
                               "(6.888,0.368)", "(6.958,0.728)"},
                      GridCell{10, "(0.308,1.146)", "(0.308,1.396)", "(0.258,1.648)-(0.663,1.648)",
                               "(0.138,1.418)", "(0.208,1.778)"},
                      GridCell{90, "(0.308,9.546)", "(0.308,9.796)",
                               "(0.258,10.048)-(0.663,10.048)", "(0.138,9.818)", "(0.208,10.178)"},
                      GridCell{99, "(7.058,9.546)", "(7.058,9.796)",
                               "(7.008,10.048)-(7.413,10.048)", "(6.888,9.818)",
                               "(6.958,10.178)"}));

struct DivisionCell {
    int cell;
    const char* leftNumber;
    const char* rightNumber;
    const char* equalTop;
    const char* equalBottomY;
    const char* solution;
};

class DivisionWorkedCells : public ::testing::TestWithParam<std::tuple<Notation, DivisionCell>> {};

TEST_P(DivisionWorkedCells, StandWhereTheyWereDrawn) {
    const auto& [notation, expected] = GetParam();
    const PageControls page = ArrangedPage(page_test::kDivide, notation);
    const int k = expected.cell;
    EXPECT_EQ(LeftTop(page.lblValue[At(2 * k + 1)]), expected.leftNumber);
    EXPECT_EQ(LeftTop(page.lblValue[At(2 * k)]), expected.rightNumber);
    EXPECT_EQ(Segment(page.EqualSignTop[At(k)]), expected.equalTop);
    EXPECT_EQ(ThreeDecimals(page.EqualSignBottom[At(k)].Y1), expected.equalBottomY);
    EXPECT_EQ(ThreeDecimals(page.EqualSignBottom[At(k)].Y2), expected.equalBottomY);
    EXPECT_EQ(LeftTop(page.lblSolution[At(k)]), expected.solution);
    EXPECT_EQ(ThreeDecimals(page.lblSolution[At(k)].Width), "0.402");
}

INSTANTIATE_TEST_SUITE_P(
    Division, DivisionWorkedCells,
    ::testing::Combine(
        ::testing::Values(Notation::LineAndDots, Notation::UpsideDownSeven),
        ::testing::Values(DivisionCell{0, "(0.000,0.250)", "(0.350,0.250)",
                                       "(0.702,0.350)-(0.802,0.350)", "0.400", "(0.902,0.250)"},
                          DivisionCell{1, "(1.450,0.250)", "(1.800,0.250)",
                                       "(2.152,0.350)-(2.252,0.350)", "0.400", "(2.352,0.250)"},
                          DivisionCell{4, "(5.800,0.250)", "(6.150,0.250)",
                                       "(6.502,0.350)-(6.602,0.350)", "0.400", "(6.702,0.250)"},
                          DivisionCell{5, "(0.000,0.850)", "(0.350,0.850)",
                                       "(0.702,0.950)-(0.802,0.950)", "1.000", "(0.902,0.850)"},
                          DivisionCell{49, "(5.800,5.650)", "(6.150,5.650)",
                                       "(6.502,5.750)-(6.602,5.750)", "5.800", "(6.702,5.650)"},
                          DivisionCell{50, "(0.000,0.250)", "(0.350,0.250)",
                                       "(0.702,0.350)-(0.802,0.350)", "0.400", "(0.902,0.250)"})));

struct SignOfCellZero {
    Notation notation;
    const char* divisionLine;
    int divisionLineWidth;
    const char* line1;
    int line1Width;
};

class DivisionSign : public ::testing::TestWithParam<SignOfCellZero> {};

TEST_P(DivisionSign, OfCellZero) {
    const SignOfCellZero& expected = GetParam();
    const PageControls page = ArrangedPage(page_test::kDivide, expected.notation);
    EXPECT_EQ(Segment(page.DivisionLine[0]), expected.divisionLine);
    EXPECT_EQ(page.DivisionLine[0].BorderWidth, expected.divisionLineWidth);
    EXPECT_EQ(Segment(page.Line1[0]), expected.line1);
    EXPECT_EQ(page.Line1[0].BorderWidth, expected.line1Width);
}

INSTANTIATE_TEST_SUITE_P(
    BothNotations, DivisionSign,
    ::testing::Values(SignOfCellZero{Notation::UpsideDownSeven, "(0.302,0.480)-(0.452,0.250)", 1,
                                     "(0.442,0.250)-(0.642,0.250)", 1},
                      SignOfCellZero{Notation::LineAndDots, "(0.352,0.330)-(0.382,0.330)", 3,
                                     "(0.322,0.390)-(0.422,0.390)", 2}));

TEST(DivisionSign, LowerDotOnlyInTheLineAndDotsNotation) {
    const PageControls dots = ArrangedPage(page_test::kDivide, Notation::LineAndDots);
    EXPECT_EQ(Segment(dots.Line2[0]), "(0.352,0.440)-(0.382,0.440)");
    EXPECT_EQ(dots.Line2[0].BorderWidth, 3);
    const PageControls seven = ArrangedPage(page_test::kDivide, Notation::UpsideDownSeven);
    EXPECT_EQ(Segment(seven.Line2[0]), Segment(MakeDesignPageControls().Line2[0]));
}

TEST(DivisionSign, DotsAreMeasuredFromTheirStoredStart) {
    const PageControls page = ArrangedPage(page_test::kDivide, Notation::LineAndDots);
    for (std::size_t k = 0; k < kCells; ++k) {
        const PageLine& dot = page.DivisionLine[k];
        EXPECT_EQ(dot.X2, static_cast<float>(static_cast<double>(dot.X1) + 0.03)) << k;
        EXPECT_EQ(dot.Y2, dot.Y1) << k;
        const PageLine& bar = page.Line1[k];
        EXPECT_EQ(bar.X2, static_cast<float>(static_cast<double>(bar.X1) + 0.1)) << k;
    }
}

// Each cell's controls as dump lines, for comparing whole cells.
std::string CellGeometry(const PageControls& page, int cell) {
    const QString dump = GeometryOf(page);
    QStringList lines;
    const auto pick = [&](const QString& name, int index) {
        const QString prefix = QStringLiteral("%1(%2) ").arg(name).arg(index);
        for (const QString& line : LinesOf(dump, prefix)) {
            lines.append(line.mid(prefix.size()));
        }
    };
    pick(QStringLiteral("lblValue"), 2 * cell);
    pick(QStringLiteral("lblValue"), 2 * cell + 1);
    for (const char* name :
         {"lblSolution", "Line1", "Line2", "DivisionLine", "EqualSignTop", "EqualSignBottom"}) {
        pick(QString::fromLatin1(name), cell);
    }
    return page_test::Joined(lines);
}

class DivisionPages : public ::testing::TestWithParam<Notation> {};

TEST_P(DivisionPages, SecondPageCellsStandOnTheFirstPagesPlaces) {
    const PageControls page = ArrangedPage(page_test::kDivide, GetParam());
    for (int k = 0; k < 50; ++k) {
        EXPECT_EQ(CellGeometry(page, k + 50), CellGeometry(page, k)) << "cell " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(BothNotations, DivisionPages,
                         ::testing::Values(Notation::LineAndDots, Notation::UpsideDownSeven));

class RepeatedLayout : public ::testing::TestWithParam<std::tuple<int, Notation>> {};

TEST_P(RepeatedLayout, TwoCallsLeaveTheSameGeometry) {
    const auto [row, notation] = GetParam();
    PageControls page = MakeDesignPageControls();
    WorksheetState state = MakeState(row, notation);
    ArrangeFields(page, state);
    const QString first = GeometryOf(page);
    ArrangeFields(page, state);
    EXPECT_EQ(GeometryOf(page), first);
}

TEST_P(RepeatedLayout, PageOneIsTheSameAsNoPage) {
    const auto [row, notation] = GetParam();
    PageControls withoutPage = MakeDesignPageControls();
    PageControls withPageOne = MakeDesignPageControls();
    WorksheetState state = MakeState(row, notation);
    ArrangeFields(withoutPage, state);
    ArrangeFields(withPageOne, state, 1);
    EXPECT_EQ(GeometryOf(withPageOne), GeometryOf(withoutPage));
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, RepeatedLayout,
                         ::testing::Values(std::tuple{page_test::kAdd, Notation::LineAndDots},
                                           std::tuple{page_test::kMix, Notation::UpsideDownSeven},
                                           std::tuple{page_test::kDivide, Notation::LineAndDots},
                                           std::tuple{page_test::kDivide,
                                                      Notation::UpsideDownSeven}));

class SolutionWidth : public ::testing::TestWithParam<int> {};

TEST_P(SolutionWidth, FollowsTheFirstNumberLabel) {
    PageControls page = MakeDesignPageControls();
    page.lblValue[0].Width = 0.5F;
    WorksheetState state = MakeState(GetParam());
    ArrangeFields(page, state);
    for (const PageLabel& solution : page.lblSolution) {
        EXPECT_FLOAT_EQ(solution.Width, 0.6F);
    }
}

INSTANTIATE_TEST_SUITE_P(GridAndDivision, SolutionWidth,
                         ::testing::Values(page_test::kAdd, page_test::kDivide));

TEST(DivisionLayout, SignFollowsTheFirstNumberLabelAndSolutionItsOwnCell) {
    PageControls page = MakeDesignPageControls();
    page.lblValue[0].Width = 0.5F;  // W; cell 1's left number keeps the design width
    WorksheetState state = MakeState(page_test::kDivide, Notation::LineAndDots);
    ArrangeFields(page, state);
    EXPECT_EQ(ThreeDecimals(page.EqualSignTop[1].X1), "2.350");   // 1.45 + 0.5 + 0.4
    EXPECT_EQ(ThreeDecimals(page.lblSolution[1].Left), "2.352");  // 1.45 + 0.6 + 0.302
}

TEST(NotationSwitch, MovesTheSignButNotTheLowerDot) {
    PageControls page = MakeDesignPageControls();
    WorksheetState state = MakeState(page_test::kDivide, Notation::LineAndDots);
    ArrangeFields(page, state);
    const QString dotsGeometry = GeometryOf(page);
    state.gDivisionSymbol = state.gDivideSign;
    ArrangeFields(page, state);
    const QString switched = GeometryOf(page);
    const QString sevenOnly =
        GeometryOf(ArrangedPage(page_test::kDivide, Notation::UpsideDownSeven));
    for (const char* name : {"DivisionLine(", "Line1("}) {
        const QString prefix = QString::fromLatin1(name);
        EXPECT_EQ(Joined(LinesOf(switched, prefix)), Joined(LinesOf(sevenOnly, prefix))) << name;
        EXPECT_NE(Joined(LinesOf(switched, prefix)), Joined(LinesOf(dotsGeometry, prefix))) << name;
    }
    EXPECT_EQ(Joined(LinesOf(switched, QStringLiteral("Line2("))),
              Joined(LinesOf(dotsGeometry, QStringLiteral("Line2("))));
}

struct LayoutGlobals {
    int row;
    int columns;
    int rows;
    int perPage;
};

class LayoutGlobalsPerOperation : public ::testing::TestWithParam<LayoutGlobals> {};

TEST_P(LayoutGlobalsPerOperation, AreSetOnEveryCall) {
    const LayoutGlobals& expected = GetParam();
    PageControls page = MakeDesignPageControls();
    WorksheetState state = MakeState(expected.row);
    state.gGridColumns = 99;
    state.gGridRows = 99;
    state.gProblemsPerPage = 99;
    ArrangeFields(page, state);
    EXPECT_EQ(state.gGridColumns, expected.columns);
    EXPECT_EQ(state.gGridRows, expected.rows);
    EXPECT_EQ(state.gProblemsPerPage, expected.perPage);
}

INSTANTIATE_TEST_SUITE_P(EveryOperation, LayoutGlobalsPerOperation,
                         ::testing::Values(LayoutGlobals{page_test::kAdd, 10, 10, 100},
                                           LayoutGlobals{page_test::kSubtract, 10, 10, 100},
                                           LayoutGlobals{page_test::kMultiply, 10, 10, 100},
                                           LayoutGlobals{page_test::kDivide, 5, 20, 50},
                                           LayoutGlobals{page_test::kMix, 10, 10, 100}));

TEST(GridLayout, LeavesTheDivisionStrokesWhereTheyWere) {
    PageControls page = MakeDesignPageControls();
    WorksheetState state = MakeState(page_test::kDivide, Notation::LineAndDots);
    ArrangeFields(page, state);
    const QString divisionGeometry = GeometryOf(page);
    state.gOperation = page_test::kAdd;
    ArrangeFields(page, state);
    const QString gridGeometry = GeometryOf(page);
    for (const char* name : {"Line2(", "DivisionLine(", "EqualSignTop(", "EqualSignBottom("}) {
        const QString prefix = QString::fromLatin1(name);
        EXPECT_EQ(Joined(LinesOf(gridGeometry, prefix)), Joined(LinesOf(divisionGeometry, prefix)))
            << name;
    }
}

// The ten narrow operator labels end 120 twips further left in their cell.
TEST(GridLayout, NarrowOperatorsEndFurtherLeft) {
    const PageControls page = ArrangedPage(page_test::kAdd);
    const std::set<std::size_t> narrow = {2, 17, 22, 32, 42, 57, 67, 77, 82, 97};
    for (std::size_t k = 0; k < kCells; ++k) {
        const PageLabel& sign = page.lblPlus[k];
        const float endInCell = sign.Left + sign.Width - page.Line1[k].X1;
        EXPECT_EQ(ThreeDecimals(endInCell), narrow.count(k) != 0 ? "0.015" : "0.099") << k;
    }
}

TEST(GridLayout, NeverMovesTheUpperHalfOfLine1) {
    const PageControls page = ArrangedPage(page_test::kAdd);
    const PageControls design = MakeDesignPageControls();
    for (std::size_t k = 100; k < kNumberLabels; ++k) {
        EXPECT_EQ(Segment(page.Line1[k]), Segment(design.Line1[k])) << k;
    }
}

// A later page starts further into the 200 number labels; labels that would lie past
// the end of the stock are simply not placed.
TEST(LaterPage, GridPlacesOnlyTheNumberLabelsThatExist) {
    PageControls page = MakeDesignPageControls();
    WorksheetState state = MakeState(page_test::kAdd);
    ArrangeFields(page, state, 2);
    const PageControls pageOne = ArrangedPage(page_test::kAdd);
    EXPECT_EQ(LeftTop(page.lblValue[100]), LeftTop(pageOne.lblValue[0]));
    EXPECT_EQ(LeftTop(page.lblValue[199]), LeftTop(pageOne.lblValue[99]));
    EXPECT_EQ(LeftTop(page.lblValue[0]), LeftTop(MakeDesignPageControls().lblValue[0]));
    EXPECT_EQ(Segment(page.Line1[99]), Segment(pageOne.Line1[99]));
}

TEST(LaterPage, DivisionSecondPageStartsAtTheFiftiethLabel) {
    PageControls page = MakeDesignPageControls();
    WorksheetState state = MakeState(page_test::kDivide);
    ArrangeFields(page, state, 2);
    const PageControls pageOne = ArrangedPage(page_test::kDivide);
    EXPECT_EQ(LeftTop(page.lblValue[51]), LeftTop(pageOne.lblValue[1]));
    EXPECT_EQ(LeftTop(page.lblValue[199]), LeftTop(pageOne.lblValue[149]));
    EXPECT_EQ(LeftTop(page.lblSolution[99]), LeftTop(pageOne.lblSolution[99]));
}

class OutlandishPage : public ::testing::TestWithParam<int> {};

TEST_P(OutlandishPage, PlacesEveryCellWithoutLeavingTheStock) {
    PageControls page = MakeDesignPageControls();
    WorksheetState state = MakeState(page_test::kAdd);
    ArrangeFields(page, state, GetParam());
    const PageControls pageOne = ArrangedPage(page_test::kAdd);
    EXPECT_EQ(Joined(LinesOf(GeometryOf(page), QStringLiteral("lblSolution("))),
              Joined(LinesOf(GeometryOf(pageOne), QStringLiteral("lblSolution("))));
}

INSTANTIATE_TEST_SUITE_P(Pages, OutlandishPage, ::testing::Values(0, -3, 3, INT_MAX, INT_MIN));

TEST(LaterPage, PageZeroStartsBeforeTheStock) {
    PageControls page = MakeDesignPageControls();
    WorksheetState state = MakeState(page_test::kAdd);
    ArrangeFields(page, state, 0);
    const PageControls pageOne = ArrangedPage(page_test::kAdd);
    EXPECT_EQ(LeftTop(page.lblValue[0]), LeftTop(pageOne.lblValue[100]));
    EXPECT_EQ(LeftTop(page.lblValue[100]), LeftTop(MakeDesignPageControls().lblValue[100]));
}

TEST(UnknownOperation, GetsTheGridAndAnEmptyPage) {
    PageControls page = MakeDesignPageControls();
    WorksheetState state = MakeState(page_test::kAdd);
    state.gOperation = 9;
    ArrangeFields(page, state);
    EXPECT_EQ(state.gGridColumns, 10);
    EXPECT_EQ(state.gProblemsPerPage, 0);
}

}  // namespace
}  // namespace tallyworth
