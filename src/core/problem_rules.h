#pragma once

#include "core/validation.h"
#include "core/worksheet_state.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <vector>

namespace tallyworth {

// Whether the additions and subtractions of a sheet carry or borrow in some column.
enum class Regrouping { Any, Never, Always };

// Rules on top of the operation's own: which of the problems it could draw are allowed.
// All off by default, and then the composer draws exactly as it always has.
struct ProblemRules {
    // No problem whose answer is given away: a * 1, 1 * b, a / 1, a / a, a - a, and
    // anything with 0.
    bool noTrivial = false;
    // 0 = off, else 1..99: the second number of "+" and "*", the number taken away of
    // "-", the divisor of a division. The other number comes from the range.
    int fixedNumber = 0;
    // For "+" and "-" only; see CarriesOrBorrows.
    Regrouping regrouping = Regrouping::Any;
    // No two problems of a sheet alike until every allowed problem has been used.
    bool noRepeats = false;

    [[nodiscard]] bool AnyOn() const;
    friend bool operator==(const ProblemRules&, const ProblemRules&) = default;
};

// What the settings of the main window decide about the problems a sheet can hold.
struct ProblemSettings {
    int operationRow = 1;  // as operation: 1 "+", 2 "-", 3 "*", 4 the divide sign, 5 "Mix"
    int lowest = 1;
    int highest = 9;
    bool allowNegative = false;  // subtraction only
};

// One allowed problem: its numbers after the subtraction exchange (dividend first), and
// how likely the plain redraw loop is to end on it, relative to the others.
struct WeightedPair {
    std::int16_t first = 0;
    std::int16_t second = 0;
    std::uint32_t weight = 0;
    friend bool operator==(const WeightedPair&, const WeightedPair&) = default;
};

// The operations a row of the operation table draws from: one, or all four for "Mix";
// none for a row outside 1..5.
[[nodiscard]] std::vector<OperationRow> OperationsOfRow(int operationRow);

// True when working out first + second carries, or first - second borrows, in the ones or
// the tens column. A sum carries when its ones digits make 10 or more or the whole sum
// reaches 100 (so 50 + 50 carries, out of the tens column). A difference is worked out
// as the larger number minus the smaller, as a negative result is found, which borrows
// exactly when the larger number's ones digit is below the smaller's: 31 - 7 borrows and
// so does 7 - 31; 3 - 7 does not, as 7 - 3 does not. False for "*" and division.
[[nodiscard]] bool CarriesOrBorrows(OperationRow operation, int first, int second);

// True for a problem whose answer is given away.
[[nodiscard]] bool IsTrivialFact(OperationRow operation, int first, int second);

// Every distinct problem of one operation that the settings and rules allow, each once,
// in a fixed order. A number the rules fix has weight 1; only the other is drawn.
// Empty for settings outside 1 <= lowest <= highest <= 99.
[[nodiscard]] std::vector<WeightedPair> AllowedPairs(OperationRow operation,
                                                     const ProblemSettings& settings,
                                                     const ProblemRules& rules);

// How many distinct problems (operation and both numbers) the settings and rules allow:
// the size of AllowedPairs, summed over the four operations for "Mix". Exact.
[[nodiscard]] std::int64_t CountDistinctProblems(OperationRow operation,
                                                 const ProblemSettings& settings,
                                                 const ProblemRules& rules);
[[nodiscard]] std::int64_t CountDistinctProblems(const ProblemSettings& settings,
                                                 const ProblemRules& rules);

// Said where the rules are set: "1,234 different problems" with the locale's digit
// grouping, "only 12 different problems: some will repeat" when fewer than asked, and
// "no problem fits these settings and rules" for none.
[[nodiscard]] QString PossibleProblemsText(std::int64_t possible, int asked,
                                           const QLocale& locale = QLocale());

// The failure shown, like the settings messages, when no problem fits: nothing is composed.
[[nodiscard]] SettingsMessage NoProblemFitsMessage();

}  // namespace tallyworth
