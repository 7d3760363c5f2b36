#include "core/written_problems.h"
#include "core/random_source.h"
#include "core/section_drawing.h"
#include "core/sheet_code.h"
#include "core/sheet_composer.h"
#include "support/named_cases.h"
#include "support/value_printers.h"

#include <gtest/gtest.h>

#include <QString>

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

namespace tallyworth {
namespace {

using testing_support::kCaseName;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

SheetSection Written(OperationRow operation, NumberRange first, NumberRange second) {
    SheetSection section;
    section.kind = SectionKind::Written;
    section.operations = OperationBit(operation);
    section.first = first;
    section.second = second;
    return section;
}

// How many columns carry or borrow, worked on the digits as written, right to left, as a
// pupil works: a sum's carry is its column's tens, a difference borrows when its top digit
// (less what was borrowed) is below the one under it.
int PupilRegroupings(bool subtract, const std::vector<int>& numbers) {
    std::vector<std::string> digits;
    std::size_t width = 0;
    for (const int number : numbers) {
        digits.push_back(std::to_string(number));
        width = std::max(width, digits.back().size());
    }
    int carried = 0;
    int columns = 0;
    for (std::size_t place = 0; place < width; ++place) {
        std::vector<int> column;
        for (const std::string& text : digits) {
            column.push_back(place < text.size() ? text[text.size() - 1 - place] - '0' : 0);
        }
        if (subtract) {
            carried = column[0] - carried < column[1] ? 1 : 0;
        } else {
            int sum = carried;
            for (const int digit : column) {
                sum += digit;
            }
            carried = sum / 10;
        }
        columns += carried > 0 ? 1 : 0;
    }
    return columns;
}

bool KeepsCarrying(Carrying rule, int columns) {
    return rule == Carrying::Any || (rule == Carrying::Once ? columns <= 1 : columns == 0);
}

// Every problem the section allows, listed the slow way, as the operation's numbers.
std::vector<std::vector<int>> Listed(const SheetSection& section) {
    const OperationRow operation = *WrittenOperation(section);
    std::vector<std::vector<int>> listed;
    const auto keep = [&](const std::vector<int>& numbers) {
        const bool subtract = operation == OperationRow::Subtract;
        if ((operation == OperationRow::Add || subtract) &&
            !KeepsCarrying(section.carrying, PupilRegroupings(subtract, numbers))) {
            return;
        }
        if (subtract && numbers[0] < numbers[1]) {
            return;
        }
        if (operation == OperationRow::Divide) {
            const bool whole = numbers[0] % numbers[1] == 0;
            if (numbers[0] < numbers[1] || (section.remainderPercent == 0 && !whole) ||
                (section.remainderPercent == 100 && whole)) {
                return;
            }
        }
        listed.push_back(numbers);
    };
    const auto& [first, second] = std::tie(section.first, section.second);
    for (int a = first.lowest; a <= first.highest; ++a) {
        for (int b = second.lowest; b <= second.highest; ++b) {
            if (section.addends == 2) {
                keep({a, b});
                continue;
            }
            for (int c = second.lowest; c <= second.highest; ++c) {
                keep({a, b, c});
            }
        }
    }
    return listed;
}

int PowerOfTen(int digits) {
    int power = 1;
    for (int digit = 0; digit < digits; ++digit) {
        power *= 10;
    }
    return power;
}

struct CountCase {
    const char* name;
    SheetSection section;
};

SheetSection WithCarrying(SheetSection section, Carrying rule, int addends = 2) {
    section.carrying = rule;
    section.addends = addends;
    return section;
}

SheetSection WithRemainders(SheetSection section, int percent) {
    section.remainderPercent = percent;
    return section;
}

const SheetSection kSums = Written(OperationRow::Add, {10, 599}, {1, 99});
const SheetSection kDifferences = Written(OperationRow::Subtract, {100, 599}, {10, 199});
const SheetSection kDivisions = Written(OperationRow::Divide, {5, 999}, {2, 12});

const CountCase kCountCases[] = {
    {"SumsAnyCarry", kSums},
    {"SumsNoCarry", WithCarrying(kSums, Carrying::Never)},
    {"SumsOneCarry", WithCarrying(kSums, Carrying::Once)},
    {"ThreeAddendsOneCarry",
     WithCarrying(Written(OperationRow::Add, {1, 99}, {5, 40}), Carrying::Once, 3)},
    {"DifferencesAnyBorrow", kDifferences},
    {"DifferencesNoBorrow", WithCarrying(kDifferences, Carrying::Never)},
    {"DifferencesOneBorrow", WithCarrying(kDifferences, Carrying::Once)},
    {"DifferencesOfOverlappingRanges", Written(OperationRow::Subtract, {1, 150}, {1, 150})},
    {"Products", Written(OperationRow::Multiply, {10, 999}, {2, 19})},
    {"ExactDivisions", kDivisions},
    {"DivisionsSomeRemainders", WithRemainders(kDivisions, 40)},
    {"DivisionsAllRemainders", WithRemainders(kDivisions, 100)},
};

class WrittenCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(WrittenCountTest, CountsWhatAListingFindsAndDrawsOnlyFromIt) {
    const SheetSection& section = GetParam().section;
    const std::vector<std::vector<int>> listed = Listed(section);
    ASSERT_EQ(CountWrittenProblems(section), static_cast<std::int64_t>(listed.size()));
    WrittenDrawer drawer(section);
    SeededRandomSource source(7);
    for (int draw = 0; draw < 300; ++draw) {
        const Problem problem = drawer.Draw(source, false);
        ASSERT_TRUE(problem.written);
        const std::vector<int> numbers = NumbersOf(problem);
        ASSERT_NE(std::find(listed.begin(), listed.end(), numbers), listed.end())
            << numbers[0] << " " << numbers[1];
    }
}

INSTANTIATE_TEST_SUITE_P(Sections, WrittenCountTest, ::testing::ValuesIn(kCountCases), kCaseName);

// Four six-digit numbers whose columns never carry: each column's four digits sum to at most
// 9 (715 ways), less the tuples with a number of 0, by inclusion and exclusion.
TEST(WrittenCount, CountsFourSixDigitAddendsWithoutListing) {
    SheetSection section = WithCarrying(Written(OperationRow::Add, {1, 999'999}, {1, 999'999}),
                                        Carrying::Never, kMostAddends);
    const auto power = [](std::int64_t base) {
        std::int64_t result = 1;
        for (int column = 0; column < 6; ++column) {
            result *= base;
        }
        return result;
    };
    EXPECT_EQ(CountWrittenProblems(section),
              power(715) - 4 * power(220) + 6 * power(55) - 4 * power(10) + 1);
    section.carrying = Carrying::Any;  // about 10^24 sums: more than 64 bits hold
    EXPECT_EQ(CountWrittenProblems(section), std::numeric_limits<std::int64_t>::max());
}

// Each of a small section's problems comes up about as often as the others.
constexpr int kDraws = 6000;

TEST(WrittenDraw, DrawsEveryAllowedProblemAboutEquallyOften) {
    const SheetSection section =
        WithCarrying(Written(OperationRow::Add, {10, 14}, {3, 8}), Carrying::Never);
    const std::vector<std::vector<int>> listed = Listed(section);
    const auto each = static_cast<int>(kDraws / listed.size());
    std::map<std::vector<int>, int> seen;
    WrittenDrawer drawer(section);
    SeededRandomSource source(11);
    for (int draw = 0; draw < kDraws; ++draw) {
        ++seen[NumbersOf(drawer.Draw(source, false))];
    }
    ASSERT_EQ(seen.size(), listed.size());
    for (const auto& [numbers, times] : seen) {
        EXPECT_NEAR(times, each, each / 4) << numbers[0] << " + " << numbers[1];
    }
}

TEST(WrittenDraw, KeepsTheShareOfRemaindersAndNeverRepeatsUnderTheRule) {
    SheetSection section = WithRemainders(Written(OperationRow::Divide, {100, 140}, {3, 4}), 50);
    section.count = 30;
    section.rules.noRepeats = true;
    SeededRandomSource source(3);
    const ProblemSet set = ComposeSections({section}, source);
    ASSERT_EQ(set.problems.size(), 30U);
    int remainders = 0;
    for (std::size_t index = 0; index < set.problems.size(); ++index) {
        const Problem& problem = set.problems[index];
        EXPECT_TRUE(problem.withRemainder);
        remainders += RemainderOf(problem) != 0 ? 1 : 0;
        for (std::size_t earlier = 0; earlier < index; ++earlier) {
            EXPECT_FALSE(set.problems[earlier] == problem)
                << problem.first << "/" << problem.second;
        }
    }
    EXPECT_GE(remainders, 15);
}

struct WrittenFaultCase {
    const char* name;
    SheetSection section;
    const char* field;
};

SheetSection Changed(SheetSection section, void (*change)(SheetSection&)) {
    change(section);
    return section;
}

const WrittenFaultCase kFaultCases[] = {
    {"TwoOperations", Changed(kSums, [](SheetSection& s) { s.operations |= 2; }), "operation:"},
    {"SevenDigitAddend", Written(OperationRow::Add, {1, 1'000'000}, {1, 9}), "first:"},
    {"ThreeDigitMultiplier", Written(OperationRow::Multiply, {1, 99}, {1, 100}), "second:"},
    {"SixDigitDividend", Written(OperationRow::Divide, {1, 100'000}, {1, 9}), "first:"},
    {"LowestAboveHighest", Written(OperationRow::Add, {50, 40}, {1, 9}), "first:"},
    {"ThreeNumbersToSubtract",
     WithCarrying(Written(OperationRow::Subtract, {1, 99}, {1, 9}), Carrying::Any, 3), "addends:"},
    {"FiveAddends", WithCarrying(kSums, Carrying::Any, 5), "addends:"},
    {"CarryingProducts",
     WithCarrying(Written(OperationRow::Multiply, {1, 99}, {1, 9}), Carrying::Never), "carrying:"},
    {"RemainderOfASum", WithRemainders(kSums, 50), "remainders:"},
    {"FactRule", Changed(kSums, [](SheetSection& s) { s.rules.noTrivial = true; }), "rules:"},
    {"TooManyProblems", Changed(kSums, [](SheetSection& s) { s.count = 101; }), "problems:"},
};

class WrittenFaultTest : public ::testing::TestWithParam<WrittenFaultCase> {};

TEST_P(WrittenFaultTest, NamesTheField) {
    const std::optional<QString> fault = SectionFault(GetParam().section, 2);
    ASSERT_TRUE(fault.has_value());
    EXPECT_TRUE(fault->startsWith(QStringLiteral("Section 2, ") + GetParam().field))
        << fault->toStdString();
}

INSTANTIATE_TEST_SUITE_P(Sections, WrittenFaultTest, ::testing::ValuesIn(kFaultCases), kCaseName);

TEST(WrittenCode, CarriesWrittenSectionsAndTheirPageInVersionSix) {
    SheetSection divisions =
        WithRemainders(Written(OperationRow::Divide, {100, 99'999}, {2, 99}), 100);
    divisions.title = QStringLiteral("Long division");
    SheetSection sums = WithCarrying(Written(OperationRow::Add, {1, 999'999}, {7, 88}),
                                     Carrying::Once, kMostAddends);
    sums.rules.noRepeats = true;
    SheetSection facts;
    PageOptions page;
    page.method = WrittenMethod::Dutch;
    page.squares = SquaredPaper::Off;
    page.keyWorking = true;
    const SheetSettings settings = SettingsOfSections({divisions, sums, facts}, true, page);
    const SheetCode code = FairSheetCode(settings, 0xFFFFF);
    ASSERT_EQ(code.version, kWrittenSheetCodeVersion);
    const SheetCodeParse read = ParseSheetCode(FormatSheetCode(code));
    ASSERT_TRUE(std::holds_alternative<SheetCode>(read)) << FormatSheetCode(code).toStdString();
    EXPECT_EQ(std::get<SheetCode>(read), code);
    const ProblemSet set = ComposeSheet(code);
    ASSERT_EQ(set.problems.size(), static_cast<std::size_t>(settings.count));
    EXPECT_EQ(set.problems, ComposeSheet(std::get<SheetCode>(read)).problems);
    // Every number from 1 to six digits reads back, in as few bits as it needs.
    SeededRandomSource source(5);
    for (int sample = 0; sample < 200; ++sample) {
        const auto number = [&source](int most) {
            const int digits = 1 + static_cast<int>(RandomBelow(source, 6));
            return 1 + static_cast<int>(RandomBelow(
                           source, static_cast<std::uint64_t>(std::min(most, PowerOfTen(digits)))));
        };
        const int low = number(kMostWrittenAddend);
        sums.first = {low, low + number(kMostWrittenAddend - low + 1) - 1};
        sums.second = {1, number(kMostWrittenAddend)};
        const SheetCode wide =
            FairSheetCode(SettingsOfSections({sums}, false, {}), RandomBelow(source, 1U << 20U));
        const SheetCodeParse back = ParseSheetCode(FormatSheetCode(wide));
        ASSERT_TRUE(std::holds_alternative<SheetCode>(back)) << sums.first.highest;
        EXPECT_EQ(std::get<SheetCode>(back), wide);
    }
    // A code of version 5 cannot say a written section, so none is written.
    EXPECT_TRUE(FormatSheetCode({settings, 1, kSectionsSheetCodeVersion}).isEmpty());
}

}  // namespace
}  // namespace tallyworth
