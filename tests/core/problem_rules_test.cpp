#include "core/problem_rules.h"
#include "core/composer.h"
#include "core/operations.h"
#include "core/pair_drawing.h"
#include "support/named_cases.h"
#include "support/test_doubles.h"

#include <gtest/gtest.h>

#include <limits>

#include <array>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>

namespace tallyworth {
namespace {

using enum OperationRow;
constexpr Regrouping kNever = Regrouping::Never;
constexpr Regrouping kAlways = Regrouping::Always;

using testing_support::kCaseName;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

using testing_support::Captions;
using testing_support::MakeState;
using testing_support::Numbers;
using testing_support::RecordingHost;
using testing_support::ScriptedRandomSource;

// Column by column, as written on paper, with the carry taken into the next column.
bool ColumnCarries(int first, int second) {
    for (int carry = 0; first + second + carry > 0; first /= 10, second /= 10) {
        carry = first % 10 + second % 10 + carry >= 10 ? 1 : 0;
        if (carry != 0)
            return true;
    }
    return false;
}

// The larger number on top, borrowing from the next column.
bool ColumnBorrows(int first, int second) {
    int top = std::max(first, second), bottom = std::min(first, second);
    for (int borrow = 0; top > 0; top /= 10, bottom /= 10) {
        borrow = top % 10 - borrow < bottom % 10 ? 1 : 0;
        if (borrow != 0)
            return true;
    }
    return false;
}

bool GivenAway(OperationRow operation, int first, int second) {
    const bool timesOne = operation == Multiply && (first == 1 || second == 1);
    const bool byOneOrItself = operation == Divide && (second == 1 || first == second);
    const bool takeItself = operation == Subtract && first == second;
    return first == 0 || second == 0 || timesOne || byOneOrItself || takeItself;
}

using Fact = std::tuple<OperationRow, int, int>;

// Whether the rules allow a problem, told afresh from their own words.
bool AllowedByHand(const Fact& problem, const ProblemRules& rules) {
    const auto& [operation, first, second] = problem;
    if (operation == Divide && first % second != 0)
        return false;
    if (rules.noTrivial && GivenAway(operation, first, second))
        return false;
    if (rules.fixedNumber != 0 && second != rules.fixedNumber)
        return false;
    const bool regroups = operation == Add ? ColumnCarries(first, second)
                                           : operation == Subtract && ColumnBorrows(first, second);
    const bool mayRegroup = operation == Add || operation == Subtract;
    return rules.regrouping == Regrouping::Any || !mayRegroup ||
           regroups == (rules.regrouping == kAlways);
}

// Every problem the plain redraw loop can end on under the rules, pair by pair: a
// subtraction without negative results exchanges a smaller first number, except that a
// fixed number to take away stays where it is.
std::set<Fact> ProblemsByHand(const ProblemSettings& settings, const ProblemRules& rules) {
    std::set<Fact> problems;
    const int fixed = rules.fixedNumber;
    for (const OperationRow operation : OperationsOfRow(settings.operationRow))
        for (int a = settings.lowest; a <= settings.highest; ++a)
            for (int b = fixed != 0 ? fixed : settings.lowest;
                 b <= (fixed != 0 ? fixed : settings.highest); ++b) {
                const bool smallerFirst = operation == Subtract && !settings.allowNegative && a < b;
                if (smallerFirst && fixed != 0)
                    continue;
                const Fact problem = smallerFirst ? Fact{operation, b, a} : Fact{operation, a, b};
                if (AllowedByHand(problem, rules))
                    problems.insert(problem);
            }
    return problems;
}

// Every pair of numbers the settings allow, the boundaries 5 + 5 and 50 + 50 among them,
// regroups exactly when the columns on paper do.
TEST(CarriesOrBorrows, AgreesWithTheColumnsOnPaperForEveryPair) {
    for (int first = 1; first <= 99; ++first) {
        for (int second = 1; second <= 99; ++second) {
            ASSERT_EQ(CarriesOrBorrows(Add, first, second), ColumnCarries(first, second))
                << first << " + " << second;
            ASSERT_EQ(CarriesOrBorrows(Subtract, first, second), ColumnBorrows(first, second))
                << first << " - " << second;
        }
    }
    EXPECT_FALSE(CarriesOrBorrows(Multiply, 5, 5));
}

TEST(PossibleProblems, SaysHowManyAndWhetherSomeWillRepeat) {
    EXPECT_EQ(PossibleProblemsText(1234, 100), "1,234 different problems");
    EXPECT_EQ(PossibleProblemsText(9'702'990'000'000, 10), "9,702,990,000,000 different problems");
    EXPECT_EQ(PossibleProblemsText(12, 20), "only 12 different problems: some will repeat");
    EXPECT_EQ(PossibleProblemsText(0, 10), "no problem fits these settings and rules");
    EXPECT_EQ(PossibleProblemsText(std::numeric_limits<std::int64_t>::max(), 10),
              "more than a billion billion different problems");
}

// Checks one composed sheet against the rules and the questions asked; open holds the
// problems not yet used in this round (all of them without the no-repeats rule). The plain
// composer asks anew for every subtraction.
void ExpectSheetKeepsTheRules(const ProblemSet& set, const std::set<Fact>& space,
                              const ProblemRules& rules, const RecordingHost& host) {
    std::set<Fact> open = space, drawn;
    int subtractions = 0;
    for (const Problem& e : set.problems) {
        const Fact problem{e.operation, e.first, e.second};
        ASSERT_TRUE(space.count(problem) > 0)
            << e.first << " " << OperationSymbol(e.operation).toStdString() << " " << e.second;
        ASSERT_TRUE(open.count(problem) > 0) << "a repeat before every problem was used";
        subtractions += std::get<0>(problem) == Subtract ? 1 : 0;
        drawn.insert(problem);
        if (rules.noRepeats)
            open.erase(problem);
        if (open.empty())
            open = space;
    }
    // Without repeats every problem comes up once there is room for all of them.
    ASSERT_TRUE(!rules.noRepeats || space.size() > set.problems.size() || drawn == space);
    EXPECT_EQ(host.questions, rules.AnyOn() ? 1 : subtractions);
}

struct ComposeCase {
    const char* name;
    ProblemRules rules;
};

class ComposingWithRules : public ::testing::TestWithParam<ComposeCase> {};

// Every operation, with and without negative results, on narrow and wide ranges.
TEST_P(ComposingWithRules, KeepsEveryRuleAndFillsEveryCell) {
    const ProblemRules& rules = GetParam().rules;
    // clang-format off
    const std::array<std::pair<int, int>, 4> ranges = {{{1, 2}, {98, 99}, {7, 9}, {1, 99}}};
    // clang-format on
    std::uint32_t seed = 7;
    for (const OperationRow row : {Add, Subtract, Multiply, Divide, Mix})
        for (const bool negative : {false, true})
            for (const auto& [lowest, highest] : ranges) {
                SCOPED_TRACE("row " + std::to_string(RowNumber(row)) + ", " +
                             std::to_string(lowest) + ".." + std::to_string(highest) + ", seed " +
                             std::to_string(seed));
                const ProblemSettings settings{row, lowest, highest, negative};
                const std::set<Fact> space = ProblemsByHand(settings, rules);
                ASSERT_EQ(CountDistinctProblems(settings, rules),
                          static_cast<std::int64_t>(space.size()));
                WorksheetState state = MakeState(row, {lowest, highest, 100});
                ScriptedRandomSource source(seed++);
                RecordingHost host;
                host.allowNegative = negative;
                const ProblemSet set = ComposeProblems(state, source, host, rules);
                ASSERT_EQ(set.problems.size(), space.empty() ? 0U : 100U);
                ASSERT_EQ(host.ranges.size(), space.empty() ? 0U : 1U);
                ExpectSheetKeepsTheRules(set, space, rules, host);
            }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, ComposingWithRules, ::testing::Values(
    ComposeCase{"RulesOff", ProblemRules{}},
    ComposeCase{"NoRepeatsFixed1", ProblemRules{false, 1, Regrouping::Any, true}},
    ComposeCase{"EveryRuleAlways", ProblemRules{true, 7, kAlways, true}},
    ComposeCase{"EveryRuleNever", ProblemRules{true, 3, kNever, true}}),
    kCaseName);
// clang-format on

// A fresh ruled sheet draws every allowed problem equally often, where the redraw loop's odds
// gave 2 x 7 four times the share of 12 x 7. 20,000 problems from fixed seeds; the limit is
// chi-square's 0.1 % point for the problems' count less one.
struct UniformCase {
    const char* name;
    OperationRow row;
    Numbers numbers;
    ProblemRules rules;
    double limit;
};

class UniformRuledDrawTest : public ::testing::TestWithParam<UniformCase> {};

TEST_P(UniformRuledDrawTest, DrawsEveryAllowedProblemEquallyOften) {
    const UniformCase& c = GetParam();
    WorksheetState state = MakeState(c.row, c.numbers);
    state.problemRules = c.rules;
    std::map<Fact, int> counts;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        ScriptedRandomSource source(seed);
        RecordingHost host;
        for (const Problem& problem : ComposeProblems(state, source, host).problems)
            ++counts[{c.row, problem.first, problem.second}];
    }
    const auto allowed = static_cast<double>(
        CountDistinctProblems({c.row, c.numbers.lowest, c.numbers.highest, false}, c.rules));
    ASSERT_EQ(static_cast<double>(counts.size()), allowed);
    const double expected = 20000 / allowed;
    double chiSquare = 0;
    for (const auto& [problem, count] : counts)
        chiSquare += (count - expected) * (count - expected) / expected;
    EXPECT_LT(chiSquare, c.limit);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, UniformRuledDrawTest, ::testing::Values(
    UniformCase{"TimesTableOfSeven", Multiply, {2, 12, 100}, {false, 7, Regrouping::Any, false}, 29.59},
    UniformCase{"CarryingFiveToNine", Add, {5, 9, 100}, {false, 0, kAlways, false}, 51.18},
    UniformCase{"MinusNoRepeats", Subtract, {1, 30, 100}, {true, 0, kAlways, true}, 222.2}),
    kCaseName);
// clang-format on

// Rules in the cell-numbering mode draw exactly what the composer without rules does.
TEST(ComposingWithRules, InCellNumberingComposeAsWithoutRules) {
    WorksheetState plain = MakeState(Mix, {3, 40, 100});
    plain.showCellNumbers = true;
    WorksheetState ruled = plain;
    ScriptedRandomSource plainSource(5), ruledSource(plainSource);
    RecordingHost host;
    const ProblemSet expected = ComposeProblems(plain, plainSource, host);
    EXPECT_EQ(Captions(ComposeProblems(ruled, ruledSource, host, {true, 7, kAlways, true})),
              Captions(expected));
}

}  // namespace
}  // namespace tallyworth
