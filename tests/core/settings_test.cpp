#include "core/number_conversion.h"
#include "core/rounding.h"
#include "core/validation.h"
#include "support/named_cases.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QStringList>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace tallyworth {
namespace {

using testing_support::kCaseName;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

const QLocale kGerman(QLocale::German, QLocale::Germany);
constexpr double kFails = std::numeric_limits<double>::quiet_NaN();  // the reading fails
constexpr int kNone = std::numeric_limits<int>::min();
constexpr const char* kDivideSign = "\u00F7";

struct ReadingCase {
    const char* name;
    const char* text;
    bool german;  // read in the German locale, the C locale otherwise
    double real;
    int whole;
};

// Blanks around a number are allowed, digit grouping is not. A number too small for a
// double reads as 0; one too large fails.
const std::array kReadings{
    ReadingCase{"BlanksAround", " \t2.5 \t", false, 2.5, 2},
    ReadingCase{"LargestWhole", "32767.4", false, 32767.4, 32767},
    ReadingCase{"RoundsPastTheLargestWhole", "32767.5", false, 32767.5, kNone},
    ReadingCase{"Empty", "", false, kFails, kNone},
    ReadingCase{"GroupedDigits", "1,000", false, kFails, kNone},
    ReadingCase{"GermanDecimalComma", "11,5", true, 11.5, 12},
    ReadingCase{"UnderflowReadsAsZero", "1e-330", false, 0.0, 0},
    ReadingCase{"UnderflowWithATrailingLetter", "1e-330x", false, kFails, kNone},
    ReadingCase{"Overflow", "1e400", false, kFails, kNone},
};

class NumberReadingTest : public ::testing::TestWithParam<ReadingCase> {};

// The whole number is rounded half to even and must fit 16 bits.
TEST_P(NumberReadingTest, ReadsRealAndWholeNumbersInTheLocaleNotation) {
    const QString text = QString::fromUtf8(GetParam().text);
    const QLocale locale = GetParam().german ? kGerman : QLocale::c();
    const std::optional<double> real = ToRealNumber(text, locale);
    EXPECT_TRUE(real ? *real == GetParam().real : std::isnan(GetParam().real));
    const std::optional<std::int16_t> whole = ToWholeNumber(text, locale);
    EXPECT_EQ(whole ? *whole : kNone, GetParam().whole);
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberReadingTest, ::testing::ValuesIn(kReadings), kCaseName);

TEST(RoundHalfToEven, RoundsToTheEvenNeighbourAtEveryMagnitude) {
    EXPECT_EQ(RoundHalfToEven(-3.5), -4);
    EXPECT_EQ(RoundHalfToEven(4503599627370495.5), 4503599627370496);
    EXPECT_EQ(RoundHalfToEven(4503599627370497.0), 4503599627370497.0);
}

// Expected effects, one character each: a message by its key in kKeys (followed by "!"
// for the stop icon), a focus move by its field: 1 highest, 2 lowest, 3 count.
const char* const kKeys = "HLCcahlez";
const QStringList kMessages = {"Please check your Highest Number.",
                               "Please check your Lowest Number.",
                               "Please check your Number of Problems.",
                               "Number of Problems must be between 1 and 100.",
                               "Lowest Number must be less than Highest Number!",
                               "Highest Number must be between 1 and 99.",
                               "Lowest Number must be between 1 and 99.",
                               "Lowest Number cannot equal Highest Number.",
                               "You can't divide by zero."};

std::string Codes(const ValidationResult& result) {
    std::string codes;
    for (const SettingsEffect& effect : result.effects) {
        if (const auto* message = std::get_if<SettingsMessage>(&effect)) {
            const qsizetype key = kMessages.indexOf(message->text);
            codes += key < 0 ? '?' : kKeys[key];
            codes += message->icon == MessageIcon::Stop ? "!" : "";
        } else {
            codes += static_cast<char>('1' + static_cast<int>(std::get<FocusMove>(effect).field));
        }
    }
    return codes;
}

struct ValidationCase {
    const char* name;
    const char* highest;
    const char* lowest;
    const char* count;
    const char* operation;
    const char* effects;
    bool german = false;
};

// Only the divide sign divides. A number too small for a double is read as 0, and 0 breaks
// the range rules.
const std::array kValidations{
    ValidationCase{"Valid", "9", "1", "10", "+", ""},
    ValidationCase{"UnreadableHighestStopsAtOnce", "abc", "", "zz", "+", "H!1"},
    ValidationCase{"UnreadableLowestStopsBeforeTheCount", "9", "one", "zz", "+", "L!2"},
    ValidationCase{"CountJustAbove100", "9", "1", "100.4", "+", "c"},
    ValidationCase{"EqualOnceRounded", "4.5", "3.5", "10", "Mix", "e2"},
    ValidationCase{"EveryRangeBroken", "-5", "0", "500", kDivideSign, "ca2h1l2z"},
    ValidationCase{"GermanDecimalPointUnreadable", "9", "1", "10.5", "+", "C!3", true},
};

class ValidateSettingsTest : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(ValidateSettingsTest, ReportsEveryFailingRuleInOrderButStopsAtTheFirstUnreadableText) {
    const ValidationCase& c = GetParam();
    const ValidationResult result = ValidateSettings(
        QString::fromUtf8(c.highest), QString::fromUtf8(c.lowest), QString::fromUtf8(c.count),
        QString::fromUtf8(c.operation), c.german ? kGerman : QLocale::c());
    EXPECT_EQ(Codes(result), c.effects);
    EXPECT_EQ(result.verdict, *c.effects == '\0');
    EXPECT_EQ(result.numbers.has_value(),
              std::string_view(c.effects).find('!') == std::string_view::npos);
}

INSTANTIATE_TEST_SUITE_P(Fields, ValidateSettingsTest, ::testing::ValuesIn(kValidations),
                         kCaseName);

// Whoever makes the sheet takes the numbers the checks read, rounded half to even, even
// where the range checks fail.
TEST(ValidateSettings, HandsBackTheNumbersItRead) {
    const ValidationResult result =
        ValidateSettings(QStringLiteral("4.5"), QStringLiteral("3.5"), QStringLiteral("10.5"),
                         QStringLiteral("+"), QLocale::c());
    EXPECT_EQ(result.numbers, (SettingsNumbers{4, 4, 10}));
}

}  // namespace
}  // namespace tallyworth
