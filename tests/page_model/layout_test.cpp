#include "support/named_cases.h"
#include "support/page_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <tuple>

namespace tallyworth {
namespace {

using namespace testing_support;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

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
    const auto cell = [this](std::size_t k) {
        const auto placed = [](const PageLabel& label) {
            return std::array{label.left, label.top, label.width, label.height};
        };
        const PageControls& page = sheet.page;
        return std::tuple{placed(page.valueLabels[2 * k]),
                          placed(page.valueLabels[2 * k + 1]),
                          placed(page.solutionLabels[k]),
                          page.line1[k],
                          page.line2[k],
                          page.divisionLine[k],
                          page.equalSignTop[k],
                          page.equalSignBottom[k]};
    };
    for (std::size_t k = 0; GetParam().row == OperationRow::Divide && k < 50; ++k) {
        EXPECT_EQ(cell(k + 50), cell(k)) << k;
    }
}

TEST_P(ArrangingTest, SolutionWidthFollowsTheFirstNumberLabel) {
    sheet.page.valueLabels[0].width = 0.5F;
    ArrangeFields(sheet.page, sheet.state);
    for (const PageLabel& solution : sheet.page.solutionLabels) {
        ASSERT_EQ(solution.width, static_cast<float>(0.5 + 0.1));
    }
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
    EXPECT_NE(sheet.page.divisionLine, dots.divisionLine);
    EXPECT_NE(sheet.page.line1, dots.line1);
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
