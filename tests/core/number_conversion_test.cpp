#include "core/number_conversion.h"
#include "core/rounding.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QString>

#include <optional>

namespace tallyworth {
namespace {

QLocale German() {
    return QLocale(QLocale::German, QLocale::Germany);
}

struct WholeCase {
    const char* text;
    std::optional<int> expected;
};

class WholeNumberInC : public ::testing::TestWithParam<WholeCase> {};

TEST_P(WholeNumberInC, ConvertsOrFails) {
    const WholeCase& c = GetParam();
    const std::optional<std::int16_t> result =
        ToWholeNumber(QString::fromUtf8(c.text), QLocale::c());
    ASSERT_EQ(result.has_value(), c.expected.has_value()) << "text [" << c.text << "]";
    if (c.expected) {
        EXPECT_EQ(*result, *c.expected) << "text [" << c.text << "]";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, WholeNumberInC,
    ::testing::Values(WholeCase{"10", 10}, WholeCase{"-4", -4}, WholeCase{"+7", 7},
                      WholeCase{"-0", 0},
                      // Halves go to the even neighbour.
                      WholeCase{"0.5", 0}, WholeCase{"1.5", 2}, WholeCase{"2.5", 2},
                      WholeCase{"3.5", 4}, WholeCase{"-2.5", -2}, WholeCase{"-1.5", -2},
                      WholeCase{"-0.5", 0}, WholeCase{"0.6", 1}, WholeCase{"10.5", 10},
                      WholeCase{"100.4", 100}, WholeCase{"2.4999", 2}, WholeCase{"2.5001", 3},
                      // Blanks around the number are allowed; a blank inside is not.
                      WholeCase{"  12", 12}, WholeCase{"12  ", 12}, WholeCase{"\t12\t", 12},
                      WholeCase{" \t 12 \t ", 12}, WholeCase{"1 2", std::nullopt},
                      // Exponents and a bare decimal point are part of the notation.
                      WholeCase{"1e2", 100}, WholeCase{"1E2", 100}, WholeCase{"1.5e1", 15},
                      WholeCase{"25e-1", 2}, WholeCase{".5", 0}, WholeCase{"5.", 5},
                      // The 16-bit range, after rounding.
                      WholeCase{"32767", 32767}, WholeCase{"-32768", -32768},
                      WholeCase{"32768", std::nullopt}, WholeCase{"40000", std::nullopt},
                      WholeCase{"-32769", std::nullopt}, WholeCase{"32767.4", 32767},
                      WholeCase{"32767.5", std::nullopt}, WholeCase{"-32768.5", -32768},
                      WholeCase{"-32768.6", std::nullopt}, WholeCase{"1e300", std::nullopt},
                      // Empty, blank and other texts fail.
                      WholeCase{"", std::nullopt}, WholeCase{" ", std::nullopt},
                      WholeCase{"\t", std::nullopt}, WholeCase{"abc", std::nullopt},
                      WholeCase{"12abc", std::nullopt}, WholeCase{"1..5", std::nullopt},
                      WholeCase{"1e", std::nullopt}, WholeCase{"0x10", std::nullopt},
                      WholeCase{"5-", std::nullopt}, WholeCase{"(5)", std::nullopt},
                      WholeCase{"inf", std::nullopt}, WholeCase{"-inf", std::nullopt},
                      WholeCase{"nan", std::nullopt}, WholeCase{"1e400", std::nullopt},
                      // Digit grouping is refused; so is the other locale's decimal comma.
                      WholeCase{"1,000", std::nullopt}, WholeCase{"10,5", std::nullopt}));

struct RealCase {
    const char* text;
    std::optional<double> inC;
    std::optional<double> inGerman;
};

class RealNumber : public ::testing::TestWithParam<RealCase> {};

void ExpectReal(const std::optional<double>& result, const std::optional<double>& expected,
                const char* text, const char* locale) {
    ASSERT_EQ(result.has_value(), expected.has_value()) << locale << " [" << text << "]";
    if (expected) {
        EXPECT_DOUBLE_EQ(*result, *expected) << locale << " [" << text << "]";
    }
}

TEST_P(RealNumber, FollowsTheLocaleNotation) {
    const RealCase& c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    ExpectReal(ToRealNumber(text, QLocale::c()), c.inC, c.text, "C");
    ExpectReal(ToRealNumber(text, German()), c.inGerman, c.text, "de_DE");
}

INSTANTIATE_TEST_SUITE_P(
    Table, RealNumber,
    ::testing::Values(
        RealCase{"10", 10.0, 10.0}, RealCase{"10.5", 10.5, std::nullopt},
        RealCase{"10,5", std::nullopt, 10.5}, RealCase{"100.4", 100.4, std::nullopt},
        RealCase{"100,4", std::nullopt, 100.4}, RealCase{"1,5e1", std::nullopt, 15.0},
        RealCase{"1.5e1", 15.0, std::nullopt}, RealCase{"-0,6", std::nullopt, -0.6},
        RealCase{" 3,25 ", std::nullopt, 3.25}, RealCase{"1.000", 1.0, std::nullopt},
        RealCase{"1,000", std::nullopt, 1.0}, RealCase{"", std::nullopt, std::nullopt},
        RealCase{"  ", std::nullopt, std::nullopt}, RealCase{"nan", std::nullopt, std::nullopt},
        RealCase{"inf", std::nullopt, std::nullopt}, RealCase{"40000", 40000.0, 40000.0}));

TEST(WholeNumberInGerman, RoundsTheDecimalCommaHalfToEven) {
    EXPECT_EQ(ToWholeNumber(QStringLiteral("10,5"), German()), std::optional<std::int16_t>(10));
    EXPECT_EQ(ToWholeNumber(QStringLiteral("11,5"), German()), std::optional<std::int16_t>(12));
    EXPECT_EQ(ToWholeNumber(QStringLiteral("0,6"), German()), std::optional<std::int16_t>(1));
    EXPECT_FALSE(ToWholeNumber(QStringLiteral("10.5"), German()));
    EXPECT_FALSE(ToWholeNumber(QStringLiteral("1.000"), German()));
}

TEST(WholeNumber, UsesTheDefaultLocaleWhenNoneIsGiven) {
    const QLocale saved;
    QLocale::setDefault(German());
    EXPECT_EQ(ToWholeNumber(QStringLiteral("2,5")), std::optional<std::int16_t>(2));
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(ToWholeNumber(QStringLiteral("2.5")), std::optional<std::int16_t>(2));
    QLocale::setDefault(saved);
}

struct RoundingCase {
    double value;
    double expected;
};

class HalfToEven : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(HalfToEven, Rounds) {
    EXPECT_EQ(RoundHalfToEven(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Table, HalfToEven,
                         ::testing::Values(RoundingCase{0.5, 0.0}, RoundingCase{1.5, 2.0},
                                           RoundingCase{2.5, 2.0}, RoundingCase{3.5, 4.0},
                                           RoundingCase{-0.5, 0.0}, RoundingCase{-1.5, -2.0},
                                           RoundingCase{-2.5, -2.0}, RoundingCase{4.4, 4.0},
                                           RoundingCase{4.6, 5.0}, RoundingCase{-4.6, -5.0},
                                           RoundingCase{7.0, 7.0}, RoundingCase{0.0, 0.0}));

}  // namespace
}  // namespace tallyworth
