#include "core/sheet_code.h"
#include "core/xoshiro128.h"
#include "support/named_cases.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tallyworth {
namespace {

using testing_support::kCaseName;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

const QString kAlphabet = QStringLiteral("0123456789ABCDEFGHJKMNPQRSTVWXYZ");
constexpr std::uint64_t kWidestSeed = (std::uint64_t{1} << 35U) - 1U;
constexpr std::uint64_t kWidestSeedV2 = (std::uint64_t{1} << 25U) - 1U;
constexpr std::uint64_t kWidestSeedV3 = (std::uint64_t{1} << 18U) - 1U;
constexpr Regrouping kAnyRegrouping = Regrouping::Any;

// Settings, rules and seeds drawn at random, the same ones every run, after the extremes;
// about half the codes have rules and so are of version 3.
std::vector<SheetCode> SampleCodes(int count) {
    // clang-format off
    std::vector<SheetCode> codes{
        {{OperationRow::Add, 1, 2, 1, false, false}, 0},
        {{OperationRow::Mix, 98, 99, 100, true, true}, kWidestSeed},
        {{OperationRow::Add, 1, 2, 1, false, false, {true, 1, Regrouping::Never, true}}, 0, 2},
        {{OperationRow::Mix, 98, 99, 100, true, true, {true, 99, Regrouping::Always, true}}, kWidestSeedV2, 2},
        {{OperationRow::Mix, 98, 99, 100, true, true, {true, 99, Regrouping::Always, true}, {TimesSign::Asterisk, DivideSign::Colon, ProblemLayout::Line, PrintSize::ExtraLarge, true}}, kWidestSeedV3, 3},
        // Every other page option alone.
        {{OperationRow::Multiply, 2, 12, 30, false, false, {}, {.timesSign = TimesSign::Cross}}, 1, 3},
        {{OperationRow::Multiply, 2, 12, 30, false, false, {}, {.timesSign = TimesSign::Dot}}, 2, 3},
        {{OperationRow::Multiply, 2, 12, 30, false, false, {}, {.divideSign = DivideSign::Obelus}}, 3, 3},
        {{OperationRow::Multiply, 2, 12, 30, false, false, {}, {.size = PrintSize::Large}}, 4, 3},
        {{OperationRow::Multiply, 2, 12, 30, false, false, {}, {.fillPage = true}}, 5, 3}};
    // clang-format on
    Xoshiro128 random(2024);
    const auto below = [&random](std::uint32_t limit) {
        return static_cast<int>(random.Next() % limit);
    };
    while (static_cast<int>(codes.size()) < count) {
        SheetCode code;
        code.settings = {RowOfNumber(1 + below(5)),
                         1 + below(99),
                         1 + below(99),
                         1 + below(100),
                         below(2) == 1,
                         below(2) == 1};
        if (below(2) == 1) {
            code.settings.rules = {below(2) == 1, below(100), static_cast<Regrouping>(below(3)),
                                   below(2) == 1};
        }
        code.version = SheetCodeVersionFor(code.settings);
        const std::uint64_t widest = code.version == 1 ? kWidestSeed : kWidestSeedV3;
        code.seed = ((std::uint64_t{random.Next()} << 32U) | random.Next()) & widest;
        if (code.settings.lowest < code.settings.highest) {
            codes.push_back(code);
        }
    }
    return codes;
}

TEST(SheetCode, ReadsBackEveryCodeOfARandomSample) {
    for (const SheetCode& code : SampleCodes(2000)) {
        const QString text = FormatSheetCode(code);
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

TEST(SheetCode, CheckCatchesEverySingleChangedCharacterAndEverySwapOfNeighbours) {
    for (const SheetCode& code : SampleCodes(60)) {
        const QString symbols = FormatSheetCode(code).remove(u'-');
        for (qsizetype at = 0; at < symbols.size(); ++at) {
            for (const QChar other : kAlphabet) {
                QString changed = symbols;
                changed[at] = other;
                ASSERT_TRUE(other == symbols[at] || RefusedForItsCheck(changed));
            }
            QString swapped = symbols;
            if (at + 1 < symbols.size() && symbols[at] != symbols[at + 1]) {
                std::swap(swapped[at], swapped[at + 1]);
                ASSERT_TRUE(RefusedForItsCheck(swapped)) << swapped.toStdString();
            }
        }
    }
}

struct TypedCase {
    const char* name;
    const char* typed;
};

// All of them are the code of addition from 1 to 9, ten problems, seed 0x5EED.
const std::array kTypedForms{
    TypedCase{"AsShown", "10035-40000-QQD3"},
    TypedCase{"TypographicDashesAnywhere", "1-0035\u20134-0000\u2011QQ\u2212D3"},
    TypedCase{"LowerCaseLettersForDigitsNoDashes", " ioO35 4o0ooqqd3 "},
    TypedCase{"ElForOne", "L0035-40000-QQD3"},
};

class TypedFormTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedFormTest, ReadsAsTheCodeShown) {
    const SheetCode code{{OperationRow::Add, 1, 9, 10, false, false}, 0x5EED};
    EXPECT_EQ(ParseSheetCode(QString::fromUtf8(GetParam().typed)), SheetCodeParse(code));
}

INSTANTIATE_TEST_SUITE_P(Forms, TypedFormTest, ::testing::ValuesIn(kTypedForms), kCaseName);

struct RefusedCase {
    const char* name;
    QString typed;
    SheetCodeFault fault;
    const char* message;
};

// clang-format off
const std::array kRefused{
    RefusedCase{"NotAscii", QStringLiteral("10035-40000-QQ\u00D63"), SheetCodeFault::BadCharacter, "The sheet code contains \"\u00D6\", which no sheet code uses"},
    RefusedCase{"OneShort", "10035-40000-QQD", SheetCodeFault::WrongLength, "A sheet code has 14 letters and digits, but this one has 13"},
    RefusedCase{"WrongCheck", "10035-40000-QQD4", SheetCodeFault::WrongCheck, "check character does not match: please check what you typed."},
    RefusedCase{"VersionSeven", "70034-00000-000F", SheetCodeFault::UnknownVersion, "version 7, which this program does not know"},
    // Operation 6 and the largest body of version 2, which reads
    // as an operation past "Mix"; each with the right check character.
    RefusedCase{"OperationSix", "1JP9P-G0000-000Z", SheetCodeFault::BadSettings, "cannot make a worksheet: Operation must be one of +, -, *, \u00F7 and Mix."},
    RefusedCase{"VersionTwoPastMix", "2ZZZZ-ZZZZZ-ZZZ5", SheetCodeFault::BadSettings, "Operation must be one of +, -, *, \u00F7 and Mix."},
};
// clang-format on

class RefusedTest : public ::testing::TestWithParam<RefusedCase> {};

// Typing slips are sent back to the typist; a newer version or impossible settings are named.
TEST_P(RefusedTest, SaysWhatIsWrong) {
    const RefusedCase& refused = GetParam();
    const SheetCodeParse parsed = ParseSheetCode(refused.typed);
    ASSERT_TRUE(std::holds_alternative<SheetCodeError>(parsed)) << refused.typed.toStdString();
    const SheetCodeError& error = std::get<SheetCodeError>(parsed);
    EXPECT_EQ(error.fault, refused.fault);
    EXPECT_TRUE(error.message.contains(QString::fromUtf8(refused.message)))
        << error.message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Codes, RefusedTest, ::testing::ValuesIn(kRefused), kCaseName);

struct SettingsFaultCase {
    const char* name;
    SheetSettings settings;
    const char* fault;  // empty when the settings can make a worksheet
};

// clang-format off
const std::array kSettingsFaults{
    SettingsFaultCase{"Composable", {OperationRow::Mix, 1, 99, 100, true, true}, ""},
    SettingsFaultCase{"TooManyProblems", {OperationRow::Add, 1, 9, 101, false, false}, "Number of Problems must be between 1 and 100."},
    SettingsFaultCase{"LowestZero", {OperationRow::Add, 0, 9, 10, false, false}, "Lowest Number must be between 1 and 99."},
    SettingsFaultCase{"LowestEqualsHighest", {OperationRow::Add, 5, 5, 10, false, false}, "Lowest Number cannot equal Highest Number."},
    SettingsFaultCase{"FixedHundred", {OperationRow::Add, 1, 9, 10, false, false, {false, 100, kAnyRegrouping, false}}, "The fixed number must be between 1 and 99."},
};
// clang-format on

class SettingsFaultTest : public ::testing::TestWithParam<SettingsFaultCase> {};

TEST_P(SettingsFaultTest, NamesTheFirstRuleBrokenAndNoCodeIsFormatted) {
    const std::optional<QString> fault = SheetSettingsFault(GetParam().settings);
    EXPECT_EQ(fault.value_or(QString()), QString::fromUtf8(GetParam().fault));
    EXPECT_EQ(FormatSheetCode(SheetCodeOf(GetParam().settings, 7)).isEmpty(), fault.has_value());
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsFaultTest, ::testing::ValuesIn(kSettingsFaults),
                         kCaseName);

// Version 1 has no room for rules, nor versions 1 and 2 for page options: their codes
// would lose them.
TEST(SheetCode, FormatsNothingForASeedTooWideAnUnknownVersionOrWhatTheVersionCannotHold) {
    SheetSettings settings{OperationRow::Add, 1, 9, 10, false, false};
    EXPECT_TRUE(FormatSheetCode({settings, kWidestSeed + 1}).isEmpty());
    EXPECT_TRUE(FormatSheetCode({settings, kWidestSeedV2 + 1, 2}).isEmpty());
    EXPECT_TRUE(FormatSheetCode({settings, kWidestSeedV3 + 1, 3}).isEmpty());
    EXPECT_TRUE(FormatSheetCode({settings, 0, 6}).isEmpty());
    EXPECT_EQ(SheetSeedBits(7), 0);
    // A fresh seed keeps every bit its code carries.
    EXPECT_EQ(CutSeedForCode(~std::uint64_t{0}, settings), kWidestSeed);
    EXPECT_EQ(CutSeedForCode(~std::uint64_t{0}, {.noTrivial = true}, {}), kWidestSeedV3);
    settings.page.timesSign = TimesSign::Dot;
    EXPECT_TRUE(FormatSheetCode({settings, 0, 1}).isEmpty());
    EXPECT_TRUE(FormatSheetCode({settings, 0, 2}).isEmpty());
    settings.page = {};
    settings.rules.noRepeats = true;
    EXPECT_TRUE(FormatSheetCode({settings, 0, 1}).isEmpty());
}

TEST(SheetSeed, FirstSheetKeepsItsSeedAndNoTwoSheetsOfASetShareOne) {
    for (const auto& [version, widest] :
         {std::pair{1, kWidestSeed}, std::pair{2, kWidestSeedV2}, std::pair{3, kWidestSeedV3}}) {
        for (const std::uint64_t first : {std::uint64_t{0}, widest}) {
            std::set<std::uint64_t> seeds;
            for (int sheet = 0; sheet < 500; ++sheet) {
                seeds.insert(SheetSeed(first, sheet, version));
            }
            EXPECT_EQ(SheetSeed(first, 0, version), first);
            EXPECT_EQ(seeds.size(), 500U);
            EXPECT_LE(*seeds.rbegin(), widest);
        }
    }
}

}  // namespace
}  // namespace tallyworth
