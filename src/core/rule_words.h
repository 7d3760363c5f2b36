#pragma once

#include "core/worksheet_state.h"

#include <QString>

#include <optional>
#include <variant>

namespace tallyworth {

// The rules that are on, in plain words for the status line's "Rules:" part: "no trivial
// facts, fixed number 7, no carrying or borrowing, no repeats". Empty when all are off.
[[nodiscard]] QString RulesSummary(const ProblemRules& rules);

// The problem-rule options of a command line as given: --no-trivial, --fixed F,
// --regrouping any|never|always and --no-repeats. A value option not given is empty.
struct ProblemRuleOptions {
    bool noTrivial = false;
    std::optional<QString> fixed;       // the text after --fixed
    std::optional<QString> regrouping;  // the text after --regrouping
    bool noRepeats = false;
};

struct RuleOptionError {
    QString message;  // names the option and the value it cannot take
    friend bool operator==(const RuleOptionError&, const RuleOptionError&) = default;
};

using RuleOptionsParse = std::variant<ProblemRules, RuleOptionError>;

// The rules the options ask for. --fixed takes a whole number from 1 to 99 written in
// digits; --regrouping takes any, never or always in any case. The first bad value is
// reported, --fixed before --regrouping.
[[nodiscard]] RuleOptionsParse ProblemRulesFromOptions(const ProblemRuleOptions& options);

}  // namespace tallyworth
