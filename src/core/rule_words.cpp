#include "core/rule_words.h"

#include "core/settings_limits.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>
#include <utility>

namespace tallyworth {

namespace {

constexpr qsizetype kMostFixedDigits = 2;

QString RegroupingWords(Regrouping regrouping) {
    switch (regrouping) {
        case Regrouping::Any:
            break;
        case Regrouping::Never:
            return QCoreApplication::translate("tallyworth::RuleWords", "no carrying or borrowing");
        case Regrouping::Always:
            return QCoreApplication::translate("tallyworth::RuleWords",
                                               "carrying or borrowing in every problem");
    }
    return {};
}

// Digits only, so that "7.0", "+7" or " 7" are not taken for a number the user did not
// write.
std::optional<int> FixedNumberOf(const QString& text) {
    const bool digits =
        !text.isEmpty() && text.size() <= kMostFixedDigits &&
        std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    const int number = digits ? text.toInt() : 0;
    if (number < kLeastFixed || number > kMostFixed) {
        return std::nullopt;
    }
    return number;
}

std::optional<Regrouping> RegroupingOf(const QString& text) {
    const std::array<std::pair<const char16_t*, Regrouping>, 3> names{
        {{u"any", Regrouping::Any},
         {u"never", Regrouping::Never},
         {u"always", Regrouping::Always}}};
    for (const auto& [name, regrouping] : names) {
        if (text.compare(QStringView(name), Qt::CaseInsensitive) == 0) {
            return regrouping;
        }
    }
    return std::nullopt;
}

}  // namespace

QString RulesSummary(const ProblemRules& rules) {
    QStringList parts;
    if (rules.noTrivial) {
        parts << QCoreApplication::translate("tallyworth::RuleWords", "no trivial facts");
    }
    if (rules.fixedNumber != 0) {
        parts << QCoreApplication::translate("tallyworth::RuleWords", "fixed number %1")
                     .arg(rules.fixedNumber);
    }
    if (rules.regrouping != Regrouping::Any) {
        parts << RegroupingWords(rules.regrouping);
    }
    if (rules.noRepeats) {
        parts << QCoreApplication::translate("tallyworth::RuleWords", "no repeats");
    }
    // The status line labels the list "Rules:" itself.
    return parts.join(QStringLiteral(", "));
}

RuleOptionsParse ProblemRulesFromOptions(const ProblemRuleOptions& options) {
    ProblemRules rules;
    rules.noTrivial = options.noTrivial;
    rules.noRepeats = options.noRepeats;
    if (options.fixed) {
        const std::optional<int> fixed = FixedNumberOf(*options.fixed);
        if (!fixed) {
            return RuleOptionError{
                QCoreApplication::translate("tallyworth::RuleWords",
                                            "--fixed takes a whole number from 1 to 99, not "
                                            "\"%1\".")
                    .arg(*options.fixed)};
        }
        rules.fixedNumber = *fixed;
    }
    if (options.regrouping) {
        const std::optional<Regrouping> regrouping = RegroupingOf(*options.regrouping);
        if (!regrouping) {
            return RuleOptionError{
                QCoreApplication::translate("tallyworth::RuleWords",
                                            "--regrouping takes any, never or always, not \"%1\".")
                    .arg(*options.regrouping)};
        }
        rules.regrouping = *regrouping;
    }
    return rules;
}

}  // namespace tallyworth
