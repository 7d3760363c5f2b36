#include "core/damm32.h"
#include "core/problem.h"
#include "core/sheet_code.h"
#include "core/sheet_composer.h"
#include "core/sheet_section.h"
#include "support/named_cases.h"
#include "support/value_printers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

namespace tallyworth {
namespace {

using testing_support::kCaseName;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

using Kind = SectionKind;
constexpr OperationSet kAdd = OperationBit(OperationRow::Add);
constexpr OperationSet kSubtract = OperationBit(OperationRow::Subtract);
constexpr OperationSet kMultiply = OperationBit(OperationRow::Multiply);
constexpr OperationSet kDivide = OperationBit(OperationRow::Divide);
const QString kCodeAlphabet = QStringLiteral("0123456789ABCDEFGHJKMNPQRSTVWXYZ");

// A problem as a key that sorts, and what a test reports of it.
using Key = std::tuple<int, int, int, int, bool>;
Key KeyOf(const Problem& problem) {
    return {RowNumber(problem.operation), problem.first, problem.second,
            static_cast<int>(problem.blank), problem.withRemainder};
}

// A fact keeps its operation's rules and the problem rules, as they are worded: no negative
// difference unless allowed and a whole quotient; nothing given away (a - a, a * 1, 1 * b,
// a / 1, a / a); for + and - only, a sum regroups when its ones make 10 or it reaches 100,
// a difference when the larger number's ones digit is below the smaller's.
bool KeepsRules(OperationRow operation, int a, int b, const SheetSection& section) {
    using enum OperationRow;
    const ProblemRules& rules = section.rules;
    const bool trivial = operation == Subtract   ? a == b
                         : operation == Multiply ? a == 1 || b == 1
                                                 : operation == Divide && (b == 1 || a == b);
    if ((operation == Subtract && !section.allowNegative && a < b) ||
        (operation == Divide && a % b != 0) || (rules.noTrivial && trivial)) {
        return false;
    }
    if (rules.regrouping == Regrouping::Any || (operation != Add && operation != Subtract)) {
        return true;
    }
    const bool regroups = operation == Add ? a % 10 + b % 10 >= 10 || a + b >= 100
                                           : std::max(a, b) % 10 < std::min(a, b) % 10;
    return regroups == (rules.regrouping == Regrouping::Always);
}

// The problems of numbers a (first range) and b (second range) that the section allows.
void AddAllowed(std::set<Key>& keys, const SheetSection& section, OperationRow operation, int a,
                int b) {
    const int row = RowNumber(operation);
    const bool fact = KeepsRules(operation, a, b, section);
    const bool noTrivial = section.rules.noTrivial;
    const auto add = [&keys](bool allowed, const Key& key) {
        if (allowed) {
            keys.insert(key);
        }
    };
    switch (section.kind) {
        case Kind::Facts:
            return add(fact, {row, a, b, 0, false});
        case Kind::Missing:
            add(fact && section.missing != MissingPlace::Second, {row, a, b, 1, false});
            return add(fact && section.missing != MissingPlace::First, {row, a, b, 2, false});
        case Kind::TableDivision:  // a is the quotient
            return add(!(noTrivial && (b == 1 || a == 1)), {row, a * b, b, 0, false});
        case Kind::Remainder:  // a divisor of 1 or a quotient under 2 gives the answer away
            return add(!(section.remainderPercent == 100 && a % b == 0) &&
                           !(noTrivial && (b == 1 || a < 2 * b)),
                       {row, a, b, 0, true});
        case Kind::Written:  // counted by written_problems_test.cpp
            return;
    }
}

// Every problem a section allows, worked out from what its kind means.
std::set<Key> Enumerate(const SheetSection& section) {
    std::set<Key> keys;
    const int fixed = section.rules.fixedNumber;
    const NumberRange second = fixed != 0 ? NumberRange{fixed, fixed} : section.second;
    const bool division = section.kind == Kind::TableDivision || section.kind == Kind::Remainder;
    for (int bit = 0; bit < 4; ++bit) {
        const auto operation = static_cast<OperationRow>(bit + 1);
        if (division ? operation != OperationRow::Divide : (section.operations >> bit) % 2 == 0) {
            continue;
        }
        for (int a = section.first.lowest; a <= section.first.highest; ++a) {
            for (int b = second.lowest; b <= second.highest; ++b) {
                AddAllowed(keys, section, operation, a, b);
            }
        }
    }
    return keys;
}

SheetSection Make(Kind kind, OperationSet operations, NumberRange first, NumberRange second) {
    SheetSection section;
    section.kind = kind;
    section.operations = kind == Kind::Facts || kind == Kind::Missing ? operations : kDivide;
    section.first = first;
    section.second = second;
    return section;
}

SheetSection With(SheetSection section, void (*change)(SheetSection&)) {
    change(section);
    return section;
}

struct SectionCase {
    const char* name;
    SheetSection section;
};

// clang-format off
const std::array kSections{
    SectionCase{"AddOneToNine", Make(Kind::Facts, kAdd, {1, 9}, {1, 9})},
    SectionCase{"MixOneToTwelve", Make(Kind::Facts, kAllOperations, {1, 12}, {1, 12})},
    SectionCase{"SubtractAndMultiplyApart", Make(Kind::Facts, kSubtract | kMultiply, {10, 30}, {2, 9})},
    SectionCase{"AddAndDivideApart", Make(Kind::Facts, kAdd | kDivide, {1, 99}, {2, 12})},
    SectionCase{"SubtractNegative", With(Make(Kind::Facts, kSubtract, {1, 9}, {5, 15}), [](auto& s) { s.allowNegative = true; })},
    SectionCase{"FixedSeven", With(Make(Kind::Facts, kMultiply | kSubtract, {1, 20}, {30, 40}), [](auto& s) { s.rules.fixedNumber = 7; })},
    SectionCase{"MixNoTrivial", With(Make(Kind::Facts, kAllOperations, {1, 12}, {1, 12}), [](auto& s) { s.rules.noTrivial = true; })},
    SectionCase{"RegroupNever", With(Make(Kind::Facts, kAdd | kSubtract, {10, 99}, {1, 60}), [](auto& s) { s.rules.regrouping = Regrouping::Never; })},
    SectionCase{"RegroupAlwaysMix", With(Make(Kind::Facts, kAllOperations, {1, 99}, {1, 30}), [](auto& s) { s.rules.regrouping = Regrouping::Always; })},
    SectionCase{"MissingFirst", With(Make(Kind::Missing, kAdd, {1, 20}, {1, 10}), [](auto& s) { s.missing = MissingPlace::First; })},
    SectionCase{"MissingSecond", With(Make(Kind::Missing, kSubtract | kDivide, {1, 50}, {2, 9}), [](auto& s) { s.missing = MissingPlace::Second; })},
    SectionCase{"MissingEitherNoTrivial", With(Make(Kind::Missing, kAllOperations, {1, 12}, {1, 12}), [](auto& s) { s.rules.noTrivial = true; })},
    SectionCase{"TableDivision", Make(Kind::TableDivision, 0, {1, 12}, {1, 12})},
    SectionCase{"TableDivisionNoTrivial", With(Make(Kind::TableDivision, 0, {1, 10}, {1, 5}), [](auto& s) { s.rules.noTrivial = true; })},
    SectionCase{"TableDivisionFixedSix", With(Make(Kind::TableDivision, 0, {2, 15}, {1, 2}), [](auto& s) { s.rules.fixedNumber = 6; })},
    SectionCase{"RemainderNone", Make(Kind::Remainder, 0, {10, 50}, {2, 9})},
    SectionCase{"RemainderHalf", With(Make(Kind::Remainder, 0, {1, 30}, {1, 6}), [](auto& s) { s.remainderPercent = 50; })},
    SectionCase{"RemainderAlwaysNoTrivial", With(Make(Kind::Remainder, 0, {1, 40}, {1, 8}), [](auto& s) { s.remainderPercent = 100; s.rules.noTrivial = true; })},
    SectionCase{"RemainderFixedFour", With(Make(Kind::Remainder, 0, {1, 30}, {1, 2}), [](auto& s) { s.rules.fixedNumber = 4; s.remainderPercent = 100; })},
};
// clang-format on

class SectionListTest : public ::testing::TestWithParam<SectionCase> {};

TEST_P(SectionListTest, ListsExactlyTheProblemsItsKindAllows) {
    const SheetSection& section = GetParam().section;
    std::multiset<Key> listed;
    for (const OperationRow operation : SectionOperations(section)) {
        for (const Problem& problem : AllowedSectionProblems(section, operation)) {
            listed.insert(KeyOf(problem));
        }
    }
    const std::set<Key> expected = Enumerate(section);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(listed, std::multiset<Key>(expected.begin(), expected.end()));
    EXPECT_EQ(CountSectionProblems(section), static_cast<std::int64_t>(expected.size()));
}

INSTANTIATE_TEST_SUITE_P(Sections, SectionListTest, ::testing::ValuesIn(kSections), kCaseName);

// A sheet of sections, its division notation and page options.
struct RecipeCase {
    const char* name;
    std::vector<SheetSection> sections;
    bool upsideDownSeven = false;
    PageOptions page{};
};

SheetSection Counted(SheetSection section, int count, bool noRepeats) {
    section.count = count;
    section.rules.noRepeats = noRepeats;
    return section;
}

const SheetSection& Named(const char* name) {
    return std::find_if(kSections.begin(), kSections.end(),
                        [name](const SectionCase& c) { return std::string(c.name) == name; })
        ->section;
}

// Sheets of the sections above; the small pools ask for more than they allow and start over.
// clang-format off
const std::array kSheets{
    RecipeCase{"EachKindWithoutRepeats", {Counted(Named("SubtractAndMultiplyApart"), 40, true), Counted(Named("MissingFirst"), 10, true),
                                         Counted(Named("TableDivisionNoTrivial"), 30, true), Counted(Named("RemainderAlwaysNoTrivial"), 20, true)}},
    RecipeCase{"SmallPoolsStartOver", {Counted(Named("TableDivisionFixedSix"), 30, true), Counted(Named("RemainderFixedFour"), 30, true),
                                      Counted(Named("MixNoTrivial"), 40, true)}},
    RecipeCase{"SharesOfRemainders", {Counted(Named("RemainderHalf"), 33, false), Counted(Named("RemainderNone"), 7, true),
                                     With(Counted(Named("RemainderNone"), 50, false), [](auto& s) { s.remainderPercent = 99; }),
                                     With(Counted(Named("RemainderNone"), 10, true), [](auto& s) { s.remainderPercent = 1; })}},
    // Eight of the sixteen problems leave a remainder: the share outlasts the open ones.
    RecipeCase{"RemaindersOutlastTheirProblems", {Counted(With(Make(Kind::Remainder, 0, {2, 9}, {2, 3}), [](auto& s) { s.remainderPercent = 99; }), 30, true),
                                                 Counted(With(Make(Kind::Remainder, 0, {2, 9}, {2, 3}), [](auto& s) { s.remainderPercent = 60; }), 30, true)}},
    RecipeCase{"SixSections", {Named("MixOneToTwelve"), Named("MissingEitherNoTrivial"), Named("RegroupNever"),
                              Named("SubtractNegative"), Named("TableDivision"), Named("RemainderHalf")}},
};
// clang-format on

class SectionSheetTest : public ::testing::TestWithParam<RecipeCase> {};

// Each section's problems follow its rules: allowed, no repeat before every allowed problem
// is used, never right after itself, and the share of remainders it asks for.
void CheckSection(const SheetSection& section, std::span<const Problem> problems) {
    const std::set<Key> allowed = Enumerate(section);
    std::set<Key> used;
    int remainders = 0;
    for (std::size_t index = 0; index < problems.size(); ++index) {
        const Key key = KeyOf(problems[index]);
        ASSERT_TRUE(allowed.contains(key)) << "problem " << index + 1 << " not allowed";
        ASSERT_TRUE(index == 0 || allowed.size() == 1 || !(problems[index] == problems[index - 1]))
            << "problem " << index + 1 << " follows itself";
        if (section.rules.noRepeats) {
            if (used.size() == allowed.size()) {
                used.clear();
            }
            // A share of remainders outlasts the open problems that leave one.
            const bool remaindersUsed = std::ranges::all_of(allowed, [&used](const Key& other) {
                return std::get<2>(other) == 0 || std::get<1>(other) % std::get<2>(other) == 0 ||
                       used.contains(other);
            });
            ASSERT_TRUE(used.insert(key).second ||
                        (RemainderOf(problems[index]) != 0 && remaindersUsed))
                << "problem " << index + 1 << " repeats early";
        }
        remainders += RemainderOf(problems[index]) != 0 ? 1 : 0;
    }
    EXPECT_GE(remainders * 100, section.remainderPercent * section.count);
}

TEST_P(SectionSheetTest, ComposesEachSectionByItsRules) {
    const SheetSettings settings = SettingsOfSections(GetParam().sections, false, {});
    ASSERT_FALSE(SheetSettingsFault(settings));
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        const ProblemSet set = ComposeSheet(FairSheetCode(settings, seed * 7919U));
        ASSERT_EQ(set.problems.size(), static_cast<std::size_t>(settings.count));
        std::size_t start = 0;
        for (const SheetSection& section : GetParam().sections) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", problems from " << start + 1);
            const auto count = static_cast<std::size_t>(section.count);
            CheckSection(section, std::span(set.problems).subspan(start, count));
            start += count;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sections, SectionSheetTest, ::testing::ValuesIn(kSheets), kCaseName);

// Pearson's statistic of 20,000 problems of 2-12 times tables against all 121 equally likely.
double TimesTablesStatistic(int version) {
    const SheetSettings settings{OperationRow::Multiply, 2, 12, 20};
    std::map<std::pair<int, int>, int> seen;
    for (std::uint64_t seed = 1; seed <= 1000; ++seed) {
        SheetCode code = FairSheetCode(settings, seed * 104729U);
        code.version = version;
        for (const Problem& problem : ComposeSheet(code).problems) {
            ++seen[{problem.first, problem.second}];
        }
    }
    EXPECT_EQ(seen.size(), 121U);
    const double expected = 20000.0 / 121.0;
    double statistic = 0.0;
    for (const auto& [pair, count] : seen) {
        statistic += (count - expected) * (count - expected) / expected;
    }
    return statistic;
}

TEST(SectionDraw, PlainTimesTablesOfVersionFourAreEvenAndVersionOnesAreNot) {
    constexpr double kBound = 173.6;  // 99.9 % of chi-square with 120 degrees of freedom
    EXPECT_LT(TimesTablesStatistic(kFairSheetCodeVersion), kBound);  // 105.0
    EXPECT_GT(TimesTablesStatistic(kSheetCodeVersion), kBound);      // 5,586.5
}

// clang-format off
const std::array kRecipes{
    RecipeCase{"FactsOfTwoOperations", {Named("SubtractAndMultiplyApart")}},
    RecipeCase{"FactsWithEveryRule", {With(Named("FixedSeven"), [](auto& s) { s.rules = {true, 99, Regrouping::Always, true}; s.allowNegative = true; })}},
    RecipeCase{"Missing", {Named("MissingSecond")}},
    RecipeCase{"TableDivision", {Named("TableDivisionNoTrivial")}},
    RecipeCase{"Remainder", {Named("RemainderHalf")}},
    RecipeCase{"SixTitled", {With(Named("AddOneToNine"), [](auto& s) { s.title = QString::fromUtf8("Übung 1: Addition"); }), With(Named("MissingFirst"), [](auto& s) { s.title = QString::fromUtf8("Ça, c'est dûr – ½ ÷ ×"); }),
                             Named("RegroupNever"), With(Named("TableDivision"), [](auto& s) { s.title = QString::fromUtf8("Деление"); }),
                             With(Named("RemainderAlwaysNoTrivial"), [](auto& s) { s.title = QString::fromUtf8("余りのある割り算"); }),
                             With(Named("MixNoTrivial"), [](auto& s) { s.title = QString(20, u'ç') + QString::fromUtf8("🍎").repeated(20); })},
               true, {TimesSign::Asterisk, DivideSign::Colon, ProblemLayout::Line, PrintSize::ExtraLarge, true}},
    RecipeCase{"Cross", {Named("RemainderNone")}, false, {.timesSign = TimesSign::Cross}},
    RecipeCase{"Dot", {Named("MissingEitherNoTrivial")}, false, {.timesSign = TimesSign::Dot}},
    RecipeCase{"Obelus", {Named("MissingFirst")}, true, {.divideSign = DivideSign::Obelus}},
    RecipeCase{"Large", {Named("TableDivision")}, false, {.size = PrintSize::Large}},
    // A division's operations, or another kind's share of remainders, are not read.
    RecipeCase{"UnreadFieldsSet", {With({}, [](auto& s) { s.kind = Kind::TableDivision; s.missing = MissingPlace::First; }),
                                   With(Named("MissingSecond"), [](auto& s) { s.remainderPercent = 30; s.operations = kAllOperations; })}},
};
// clang-format on

SheetCode RecipeCode(const RecipeCase& recipe, std::uint64_t seed = 0xFFFFF) {
    return FairSheetCode(SettingsOfSections(recipe.sections, recipe.upsideDownSeven, recipe.page),
                         seed);
}

// What a typed code is refused for; nothing when it is read.
std::optional<SheetCodeFault> FaultOf(const QString& typed) {
    const SheetCodeParse parsed = ParseSheetCode(typed);
    const auto* error = std::get_if<SheetCodeError>(&parsed);
    return error != nullptr ? std::optional(error->fault) : std::nullopt;
}

class SectionCodeTest : public ::testing::TestWithParam<RecipeCase> {};

TEST_P(SectionCodeTest, ReadsBackWhatItWrites) {
    const SheetCode code = RecipeCode(GetParam());
    ASSERT_EQ(code.version, kSectionsSheetCodeVersion);
    EXPECT_EQ(SheetCodeOf(code.settings, CutSeedForCode(~std::uint64_t{0}, code.settings)), code);
    const QString text = FormatSheetCode(code);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_EQ(ParseSheetCode(text), SheetCodeParse(code)) << text.toStdString();
}

TEST_P(SectionCodeTest, CheckCatchesEveryChangedSymbolAndEverySwapOfNeighbours) {
    const QString symbols = FormatSheetCode(RecipeCode(GetParam(), 0x2468A)).remove(u'-');
    ASSERT_FALSE(symbols.isEmpty());
    const auto refused = [](qsizetype at, const QString& typed) {
        // A changed version symbol makes a code of another length.
        return FaultOf(typed) == SheetCodeFault::WrongCheck || (at == 0 && FaultOf(typed));
    };
    for (qsizetype at = 0; at < symbols.size(); ++at) {
        for (const QChar other : kCodeAlphabet) {
            QString changed = symbols;
            changed[at] = other;
            ASSERT_TRUE(other == symbols[at] || refused(at, changed)) << changed.toStdString();
        }
        QString swapped = symbols;
        if (at + 1 < symbols.size() && symbols[at] != symbols[at + 1]) {
            std::swap(swapped[at], swapped[at + 1]);
            ASSERT_TRUE(refused(at, swapped)) << swapped.toStdString();
        }
    }
}

// Symbols left over or missing are refused even under a fitting check symbol, and so is a
// last symbol whose padding is not 0: a sheet has one code.
TEST_P(SectionCodeTest, RefusesSymbolsLeftOverOrMissing) {
    const SheetCode code = RecipeCode(GetParam());
    const QString text = FormatSheetCode(code).remove(u'-');
    ASSERT_FALSE(text.isEmpty());
    std::vector<int> body;  // the symbols before the check symbol
    for (const QChar symbol : text.chopped(1)) {
        body.push_back(static_cast<int>(kCodeAlphabet.indexOf(symbol)));
    }
    const auto checked = [](std::vector<int> symbols) {
        symbols.push_back(Damm32CheckSymbol(symbols));
        QString typed;
        for (const int symbol : symbols) {
            typed += kCodeAlphabet[symbol];
        }
        return ParseSheetCode(typed);
    };
    EXPECT_TRUE(FaultOf(text.chopped(1)));
    EXPECT_TRUE(std::holds_alternative<SheetCodeError>(checked({body.begin(), body.end() - 1})));
    for (int other = 0; other < 32; ++other) {
        EXPECT_TRUE(FaultOf(text + kCodeAlphabet[other])) << other;
        std::vector<int> changed = body;
        changed.push_back(other);
        EXPECT_TRUE(std::holds_alternative<SheetCodeError>(checked(changed))) << other;
        changed = body;
        changed.back() = other;
        EXPECT_EQ(checked(changed) == SheetCodeParse(code), other == body.back()) << other;
    }
}

INSTANTIATE_TEST_SUITE_P(Sections, SectionCodeTest, ::testing::ValuesIn(kRecipes), kCaseName);

TEST(SectionCode, OnePlainSectionKeepsTheFourteenSymbolsOfVersionFour) {
    const RecipeCase plain{"Plain", {Named("MixOneToTwelve")}};
    const SheetCode code = RecipeCode(plain, 0x3FFFF);
    const QString text = FormatSheetCode(code);
    EXPECT_EQ(QString(text).remove(u'-').size(), 14);
    EXPECT_TRUE(text.startsWith(u'4')) << text.toStdString();
    EXPECT_EQ(ParseSheetCode(text), SheetCodeParse(code));
    EXPECT_EQ(SectionsOf(code.settings), plain.sections);
}

TEST(SectionCode, SheetsOfAClassSetHaveTheirOwnSeeds) {
    const SheetCode first = RecipeCode(kRecipes.back(), 0xABCDE);
    std::set<std::uint64_t> seeds;
    for (int sheet = 0; sheet < kMostSheets; ++sheet) {
        const SheetCode code = SheetOfSet(first, sheet);
        ASSERT_FALSE(FormatSheetCode(code).isEmpty()) << sheet;
        seeds.insert(code.seed);
    }
    EXPECT_EQ(seeds.size(), static_cast<std::size_t>(kMostSheets));
}

struct FaultCase {
    const char* name;
    std::vector<SheetSection> sections;
    const char* message;
};

std::vector<SheetSection> SecondChanged(void (*change)(SheetSection&)) {
    return {Named("AddOneToNine"), With(Named("TableDivision"), change)};
}

// clang-format off
const std::array kFaults{
    FaultCase{"None", {}, "A sheet holds 1 to 6 sections."},
    FaultCase{"Seven", std::vector(7, Named("AddOneToNine")), "A sheet holds 1 to 6 sections."},
    FaultCase{"OverAHundredProblems", {Counted(Named("AddOneToNine"), 60, false), Counted(Named("RemainderNone"), 41, false)}, "The sections hold 101 problems in all, but a sheet holds at most 100."},
    FaultCase{"FirstUpsideDown", SecondChanged([](auto& s) { s.first = {9, 3}; }), "Section 2, first: Lowest Number must be less than Highest Number!"},
    FaultCase{"SecondPastNinetyNine", SecondChanged([](auto& s) { s.second = {2, 100}; }), "Section 2, second: Highest Number must be between 1 and 99."},
    FaultCase{"CountZero", SecondChanged([](auto& s) { s.count = 0; }), "Section 2, problems: Number of Problems must be between 1 and 100."},
    FaultCase{"RemainderPercent101", SecondChanged([](auto& s) { s.kind = Kind::Remainder; s.remainderPercent = 101; }), "Section 2, remainders: the share must be between 0 and 100 %."},
    FaultCase{"Title41", SecondChanged([](auto& s) { s.title = QString(41, u'é'); }), "Section 2, title: at most 40 characters on one line, please."},
    FaultCase{"TitleTwoLines", SecondChanged([](auto& s) { s.title = QStringLiteral("Part\nTwo"); }), "Section 2, title: at most 40 characters on one line, please."},
    FaultCase{"TitleLineSeparator", SecondChanged([](auto& s) { s.title = QStringLiteral("Part\u2028Two"); }), "Section 2, title: at most 40 characters on one line, please."},
    FaultCase{"NoOperation", SecondChanged([](auto& s) { s.kind = Kind::Facts; s.operations = 0; }), "Section 2, operation: choose at least one of +, -, * and /."},
};
// clang-format on

class SectionsFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(SectionsFaultTest, NamesTheSectionAndItsField) {
    EXPECT_EQ(SectionsFault(GetParam().sections), QString::fromUtf8(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(Sections, SectionsFaultTest, ::testing::ValuesIn(kFaults), kCaseName);

}  // namespace
}  // namespace tallyworth
