#include "core/number_conversion.h"
#include "core/rounding.h"
#include "core/validation.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QStringList>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>

namespace tallyworth {
namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);
constexpr double kFails = std::numeric_limits<double>::quiet_NaN();  // the reading fails
constexpr int kNone = std::numeric_limits<int>::min();

// Text, German locale, real and whole value: blanks around a number are allowed, digit
// grouping is not. A number too small for a double reads as 0; one too large fails.
TEST(NumberConversion, ReadsTheLocaleNotationRoundsHalfToEvenAndKeeps16Bits) {
    using Conversion = std::tuple<const char*, int, double, int>;
    const std::array<Conversion, 23> cases = {{{" \t2.5 \t", 0, 2.5, 2},
                                               {"-2.5", 0, -2.5, -2},
                                               {"3.5", 0, 3.5, 4},
                                               {"32767.4", 0, 32767.4, 32767},
                                               {"32767.5", 0, 32767.5, kNone},
                                               {"-32768.5", 0, -32768.5, -32768},
                                               {"-32768.6", 0, -32768.6, kNone},
                                               {"", 0, kFails, kNone},
                                               {"   ", 0, kFails, kNone},
                                               {"inf", 0, kFails, kNone},
                                               {"nan", 0, kFails, kNone},
                                               {"1,000", 0, kFails, kNone},
                                               {"11,5", 1, 11.5, 12},
                                               {"1.000", 1, kFails, kNone},
                                               {"1e-330", 0, 0.0, 0},
                                               {" -2.5E-400 ", 0, 0.0, 0},
                                               {"0,7e-330", 1, 0.0, 0},
                                               {"1e-330x", 0, kFails, kNone},
                                               {"1 e-330", 0, kFails, kNone},
                                               {"1,5e-330", 0, kFails, kNone},
                                               {"1e400", 0, kFails, kNone},
                                               {"-1e400", 0, kFails, kNone},
                                               {"1e-310", 0, 1e-310, 0}}};
    for (const auto& [text, german, real, whole] : cases) {
        SCOPED_TRACE(std::string("[") + text + "] " + (german != 0 ? "de_DE" : "C"));
        const QLocale locale = german != 0 ? kGerman : QLocale::c();
        const std::optional<double> readReal = ToRealNumber(QString::fromUtf8(text), locale);
        EXPECT_TRUE(readReal ? *readReal == real : std::isnan(real));
        const std::optional<std::int16_t> readWhole =
            ToWholeNumber(QString::fromUtf8(text), locale);
        EXPECT_EQ(readWhole ? *readWhole : kNone, whole);
    }
}

TEST(RoundHalfToEven, RoundsToTheEvenNeighbourAtEveryMagnitude) {
    const std::pair<double, double> cases[] = {{-3.5, -4},
                                               {0.49999999999999994, 0},
                                               {4503599627370495.5, 4503599627370496},
                                               {4503599627370497.0, 4503599627370497.0}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(RoundHalfToEven(value), expected) << value;
}

// Expected effects, one character each: a message by its key in kKeys (followed by "!"
// for the stop icon), a focus move by its field: 1 highest, 2 lowest, 3 count.
const char* const kKeys = "HLCcahlez";
const QStringList kMessages = {"Please check your Highest Number.",
                               "Please check your Lowest Number.",
                               "Please check your Number of Problems.",
                               "Number of Problems must be between 1 and 100.",
                               "Lowest Number must be less than or equal to Highest Number!",
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

TEST(ValidateSettings, ReportsEveryFailingRuleInOrderButStopsAtTheFirstUnreadableText) {
    const char* const divide = "\u00F7";
    // Highest, lowest, count, operation, expected effects, German locale. Only the divide
    // sign divides. A number too small for a double is read as 0, and 0 breaks the range
    // rules.
    const std::tuple<const char*, const char*, const char*, const char*, const char*, int> cases[] =
        {{"9", "1", "10", "+", "", 0},           {"abc", "", "zz", "+", "H!1", 0},
         {"   ", "1", "10", "+", "H!1", 0},      {"9", "one", "zz", "+", "L!2", 0},
         {"9", "1", "", "+", "C!3", 0},          {"9", "1", "32768", "+", "C!3", 0},
         {"99", "98", "100", divide, "", 0},     {"9", "1", "101", "+", "c", 0},
         {"9", "1", "100.4", "+", "c", 0},       {"9", "1", "0.6", "+", "c", 0},
         {"9", "0.6", "10.5", "+", "", 0},       {"5", "10", "10", "+", "a2", 0},
         {"4.5", "3.5", "10", "Mix", "e2", 0},   {"9", "0", "10", "-", "l2", 0},
         {"0", "0", "10", divide, "h1l2e2z", 0}, {"-5", "0", "500", divide, "ca2h1l2z", 0},
         {"9", "0", "10", "/", "l2", 0},         {"9", "0,6", "10,5", "+", "", 1},
         {"9", "1", "100,4", "+", "c", 1},       {"9", "1", "10.5", "+", "C!3", 1},
         {"9", "1e-330", "10", "+", "l2", 0},    {"1e-330", "1", "10", "+", "a2h1", 0},
         {"9", "1", "1e-330", "+", "c", 0},      {"9", "1e-330", "10", divide, "l2z", 0},
         {"9", "1e400", "10", "+", "L!2", 0}};
    for (const auto& [highest, lowest, count, operation, effects, german] : cases) {
        SCOPED_TRACE(std::string(highest) + "|" + lowest + "|" + count + "|" + operation);
        const ValidationResult result = ValidateSettings(
            QString::fromUtf8(highest), QString::fromUtf8(lowest), QString::fromUtf8(count),
            QString::fromUtf8(operation), german != 0 ? kGerman : QLocale::c());
        EXPECT_EQ(Codes(result), effects);
        EXPECT_EQ(result.verdict, *effects == '\0');
    }
}

}  // namespace
}  // namespace tallyworth
