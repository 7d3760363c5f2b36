#include "core/problem_rules.h"

#include "core/settings_limits.h"
#include "core/sheet_section.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cstddef>
#include <limits>

namespace tallyworth {

namespace {

constexpr int kColumnBase = 10;
constexpr int kHundred = 100;

bool UsableSettings(const ProblemSettings& settings) {
    return kLeastNumber <= settings.lowest && settings.lowest <= settings.highest &&
           settings.highest <= kMostNumber;
}

// Relative chance of RandomInRange(lowest, highest) giving value, in units of
// 1 / (2 highest): u * highest rounds to 0 for the first half step, to each whole number
// below highest for a whole step and to highest for the last half step, and every value
// below lowest counts as lowest.
std::uint32_t DrawWeight(int value, int lowest, int highest) {
    if (value < lowest || value > highest) {
        return 0;
    }
    if (value > lowest) {
        return value == highest ? 1U : 2U;
    }
    const int weight = lowest == highest ? 2 * lowest : 2 * lowest + 1;
    return static_cast<std::uint32_t>(weight);
}

// The column tests of CarriesOrBorrows, kept where the listing of pairs can inline them.
bool Carries(int first, int second) {
    return first % kColumnBase + second % kColumnBase >= kColumnBase || first + second >= kHundred;
}

bool Borrows(int first, int second) {
    return std::max(first, second) % kColumnBase < std::min(first, second) % kColumnBase;
}

bool RegroupingAllowed(Regrouping regrouping, OperationRow operation, int first, int second) {
    if (regrouping == Regrouping::Any ||
        (operation != OperationRow::Add && operation != OperationRow::Subtract)) {
        return true;
    }
    const bool regroups =
        operation == OperationRow::Add ? Carries(first, second) : Borrows(first, second);
    return regroups == (regrouping == Regrouping::Always);
}

// IsTrivialFact, kept where the listing of pairs can inline it.
bool GivesAnswerAway(OperationRow operation, int first, int second) {
    if (first == 0 || second == 0) {
        return true;
    }
    switch (operation) {
        case OperationRow::Add:
            break;
        case OperationRow::Subtract:
            return first == second;
        case OperationRow::Multiply:
            return first == 1 || second == 1;
        case OperationRow::Divide:
            return second == 1 || first == second;
        case OperationRow::Mix:
            break;
    }
    return false;
}

// The operation's own rules (after the subtraction exchange), then the problem rules.
bool Allowed(OperationRow operation, int first, int second, const ProblemSettings& settings,
             const ProblemRules& rules) {
    if (operation == OperationRow::Subtract && !settings.allowNegative && first < second) {
        return false;
    }
    if (operation == OperationRow::Divide && (second == 0 || first % second != 0)) {
        return false;
    }
    if (rules.noTrivial && GivesAnswerAway(operation, first, second)) {
        return false;
    }
    return RegroupingAllowed(rules.regrouping, operation, first, second);
}

// The plain loop draws both numbers; a subtraction without negative results reaches a
// pair of two different numbers from either order of the draw.
std::uint32_t PairWeight(OperationRow operation, int first, int second,
                         const ProblemSettings& settings) {
    const std::uint32_t weight = DrawWeight(first, settings.lowest, settings.highest) *
                                 DrawWeight(second, settings.lowest, settings.highest);
    const bool reachedTwice =
        operation == OperationRow::Subtract && !settings.allowNegative && first > second;
    return reachedTwice ? 2 * weight : weight;
}

// With a fixed number only the other number is drawn: its weight is the pair's.
template <typename Visit>
void ForEachFixedPair(OperationRow operation, const ProblemSettings& settings,
                      const ProblemRules& rules, Visit&& visit) {
    const int fixed = rules.fixedNumber;
    if (fixed < kLeastFixed || fixed > kMostFixed) {
        return;
    }
    for (int other = settings.lowest; other <= settings.highest; ++other) {
        if (Allowed(operation, other, fixed, settings, rules)) {
            visit(other, fixed, DrawWeight(other, settings.lowest, settings.highest));
        }
    }
}

// Divisions walk the multiples of each divisor; the others every pair of the range.
template <typename Visit>
void ForEachAllowedPair(OperationRow operation, const ProblemSettings& givenSettings,
                        const ProblemRules& givenRules, Visit&& visit) {
    // Copies the loop can keep in registers: a visit that writes to memory could, for all
    // the compiler knows, change what references point to.
    const ProblemSettings settings = givenSettings;
    const ProblemRules rules = givenRules;
    if (!UsableSettings(settings)) {
        return;
    }
    if (rules.fixedNumber != 0) {
        ForEachFixedPair(operation, settings, rules, visit);
        return;
    }
    const bool divide = operation == OperationRow::Divide;
    for (int second = settings.lowest; second <= settings.highest; ++second) {
        const int start =
            divide ? (settings.lowest + second - 1) / second * second : settings.lowest;
        const int step = divide ? second : 1;
        for (int first = start; first <= settings.highest; first += step) {
            if (Allowed(operation, first, second, settings, rules)) {
                visit(first, second, PairWeight(operation, first, second, settings));
            }
        }
    }
}

// A count of problems as the translator's plural forms take it: written methods allow
// more than fit an int, which take the largest int's form.
int CountOf(std::int64_t possible) {
    return static_cast<int>(std::min<std::int64_t>(possible, std::numeric_limits<int>::max()));
}

// The text of a count, the count written whole where it is more than an int holds.
QString WithWholeCount(QString text, std::int64_t possible) {
    if (possible > std::numeric_limits<int>::max()) {
        const QLocale locale;
        text.replace(locale.toString(CountOf(possible)), locale.toString(possible));
    }
    return text;
}

}  // namespace

std::vector<OperationRow> OperationsOfRow(OperationRow operationRow) {
    return OperationsOf(OperationSetOfRow(operationRow));
}

bool CarriesOrBorrows(OperationRow operation, int first, int second) {
    switch (operation) {
        case OperationRow::Add:
            return Carries(first, second);
        case OperationRow::Subtract:
            return Borrows(first, second);
        case OperationRow::Multiply:
        case OperationRow::Divide:
        case OperationRow::Mix:
            break;
    }
    return false;
}

bool IsTrivialFact(OperationRow operation, int first, int second) {
    return GivesAnswerAway(operation, first, second);
}

bool IsAllowedFact(OperationRow operation, int first, int second, bool allowNegative,
                   const ProblemRules& rules) {
    ProblemSettings settings;
    settings.allowNegative = allowNegative;
    return Allowed(operation, first, second, settings, rules);
}

std::vector<WeightedPair> AllowedPairs(OperationRow operation, const ProblemSettings& settings,
                                       const ProblemRules& rules) {
    std::vector<WeightedPair> pairs;
    // One allocation for the most pairs there can be, rather than a dozen as the list grows.
    if (UsableSettings(settings)) {
        const int range = settings.highest - settings.lowest + 1;
        const auto values = static_cast<std::size_t>(range);
        pairs.reserve(rules.fixedNumber != 0 ? values : values * values);
    }
    ForEachAllowedPair(
        operation, settings, rules, [&pairs](int first, int second, std::uint32_t weight) {
            pairs.push_back(
                {static_cast<std::int16_t>(first), static_cast<std::int16_t>(second), weight});
        });
    return pairs;
}

std::int64_t CountDistinctProblems(OperationRow operation, const ProblemSettings& settings,
                                   const ProblemRules& rules) {
    std::int64_t count = 0;
    ForEachAllowedPair(
        operation, settings, rules,
        [&count](int /*first*/, int /*second*/, std::uint32_t /*weight*/) { ++count; });
    return count;
}

std::int64_t CountDistinctProblems(const ProblemSettings& settings, const ProblemRules& rules) {
    std::int64_t count = 0;
    for (const OperationRow operation : OperationsOfRow(settings.operationRow)) {
        count += CountDistinctProblems(operation, settings, rules);
    }
    return count;
}

RulesCheck CheckRulesFit(const ProblemSettings& settings, int count, const ProblemRules& rules) {
    if (!rules.AnyOn()) {
        return {};
    }
    const std::int64_t possible = CountDistinctProblems(settings, rules);
    if (possible == 0) {
        return {RulesVerdict::NoneFits, possible};
    }
    return {possible < count ? RulesVerdict::SomeRepeat : RulesVerdict::Fits, possible};
}

QString PossibleProblemsText(std::int64_t possible, int asked) {
    if (possible <= 0) {
        return QCoreApplication::translate("tallyworth::ProblemRules",
                                           "no problem fits these settings and rules");
    }
    // A written sum of four six-digit numbers has about 10^24: more than its count holds.
    if (possible == std::numeric_limits<std::int64_t>::max()) {
        return QCoreApplication::translate("tallyworth::ProblemRules",
                                           "more than a billion billion different problems");
    }
    // Whole sentences, not pieces, so that each language can order its own words.
    return possible >= asked
               ? WithWholeCount(QCoreApplication::translate("tallyworth::ProblemRules",
                                                            "%Ln different problems", nullptr,
                                                            CountOf(possible)),
                                possible)
               : QCoreApplication::translate("tallyworth::ProblemRules",
                                             "only %Ln different problems: some will repeat",
                                             nullptr, CountOf(possible));
}

SettingsMessage NoProblemFitsMessage() {
    return {QCoreApplication::translate("tallyworth::ProblemRules",
                                        "No problem fits these settings and rules. Please widen "
                                        "the range or change the rules."),
            MessageIcon::Information};
}

QString SomeWillRepeatQuestion(std::int64_t possible) {
    return QCoreApplication::translate("tallyworth::ProblemRules",
                                       "Only %Ln different problems fit these settings and rules, "
                                       "so some will repeat. Make the worksheet anyway?",
                                       nullptr, CountOf(possible));
}

QString SomeWillRepeatNotice(std::int64_t possible) {
    return QCoreApplication::translate("tallyworth::ProblemRules",
                                       "Only %Ln different problems fit these settings and rules, "
                                       "so some will repeat; the worksheets are made anyway.",
                                       nullptr, CountOf(possible));
}

}  // namespace tallyworth
