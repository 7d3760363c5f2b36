#include "core/rule_words.h"
#include "core/problem_rules.h"

#include "support/named_cases.h"
#include "support/value_printers.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <array>
#include <optional>
#include <string>
#include <variant>

namespace tallyworth {
namespace {

using testing_support::kCaseName;

TEST(RulesSummary, NamesTheRulesThatAreOnInOrder) {
    EXPECT_EQ(RulesSummary({}), "");
    EXPECT_EQ(RulesSummary({true, 99, Regrouping::Never, true}),
              "no trivial facts, fixed number 99, no carrying or borrowing, no repeats");
}

struct OptionsCase {
    const char* name;
    ProblemRuleOptions options;
    std::variant<ProblemRules, const char*> expected;  // the rules, or the error's words
};

ProblemRuleOptions Options(bool noTrivial, const char* fixed, const char* regrouping,
                           bool noRepeats) {
    const auto given = [](const char* text) {
        return text == nullptr ? std::nullopt : std::optional(QString::fromUtf8(text));
    };
    return {noTrivial, given(fixed), given(regrouping), noRepeats};
}

// clang-format off
const std::array kOptions{
    OptionsCase{"None", Options(false, nullptr, nullptr, false), ProblemRules{}},
    OptionsCase{"Every", Options(true, "7", "never", true), ProblemRules{true, 7, Regrouping::Never, true}},
    OptionsCase{"RegroupingAnyCase", Options(false, nullptr, "Always", false), ProblemRules{false, 0, Regrouping::Always, false}},
    OptionsCase{"FixedHundred", Options(false, "100", nullptr, false), "--fixed takes a whole number from 1 to 99, not \"100\"."},
    OptionsCase{"RegroupingUnknown", Options(false, nullptr, "sometimes", false), "--regrouping takes any, never or always, not \"sometimes\"."},
    OptionsCase{"FixedReportedFirst", Options(false, "x", "sometimes", false), "--fixed takes a whole number from 1 to 99, not \"x\"."},
};
// clang-format on

class RuleOptionsTest : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(RuleOptionsTest, GiveTheRulesOrNameTheBadValue) {
    const RuleOptionsParse parsed = ProblemRulesFromOptions(GetParam().options);
    if (const auto* rules = std::get_if<ProblemRules>(&GetParam().expected)) {
        ASSERT_TRUE(std::holds_alternative<ProblemRules>(parsed))
            << std::get<RuleOptionError>(parsed).message.toStdString();
        EXPECT_EQ(std::get<ProblemRules>(parsed), *rules);
    } else {
        ASSERT_TRUE(std::holds_alternative<RuleOptionError>(parsed));
        EXPECT_EQ(std::get<RuleOptionError>(parsed).message,
                  QString::fromUtf8(std::get<const char*>(GetParam().expected)));
    }
}

INSTANTIATE_TEST_SUITE_P(Options, RuleOptionsTest, ::testing::ValuesIn(kOptions), kCaseName);

TEST(RepeatQuestion, SaysHowManyFitGroupedAndAsks) {
    EXPECT_TRUE(SomeWillRepeatQuestion(1234).startsWith("Only 1,234 different problems"));
}

}  // namespace
}  // namespace tallyworth
