#pragma once

#include "core/settings_limits.h"
#include "core/validation.h"
#include "core/worksheet_state.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <vector>

namespace tallyworth {

// ProblemRules themselves live with the worksheet state (worksheet_state.h), which
// keeps the rules of the run.

// What the settings of the main window decide about the problems a sheet can hold.
struct ProblemSettings {
    OperationRow operationRow = OperationRow::Add;
    int lowest = kStartLowest;
    int highest = kStartHighest;
    bool allowNegative = false;  // subtraction only
};

// How problems are drawn under rules: with the odds the plain redraw loop gives each
// allowed problem, which favour the lowest numbers as RandomInRange does, or each
// allowed problem equally likely. RuledDrawOf (sheet_code.h) says which a sheet uses.
enum class RuledDraw : std::uint8_t { RedrawOdds, Uniform };

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
[[nodiscard]] std::vector<OperationRow> OperationsOfRow(OperationRow operationRow);

// True when working out first + second carries, or first - second borrows, in the ones or
// the tens column. A sum carries when its ones digits make 10 or more or the whole sum
// reaches 100 (so 50 + 50 carries, out of the tens column). A difference is worked out
// as the larger number minus the smaller, as a negative result is found, which borrows
// exactly when the larger number's ones digit is below the smaller's: 31 - 7 borrows and
// so does 7 - 31; 3 - 7 does not, as 7 - 3 does not. False for "*" and division.
[[nodiscard]] bool CarriesOrBorrows(OperationRow operation, int first, int second);

// True for a problem whose answer is given away.
[[nodiscard]] bool IsTrivialFact(OperationRow operation, int first, int second);

// Whether a problem with these numbers (the dividend first) keeps its operation's own rules
// (a whole quotient; no negative difference unless allowed) and the problem rules, a fixed
// number aside: the one test of every allowed problem, whichever way it is listed.
[[nodiscard]] bool IsAllowedFact(OperationRow operation, int first, int second, bool allowNegative,
                                 const ProblemRules& rules);

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

// What the rules make of a sheet of count problems: enough different problems fit, so
// few that some repeat, or none at all. Rules all off always fit, uncounted.
enum class RulesVerdict { Fits, SomeRepeat, NoneFits };

struct RulesCheck {
    RulesVerdict verdict = RulesVerdict::Fits;
    std::int64_t possible = 0;  // the different problems that fit, when counted
};

// The one verdict on settings that passed the settings checks, for every way a sheet is
// asked for: no problem fitting is a failure of the settings, fewer than asked is the
// user's call.
[[nodiscard]] RulesCheck CheckRulesFit(const ProblemSettings& settings, int count,
                                       const ProblemRules& rules);

// The counts below are written with the default locale's digit grouping, and each
// language's catalogue gives their plural forms (English's too: tallyworth_en).

// Said where the rules are set: "1,234 different problems", "only 12 different problems:
// some will repeat" when fewer than asked, "no problem fits these settings and rules"
// for none, and "more than a billion billion" for a count past what 64 bits hold.
[[nodiscard]] QString PossibleProblemsText(std::int64_t possible, int asked);

// The failure shown, like the settings messages, when no problem fits: nothing is composed.
[[nodiscard]] SettingsMessage NoProblemFitsMessage();

// The question asked before composing a sheet that asks for more problems than fit:
// "Only 12 different problems fit these settings and rules, so some will repeat. Make
// the worksheet anyway?"
[[nodiscard]] QString SomeWillRepeatQuestion(std::int64_t possible);
// The same said where no one is asked, as by a command line: "Only 12 different problems
// fit these settings and rules, so some will repeat; the worksheets are made anyway."
[[nodiscard]] QString SomeWillRepeatNotice(std::int64_t possible);

}  // namespace tallyworth
