#include "core/validation.h"
#include "core/worksheet_state.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QString>

#include <string>
#include <vector>

namespace tallyworth {
namespace {

SettingsEffect Stop(const char* text) {
    return SettingsMessage{QString::fromUtf8(text), MessageIcon::Stop};
}
SettingsEffect Info(const char* text) {
    return SettingsMessage{QString::fromUtf8(text), MessageIcon::Information};
}
SettingsEffect FocusTo(SettingsField field) {
    return FocusMove{field};
}

constexpr auto kMax = SettingsField::MaxValue;
constexpr auto kMin = SettingsField::MinValue;
constexpr auto kCount = SettingsField::NoOfProblems;

const char* const kCheckHighest = "Please check your Highest Number.";
const char* const kCheckLowest = "Please check your Lowest Number.";
const char* const kCheckCount = "Please check your Number of Problems.";
const char* const kCountRange = "Number of Problems must be between 1 and 100.";
const char* const kLowestAboveHighest =
    "Lowest Number must be less than or equal to Highest Number!";
const char* const kHighestRange = "Highest Number must be between 1 and 99.";
const char* const kLowestRange = "Lowest Number must be between 1 and 99.";
const char* const kEqual = "Lowest Number cannot equal Highest Number.";
const char* const kDivideByZero = "You can't divide by zero.";

const char* const kDivide = "\u00F7";

struct ValidationCase {
    std::string name;
    const char* highest;
    const char* lowest;
    const char* count;
    const char* operation;
    bool verdict;
    std::vector<SettingsEffect> effects;
};

std::string Describe(const SettingsEffect& effect) {
    if (const auto* message = std::get_if<SettingsMessage>(&effect)) {
        return "message(" + message->text.toStdString() + ", " +
               std::to_string(static_cast<int>(message->icon)) + ")";
    }
    return "focus(" + std::to_string(static_cast<int>(std::get<FocusMove>(effect).field)) + ")";
}

std::string Describe(const std::vector<SettingsEffect>& effects) {
    std::string text;
    for (const SettingsEffect& effect : effects) {
        text += Describe(effect) + "; ";
    }
    return text;
}

class ValidateSettingsTable : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(ValidateSettingsTable, GivesVerdictAndEffectsInOrder) {
    const ValidationCase& c = GetParam();
    const ValidationResult result =
        ValidateSettings(QString::fromUtf8(c.highest), QString::fromUtf8(c.lowest),
                         QString::fromUtf8(c.count), QString::fromUtf8(c.operation), QLocale::c());
    EXPECT_EQ(result.verdict, c.verdict);
    EXPECT_EQ(Describe(result.effects), Describe(c.effects));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ValidateSettingsTable,
    ::testing::Values(
        ValidationCase{"StartUpSettingsPass", "9", "1", "10", "+", true, {}},
        ValidationCase{"WidestSettingsPass", "99", "98", "100", kDivide, true, {}},
        ValidationCase{"HighestUnreadableStopsAtOnce",
                       "abc",
                       "",
                       "10",
                       "+",
                       false,
                       {Stop(kCheckHighest), FocusTo(kMax)}},
        ValidationCase{
            "HighestEmpty", "", "1", "10", "+", false, {Stop(kCheckHighest), FocusTo(kMax)}},
        ValidationCase{
            "HighestBlank", "   ", "1", "10", "+", false, {Stop(kCheckHighest), FocusTo(kMax)}},
        ValidationCase{"HighestOutside16Bits",
                       "40000",
                       "1",
                       "10",
                       "+",
                       false,
                       {Stop(kCheckHighest), FocusTo(kMax)}},
        ValidationCase{"LowestEmptyStopsBeforeCount",
                       "9",
                       "",
                       "zz",
                       "+",
                       false,
                       {Stop(kCheckLowest), FocusTo(kMin)}},
        ValidationCase{
            "LowestUnreadable", "9", "one", "10", "+", false, {Stop(kCheckLowest), FocusTo(kMin)}},
        ValidationCase{
            "CountEmpty", "9", "1", "", "+", false, {Stop(kCheckCount), FocusTo(kCount)}},
        ValidationCase{
            "Count32768", "9", "1", "32768", "+", false, {Stop(kCheckCount), FocusTo(kCount)}},
        ValidationCase{
            "Count40000", "9", "1", "40000", "+", false, {Stop(kCheckCount), FocusTo(kCount)}},
        ValidationCase{"CountZeroHasNoFocusMove", "9", "1", "0", "+", false, {Info(kCountRange)}},
        ValidationCase{"Count100Passes", "9", "1", "100", "+", true, {}},
        ValidationCase{"Count101Fails", "9", "1", "101", "+", false, {Info(kCountRange)}},
        ValidationCase{"Count100Point4FailsOnItsRealValue",
                       "9",
                       "1",
                       "100.4",
                       "+",
                       false,
                       {Info(kCountRange)}},
        ValidationCase{
            "Count0Point6FailsOnItsRealValue", "9", "1", "0.6", "+", false, {Info(kCountRange)}},
        ValidationCase{"Count10Point5Passes", "9", "1", "10.5", "+", true, {}},
        ValidationCase{"CountNegative", "9", "1", "-3", "+", false, {Info(kCountRange)}},
        ValidationCase{"Lowest0Point6Passes", "9", "0.6", "10", "+", true, {}},
        ValidationCase{
            "LowestEqualsHighest", "5", "5", "10", "+", false, {Info(kEqual), FocusTo(kMin)}},
        ValidationCase{"LowestAboveHighest",
                       "5",
                       "10",
                       "10",
                       "+",
                       false,
                       {Info(kLowestAboveHighest), FocusTo(kMin)}},
        ValidationCase{"BothZeroDivision",
                       "0",
                       "0",
                       "10",
                       kDivide,
                       false,
                       {Info(kHighestRange), FocusTo(kMax), Info(kLowestRange), FocusTo(kMin),
                        Info(kEqual), FocusTo(kMin), Info(kDivideByZero)}},
        ValidationCase{
            "LowestZeroPlus", "9", "0", "10", "+", false, {Info(kLowestRange), FocusTo(kMin)}},
        ValidationCase{"LowestZeroDivision",
                       "9",
                       "0",
                       "10",
                       kDivide,
                       false,
                       {Info(kLowestRange), FocusTo(kMin), Info(kDivideByZero)}},
        ValidationCase{"LowestZeroMixIsNoDivision",
                       "9",
                       "0",
                       "10",
                       "Mix",
                       false,
                       {Info(kLowestRange), FocusTo(kMin)}},
        ValidationCase{
            "Highest100", "100", "1", "10", "+", false, {Info(kHighestRange), FocusTo(kMax)}},
        ValidationCase{
            "LowestNegative", "9", "-3", "10", "+", false, {Info(kLowestRange), FocusTo(kMin)}},
        ValidationCase{"CountMessageComesFirst",
                       "5",
                       "5",
                       "0",
                       "+",
                       false,
                       {Info(kCountRange), Info(kEqual), FocusTo(kMin)}},
        ValidationCase{"FocusEndsOnTheLastFailingField",
                       "150",
                       "120",
                       "10",
                       "-",
                       false,
                       {Info(kHighestRange), FocusTo(kMax), Info(kLowestRange), FocusTo(kMin)}},
        ValidationCase{
            "EverythingAfterTheConversionsAtOnce",
            "-5",
            "0",
            "500",
            kDivide,
            false,
            {Info(kCountRange), Info(kLowestAboveHighest), FocusTo(kMin), Info(kHighestRange),
             FocusTo(kMax), Info(kLowestRange), FocusTo(kMin), Info(kDivideByZero)}},
        ValidationCase{
            "RoundedHalvesCanMeet", "4.5", "3.5", "10", "+", false, {Info(kEqual), FocusTo(kMin)}},
        ValidationCase{"BlanksAroundNumbersPass", " 9\t", "\t1 ", " 10 ", "+", true, {}},
        ValidationCase{"DivisionSignOnlyExactly",
                       "9",
                       "0",
                       "10",
                       "/",
                       false,
                       {Info(kLowestRange), FocusTo(kMin)}}),
    [](const ::testing::TestParamInfo<ValidationCase>& caseInfo) { return caseInfo.param.name; });

TEST(ValidateSettingsInGerman, ReadsTheDecimalComma) {
    const QLocale german(QLocale::German, QLocale::Germany);
    const auto check = [&](const char* count) {
        return ValidateSettings(QStringLiteral("9"), QStringLiteral("0,6"),
                                QString::fromUtf8(count), QStringLiteral("+"), german);
    };
    EXPECT_TRUE(check("10,5").verdict);
    EXPECT_TRUE(check("10,5").effects.empty());

    const ValidationResult tooMany = check("100,4");
    EXPECT_FALSE(tooMany.verdict);
    ASSERT_EQ(tooMany.effects.size(), 1U);
    EXPECT_EQ(std::get<SettingsMessage>(tooMany.effects[0]).text, QString::fromUtf8(kCountRange));

    // The point is no decimal separator there.
    const ValidationResult pointed = check("10.5");
    EXPECT_FALSE(pointed.verdict);
    ASSERT_EQ(pointed.effects.size(), 2U);
    EXPECT_EQ(std::get<SettingsMessage>(pointed.effects[0]).text, QString::fromUtf8(kCheckCount));
}

TEST(ValidateSettings, DividesOnlyForTheDivideSign) {
    const ValidationResult result =
        ValidateSettings(QStringLiteral("9"), QStringLiteral("0"), QStringLiteral("10"),
                         DivideSignText(), QLocale::c());
    ASSERT_FALSE(result.effects.empty());
    EXPECT_EQ(result.effects.back(), SettingsEffect(Info(kDivideByZero)));
}

}  // namespace
}  // namespace tallyworth
