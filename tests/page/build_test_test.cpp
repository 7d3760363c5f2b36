#include "page/build_test.h"
#include "page/page_layout.h"

#include "page_test_support.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace tallyworth {
namespace {

using page_test::MakeState;
using page_test::Notation;
using page_test::QuietComposerHost;
using page_test::RecordingReporter;
using page_test::SeededRandomSource;

ProblemEntry Problem(const char* sign, const char* first, const char* second,
                     const char* solution) {
    ProblemEntry entry;
    entry.Operator = QString::fromUtf8(sign);
    entry.FirstNumberText = QString::fromUtf8(first);
    entry.SecondNumberText = QString::fromUtf8(second);
    entry.SolutionText = QString::fromUtf8(solution);
    return entry;
}

TEST(WriteProblems, FillsTheCaptionsOfEachCell) {
    PageControls page = MakeDesignPageControls();
    ProblemSet set;
    set.problems = {Problem("+", "7", "5", "12"), Problem("-", "9", "3", "6"),
                    Problem("\u00f7", "4", "12", "3")};
    WriteProblems(page, set);
    struct Written {
        std::size_t cell;
        const char* first;
        const char* second;
        const char* sign;
        const char* solution;
    };
    for (const Written& cell : {Written{0, "7", "5", "+", "12"}, Written{1, "9", "3", "-", "6"},
                                Written{2, "4", "12", "\u00f7", "3"}}) {
        EXPECT_EQ(page.lblValue[2 * cell.cell].Caption, QString::fromUtf8(cell.first));
        EXPECT_EQ(page.lblValue[2 * cell.cell + 1].Caption, QString::fromUtf8(cell.second));
        EXPECT_EQ(page.lblPlus[cell.cell].Caption, QString::fromUtf8(cell.sign));
        EXPECT_EQ(page.lblSolution[cell.cell].Caption, QString::fromUtf8(cell.solution));
        EXPECT_EQ(page.lblSolution[cell.cell].Alignment, LabelAlignment::Right);
    }
    EXPECT_EQ(page.lblValue[6].Caption, "Label1");
    EXPECT_EQ(page.lblSolution[3].Alignment, LabelAlignment::Left);
    EXPECT_FALSE(page.lblValue[0].Visible);
}

TEST(WriteProblems, WritesOnlyTheCellsThePageHas) {
    PageControls page = MakeDesignPageControls();
    ProblemSet set;
    set.problems.assign(kCells + 20, Problem("*", "2", "3", "6"));
    WriteProblems(page, set);
    EXPECT_EQ(page.lblValue[kNumberLabels - 1].Caption, "3");
    EXPECT_EQ(page.lblSolution[kCells - 1].Caption, "6");
}

struct Built {
    PageControls page = MakeDesignPageControls();
    WorksheetState state;
    SeededRandomSource source;
    QuietComposerHost host;
    RecordingReporter reporter;

    explicit Built(int operationRow, Notation notation = Notation::LineAndDots)
        : state(MakeState(operationRow, notation)) {
        ArrangeFields(page, state);
    }
    void Build(int lowest, int highest, int count) {
        BuildTest(state, page, source, host, reporter, static_cast<std::int16_t>(lowest),
                  static_cast<std::int16_t>(highest), static_cast<std::int16_t>(count));
    }
};

TEST(BuildTest, StoresTheSettingsAndFillsPageOne) {
    Built built(page_test::kDivide);
    built.state.gCurrentPage = 2;
    built.Build(2, 12, 60);
    EXPECT_EQ(built.state.gLowestNumber, 2);
    EXPECT_EQ(built.state.gHighestNumber, 12);
    EXPECT_EQ(built.state.gNumberOfProblems, 60);
    EXPECT_EQ(built.state.gCurrentPage, 1);
    EXPECT_TRUE(built.reporter.failures.isEmpty());
    EXPECT_TRUE(built.page.lblValue[99].Visible);
    EXPECT_FALSE(built.page.lblValue[100].Visible);
    EXPECT_EQ(built.host.progressMaximum, 60);
}

TEST(BuildTest, WritesEveryProblemOfBothPages) {
    Built built(page_test::kDivide, Notation::UpsideDownSeven);
    built.Build(1, 9, 60);
    for (std::size_t cell = 0; cell < 60; ++cell) {
        const int dividend = built.page.lblValue[2 * cell].Caption.toInt();
        const int divisor = built.page.lblValue[2 * cell + 1].Caption.toInt();
        ASSERT_GE(divisor, 1) << cell;
        EXPECT_EQ(dividend % divisor, 0) << cell;
        EXPECT_EQ(built.page.lblSolution[cell].Caption.toInt(), dividend / divisor) << cell;
        EXPECT_EQ(built.page.lblPlus[cell].Caption, DivideSignText()) << cell;
    }
    EXPECT_EQ(built.page.lblValue[120].Caption, "Label1");
}

TEST(BuildTest, ShowsSolutionsOnlyWhenSwitchedOn) {
    Built built(page_test::kAdd);
    built.state.gShowSolutions = true;
    built.Build(1, 9, 10);
    EXPECT_TRUE(built.page.lblSolution[9].Visible);
    EXPECT_FALSE(built.page.lblSolution[10].Visible);
}

// A failure while composing is reported; the page is still filled from what it holds.
TEST(BuildTest, ReportsAFailureOfComposingAndGoesOn) {
    Built built(page_test::kAdd);
    built.host.failAtProgress = 3;
    built.state.gCurrentPage = 2;
    built.Build(1, 9, 5);
    EXPECT_EQ(page_test::Joined(built.reporter.failures), "ComposeProblems(): Overflow");
    EXPECT_EQ(built.state.gCurrentPage, 1);
    EXPECT_EQ(built.state.gNumberOfProblems, 5);
    EXPECT_TRUE(built.page.lblValue[9].Visible);
    EXPECT_FALSE(built.page.lblValue[10].Visible);
}

}  // namespace
}  // namespace tallyworth
