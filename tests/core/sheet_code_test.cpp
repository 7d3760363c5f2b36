#include "core/sheet_code.h"
#include "core/damm32.h"
#include "core/xoshiro128.h"

#include "support/named_cases.h"
#include "support/value_printers.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tallyworth {
namespace {

const QString kAlphabet = QStringLiteral("0123456789ABCDEFGHJKMNPQRSTVWXYZ");
constexpr std::uint64_t kWidestSeed = (std::uint64_t{1} << 35U) - 1U;
constexpr std::uint64_t kWidestSeedV2 = (std::uint64_t{1} << 25U) - 1U;
using testing_support::kCaseName;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it
constexpr Regrouping kAny = Regrouping::Any;
constexpr Regrouping kNever = Regrouping::Never;
constexpr Regrouping kAlways = Regrouping::Always;

// A code written out by hand from its layout: the version symbol, twelve symbols of the
// body (settings number above the seed), the check symbol; dashes after 5 and 10.
QString CodeText(int version, std::uint64_t body) {
    std::vector<int> symbols{version};
    for (int shift = 55; shift >= 0; shift -= 5) {
        symbols.push_back(static_cast<int>((body >> static_cast<unsigned>(shift)) & 31U));
    }
    symbols.push_back(Damm32CheckSymbol(symbols));
    QString text;
    for (std::size_t index = 0; index < symbols.size(); ++index) {
        text += (index == 5 || index == 10) ? QStringLiteral("-") : QString();
        text += kAlphabet[symbols[index]];
    }
    return text;
}

// Version 1's settings number: operation, lowest, highest, count (each less one),
// negative results, upside-down seven, as digits of radix 5, 99, 99, 100, 2, 2.
std::uint64_t BodyV1(int operation, int lowest, int highest, int count, bool negative,
                     bool upsideDown, std::uint64_t seed) {
    std::uint64_t number = static_cast<std::uint64_t>(operation - 1);
    number = number * 99 + static_cast<std::uint64_t>(lowest - 1);
    number = number * 99 + static_cast<std::uint64_t>(highest - 1);
    number = number * 100 + static_cast<std::uint64_t>(count - 1);
    number = number * 4 + (negative ? 2U : 0U) + (upsideDown ? 1U : 0U);
    return (number << 35U) | seed;
}

QString ParsedText(const SheetCodeParse& parsed) {
    if (const auto* error = std::get_if<SheetCodeError>(&parsed)) {
        return error->message;
    }
    return FormatSheetCode(std::get<SheetCode>(parsed));
}

struct RoundTripCase {
    const char* name;
    SheetCode code;
};

const std::array kRoundTrips{
    RoundTripCase{"Defaults", {{1, 1, 9, 10, false, false}, 0}},
    RoundTripCase{"Largest", {{5, 98, 99, 100, true, true}, kWidestSeed}},
    RoundTripCase{"NegativeResults", {{2, 3, 40, 30, true, false}, 0x123456789}},
    RoundTripCase{"Mix", {{5, 1, 20, 60, true, false}, kWidestSeed - 1}},
    RoundTripCase{"FixedOne", {{3, 1, 12, 100, false, false, {false, 1, kAny, false}}, 1, 2}},
    RoundTripCase{"EveryRuleSmallest", {{1, 1, 2, 1, false, false, {true, 1, kNever, true}}, 0, 2}},
    RoundTripCase{"EveryRuleLargest",
                  {{5, 98, 99, 100, true, true, {true, 99, kAlways, true}}, kWidestSeedV2, 2}},
    RoundTripCase{"RulesOffInVersionTwo", {{5, 1, 20, 60, true, false}, 0x0C0FFEE, 2}},
};

class RoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

// Version 1 by hand from its layout; both versions read back.
TEST_P(RoundTripTest, FormatsInTheDocumentedLayoutAndReadsBack) {
    const SheetCode& code = GetParam().code;
    const SheetSettings& settings = code.settings;
    const QString text = FormatSheetCode(code);
    if (code.version == 1) {
        EXPECT_EQ(text, CodeText(1, BodyV1(settings.operation, settings.lowest, settings.highest,
                                           settings.count, settings.allowNegative,
                                           settings.upsideDownSeven, code.seed)));
    }
    const SheetCodeParse parsed = ParseSheetCode(text);
    ASSERT_TRUE(std::holds_alternative<SheetCode>(parsed)) << ParsedText(parsed).toStdString();
    EXPECT_EQ(std::get<SheetCode>(parsed), code);
}

INSTANTIATE_TEST_SUITE_P(Extremes, RoundTripTest, ::testing::ValuesIn(kRoundTrips), kCaseName);

struct VersionCase {
    const char* name;
    ProblemRules rules;
    int version;
};

const std::array kVersions{
    VersionCase{"RulesOff", {}, 1},
    VersionCase{"Fixed", {false, 7, kAny, false}, 2},
    VersionCase{"NoRepeats", {false, 0, kAny, true}, 2},
};

class VersionTest : public ::testing::TestWithParam<VersionCase> {};

// Sheets without rules keep the codes they always had; any rule needs version 2.
TEST_P(VersionTest, SheetsAreWrittenInTheFirstVersionThatCarriesTheirRules) {
    SheetSettings settings{1, 1, 9, 10, false, false};
    settings.rules = GetParam().rules;
    EXPECT_EQ(SheetCodeVersionFor(settings), GetParam().version);
    EXPECT_EQ(SheetCodeOf(settings, 0x5EED), (SheetCode{settings, 0x5EED, GetParam().version}));
    const QString text = FormatSheetCode(SheetCodeOf(settings, 0x5EED));
    EXPECT_EQ(text.front(), QChar(u'0' + GetParam().version));
}

INSTANTIATE_TEST_SUITE_P(Rules, VersionTest, ::testing::ValuesIn(kVersions), kCaseName);

// Settings, rules and seeds drawn at random, the same ones every run; about half the
// codes have rules and so are of version 2.
std::vector<SheetCode> SampleCodes(int count) {
    Xoshiro128 random(2024);
    const auto below = [&random](std::uint32_t limit) {
        return static_cast<int>(random.Next() % limit);
    };
    std::vector<SheetCode> codes;
    while (static_cast<int>(codes.size()) < count) {
        SheetCode code;
        code.settings = {1 + below(5),   1 + below(99), 1 + below(99),
                         1 + below(100), below(2) == 1, below(2) == 1};
        if (below(2) == 1) {
            code.settings.rules = {below(2) == 1, below(100), static_cast<Regrouping>(below(3)),
                                   below(2) == 1};
        }
        code.version = SheetCodeVersionFor(code.settings);
        const std::uint64_t widest = code.version == 1 ? kWidestSeed : kWidestSeedV2;
        code.seed = ((std::uint64_t{random.Next()} << 32U) | random.Next()) & widest;
        if (code.settings.lowest < code.settings.highest) {
            codes.push_back(code);
        }
    }
    return codes;
}

TEST(SheetCode, ReadsBackEveryCodeOfARandomSample) {
    const QRegularExpression shape(QStringLiteral("^[12][0-9A-Z]{4}-[0-9A-Z]{5}-[0-9A-Z]{4}$"));
    for (const SheetCode& code : SampleCodes(2000)) {
        const QString text = FormatSheetCode(code);
        ASSERT_TRUE(shape.match(text).hasMatch()) << text.toStdString();
        const SheetCodeParse parsed = ParseSheetCode(text);
        ASSERT_TRUE(std::holds_alternative<SheetCode>(parsed)) << text.toStdString();
        ASSERT_EQ(std::get<SheetCode>(parsed), code) << text.toStdString();
    }
}

bool RefusedForItsCheck(const QString& text) {
    const SheetCodeParse parsed = ParseSheetCode(text);
    const auto* error = std::get_if<SheetCodeError>(&parsed);
    return error != nullptr && error->fault == SheetCodeFault::WrongCheck;
}

TEST(SheetCode, CheckCatchesEverySingleChangedCharacter) {
    for (const SheetCode& code : SampleCodes(60)) {
        const QString text = FormatSheetCode(code);
        for (qsizetype at = 0; at < text.size(); ++at) {
            for (const QChar other : kAlphabet) {
                if (text[at] == u'-' || other == text[at]) {
                    continue;
                }
                QString changed = text;
                changed[at] = other;
                ASSERT_TRUE(RefusedForItsCheck(changed)) << changed.toStdString();
            }
        }
    }
}

TEST(SheetCode, CheckCatchesEverySwapOfNeighbours) {
    for (const SheetCode& code : SampleCodes(500)) {
        QString symbols = FormatSheetCode(code).remove(u'-');
        for (qsizetype at = 0; at + 1 < symbols.size(); ++at) {
            if (symbols[at] == symbols[at + 1]) {
                continue;
            }
            QString swapped = symbols;
            std::swap(swapped[at], swapped[at + 1]);
            ASSERT_TRUE(RefusedForItsCheck(swapped)) << swapped.toStdString();
        }
    }
}

// Why the check can be relied on: the quasigroup is a Latin square, and totally
// anti-symmetric, which is what catches swaps in every position.
TEST(Damm32, QuasigroupIsALatinSquareAndTotallyAntiSymmetric) {
    for (int left = 0; left < 32; ++left) {
        std::set<int> row;
        std::set<int> column;
        for (int right = 0; right < 32; ++right) {
            row.insert(Damm32Step(left, right));
            column.insert(Damm32Step(right, left));
            for (int start = 0; start < 32; ++start) {
                const bool same = Damm32Step(Damm32Step(start, left), right) ==
                                  Damm32Step(Damm32Step(start, right), left);
                ASSERT_EQ(same, left == right) << start << " " << left << " " << right;
            }
        }
        EXPECT_EQ(row.size(), 32U);
        EXPECT_EQ(column.size(), 32U);
    }
}

struct TypedCase {
    const char* name;
    const char* typed;
};

// All of them are the code of addition from 1 to 9, ten problems, seed 0x5EED.
const std::array kTypedForms{
    TypedCase{"AsShown", "10035-40000-QQD3"},
    TypedCase{"WithoutDashes", "1003540000QQD3"},
    TypedCase{"DashesAnywhere", "1-0035-4-0000QQ-D3"},
    TypedCase{"LettersForDigits", "1OO35-4OOOO-QQD3"},
    TypedCase{"LowerLettersForDigits", "ioo35-4o0oo-qqd3"},
};

class TypedFormTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedFormTest, ReadsAsTheCodeShown) {
    const SheetCodeParse parsed = ParseSheetCode(QString::fromLatin1(GetParam().typed));
    ASSERT_TRUE(std::holds_alternative<SheetCode>(parsed)) << ParsedText(parsed).toStdString();
    EXPECT_EQ(std::get<SheetCode>(parsed), (SheetCode{{1, 1, 9, 10, false, false}, 0x5EED}));
}

INSTANTIATE_TEST_SUITE_P(Forms, TypedFormTest, ::testing::ValuesIn(kTypedForms), kCaseName);

struct RefusedCase {
    const char* name;
    QString typed;
    SheetCodeFault fault;
    const char* message;
};

const QString kSettingsFault = QStringLiteral(
    "The sheet code holds settings that cannot make "
    "a worksheet: ");

const std::array kRefused{
    RefusedCase{"LetterU", "10035-40000-QQDU", SheetCodeFault::BadCharacter,
                "The sheet code contains \"U\", which no sheet code uses: please check what you "
                "typed."},
    RefusedCase{"NotAscii", QStringLiteral("10035-40000-QQ\u00D63"), SheetCodeFault::BadCharacter,
                "The sheet code contains \"\u00D6\", which no sheet code uses: please check what "
                "you typed."},
    RefusedCase{"Empty", "", SheetCodeFault::WrongLength,
                "A sheet code has 14 letters and digits, but this one has 0: please check what "
                "you typed."},
    RefusedCase{"OneShort", "10035-40000-QQD", SheetCodeFault::WrongLength,
                "A sheet code has 14 letters and digits, but this one has 13: please check what "
                "you typed."},
    RefusedCase{"WrongCheck", "10035-40000-QQD4", SheetCodeFault::WrongCheck,
                "The sheet code's check character does not match: please check what you typed."},
    RefusedCase{"VersionThree", CodeText(3, BodyV1(1, 1, 9, 10, false, false, 0)),
                SheetCodeFault::UnknownVersion,
                "The sheet code is of version 3, which this program does not know: it may come "
                "from a newer version of the program."},
    RefusedCase{"OperationSix", CodeText(1, BodyV1(6, 1, 9, 10, false, false, 0)),
                SheetCodeFault::BadSettings, "Operation must be one of +, -, *, \u00F7 and Mix."},
    RefusedCase{"LowestAboveHighest", CodeText(1, BodyV1(1, 10, 5, 10, false, false, 0)),
                SheetCodeFault::BadSettings,
                "Lowest Number must be less than or equal to Highest Number!"},
    // The largest body of version 2 reads as an operation past "Mix".
    RefusedCase{"VersionTwoPastMix", CodeText(2, (std::uint64_t{1} << 60U) - 1U),
                SheetCodeFault::BadSettings, "Operation must be one of +, -, *, \u00F7 and Mix."},
};

class RefusedTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedTest, SaysWhatIsWrong) {
    const RefusedCase& refused = GetParam();
    const SheetCodeParse parsed = ParseSheetCode(refused.typed);
    ASSERT_TRUE(std::holds_alternative<SheetCodeError>(parsed)) << refused.typed.toStdString();
    const SheetCodeError& error = std::get<SheetCodeError>(parsed);
    EXPECT_EQ(error.fault, refused.fault);
    const QString expected = QString::fromUtf8(refused.message);
    if (refused.fault == SheetCodeFault::BadSettings) {
        EXPECT_EQ(error.message, kSettingsFault + expected);
    } else {
        EXPECT_EQ(error.message, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Codes, RefusedTest, ::testing::ValuesIn(kRefused), kCaseName);

struct SettingsFaultCase {
    const char* name;
    SheetSettings settings;
    const char* fault;  // empty when the settings can make a worksheet
};

const std::array kSettingsFaults{
    SettingsFaultCase{"Composable", {5, 1, 99, 100, true, true}, ""},
    SettingsFaultCase{"OperationZero",
                      {0, 1, 9, 10, false, false},
                      "Operation must be one of +, -, *, \u00F7 and Mix."},
    SettingsFaultCase{
        "NoProblems", {1, 1, 9, 0, false, false}, "Number of Problems must be between 1 and 100."},
    SettingsFaultCase{"HighestHundred",
                      {1, 1, 100, 10, false, false},
                      "Highest Number must be between 1 and 99."},
    SettingsFaultCase{
        "LowestZero", {1, 0, 9, 10, false, false}, "Lowest Number must be between 1 and 99."},
    SettingsFaultCase{"LowestAboveHighest",
                      {1, 9, 1, 10, false, false},
                      "Lowest Number must be less than or equal to Highest Number!"},
    SettingsFaultCase{"FixedHundred",
                      {1, 1, 9, 10, false, false, {false, 100, kAny, false}},
                      "The fixed number must be between 1 and 99."},
    SettingsFaultCase{"FixedNegative",
                      {1, 1, 9, 10, false, false, {false, -1, kAny, false}},
                      "The fixed number must be between 1 and 99."},
};

class SettingsFaultTest : public ::testing::TestWithParam<SettingsFaultCase> {};

TEST_P(SettingsFaultTest, NamesTheFirstRuleBrokenAndNoCodeIsFormatted) {
    const SettingsFaultCase& faultCase = GetParam();
    const std::optional<QString> fault = SheetSettingsFault(faultCase.settings);
    EXPECT_EQ(fault.value_or(QString()), QString::fromUtf8(faultCase.fault));
    EXPECT_EQ(FormatSheetCode(SheetCodeOf(faultCase.settings, 7)).isEmpty(), fault.has_value());
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsFaultTest, ::testing::ValuesIn(kSettingsFaults),
                         kCaseName);

TEST(SheetCode, FormatsNothingForASeedTooWideOrAnUnknownVersion) {
    const SheetSettings settings{1, 1, 9, 10, false, false};
    EXPECT_FALSE(FormatSheetCode({settings, kWidestSeed}).isEmpty());
    EXPECT_TRUE(FormatSheetCode({settings, kWidestSeed + 1}).isEmpty());
    EXPECT_FALSE(FormatSheetCode({settings, kWidestSeedV2, 2}).isEmpty());
    EXPECT_TRUE(FormatSheetCode({settings, kWidestSeedV2 + 1, 2}).isEmpty());
    EXPECT_TRUE(FormatSheetCode({settings, 0, 3}).isEmpty());
    EXPECT_EQ(SheetSeedBits(1), 35);
    EXPECT_EQ(SheetSeedBits(2), 25);
    EXPECT_EQ(SheetSeedBits(3), 0);
    EXPECT_EQ(WrittenSeedBits(), 25);
}

// Version 1 has no room for rules: a code of it with rules would lose them.
TEST(SheetCode, FormatsNothingForRulesInAVersionOneCode) {
    SheetSettings settings{1, 1, 9, 10, false, false};
    settings.rules.noRepeats = true;
    EXPECT_TRUE(FormatSheetCode({settings, 0, 1}).isEmpty());
    EXPECT_FALSE(FormatSheetCode({settings, 0, 2}).isEmpty());
}

TEST(SheetSeed, FirstSheetKeepsItsSeedAndNoTwoSheetsOfASetShareOne) {
    for (const auto& [version, widest] : {std::pair{1, kWidestSeed}, std::pair{2, kWidestSeedV2}}) {
        for (const std::uint64_t first : {std::uint64_t{0}, std::uint64_t{0x5EED}, widest}) {
            std::set<std::uint64_t> seeds;
            for (int sheet = 0; sheet < 500; ++sheet) {
                const std::uint64_t seed = SheetSeed(first, sheet, version);
                EXPECT_LE(seed, widest);
                seeds.insert(seed);
            }
            EXPECT_EQ(SheetSeed(first, 0, version), first);
            EXPECT_EQ(seeds.size(), 500U) << first;
        }
    }
}

TEST(SheetSeed, SheetsOfASetKeepTheSettingsAndGetTheirOwnCodes) {
    const SheetCode first{{3, 2, 12, 100, false, false}, 0x5EED};
    std::set<QString> codes;
    for (int sheet = 0; sheet < 30; ++sheet) {
        const SheetCode code = SheetOfSet(first, sheet);
        EXPECT_EQ(code.settings, first.settings);
        EXPECT_EQ(code.seed, SheetSeed(first.seed, sheet));
        codes.insert(FormatSheetCode(code));
    }
    EXPECT_EQ(codes.size(), 30U);
}

}  // namespace
}  // namespace tallyworth
