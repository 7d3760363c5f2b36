#include "page_model/spoken_page.h"
#include "support/named_cases.h"
#include "support/page_test_support.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <array>

namespace tallyworth {
namespace {

using testing_support::Notation;
using testing_support::PrintTo;

struct SpokenCase {
    const char* name;
    OperationRow operation;
    Notation notation;
    int problemsOnPage;  // of 60 asked for
    bool solutions;
};

const std::array kSpokenCases{
    SpokenCase{"SumsHidden", OperationRow::Add, Notation::LineAndDots, 60, false},
    SpokenCase{"DifferencesShown", OperationRow::Subtract, Notation::LineAndDots, 60, true},
    SpokenCase{"ProductsShown", OperationRow::Multiply, Notation::LineAndDots, 60, true},
    SpokenCase{"DivisionSignShown", OperationRow::Divide, Notation::LineAndDots, 50, true},
    SpokenCase{"DivisionBracketShown", OperationRow::Divide, Notation::UpsideDownSeven, 50, true},
    SpokenCase{"MixShown", OperationRow::Mix, Notation::LineAndDots, 60, true},
};

int Worked(int first, const QString& operation, int second) {
    if (operation == u"plus") {
        return first + second;
    }
    if (operation == u"minus") {
        return first - second;
    }
    if (operation == u"times") {
        return first * second;
    }
    return first % second == 0 ? first / second : -1;
}

class SpokenPageTest : public ::testing::TestWithParam<SpokenCase> {};

// Every problem of the page, read as "7 times 8 equals 56": the dividend first in either
// division notation, and the solution right where it shows.
TEST_P(SpokenPageTest, ReadsEveryProblemOfThePageAsItIsSaid) {
    const SpokenCase& spoken = GetParam();
    testing_support::Sheet sheet(spoken.operation, spoken.notation);
    sheet.Build(2, 12, 60);
    SetSolutionsVisible(sheet.page, sheet.state, 1, spoken.solutions);
    const QStringList lines = SpokenProblems(sheet.page);
    ASSERT_EQ(lines.size(), spoken.problemsOnPage);
    static const QRegularExpression said(
        QStringLiteral("^(\\d+) (plus|minus|times|divided by) (\\d+) equals(?: (-?\\d+))?$"));
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = said.match(line);
        ASSERT_TRUE(match.hasMatch()) << line.toStdString();
        ASSERT_EQ(match.hasCaptured(4), spoken.solutions) << line.toStdString();
        if (spoken.solutions) {
            EXPECT_EQ(
                Worked(match.captured(1).toInt(), match.captured(2), match.captured(3).toInt()),
                match.captured(4).toInt())
                << line.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, SpokenPageTest, ::testing::ValuesIn(kSpokenCases),
                         testing_support::kCaseName);

}  // namespace
}  // namespace tallyworth
