#include "core/operations.h"
#include "core/sheet_code.h"
#include "core/sheet_composer.h"
#include "page_model/flowing_layout.h"
#include "page_model/printed_page.h"
#include "page_model/sheet_page.h"
#include "support/named_cases.h"

#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace tallyworth {
namespace {

using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

// How each kind reads, blank and filled in: a left-out number's answer is always given.
struct WrittenCase {
    const char* name;
    PrintedProblem problem;
    QLocale::Language language;
    const char* written;
};

PrintedProblem Printed(const char* first, const char* sign, const char* second, BlankPlace blank,
                       const char* answer = "", const char* solution = "") {
    PrintedProblem problem{0, 0, first, sign, second, solution};
    problem.blank = blank;
    problem.answer = answer;
    return problem;
}

PrintedProblem Remainder(const char* solution, const char* remainder) {
    PrintedProblem problem = Printed("23", "\u00F7", "5", BlankPlace::Answer, "", solution);
    problem.withRemainder = true;
    problem.remainder = remainder;
    return problem;
}

// A written problem: its sheet leaves the working space, not blanks, to fill in.
PrintedProblem Column(const char* first, const char* sign, const char* second,
                      QStringList more = {}, const char* solution = "",
                      const char* remainder = "") {
    PrintedProblem problem{0, 0, first, sign, second, solution};
    problem.written = true;
    problem.more = std::move(more);
    problem.withRemainder = *remainder != 0;
    problem.remainder = remainder;
    return problem;
}

// clang-format off
const std::vector<WrittenCase> kWritten{
    {"WrittenSumOfThree", Column("12", "+", "345", {"6789"}), QLocale::English, "12 + 345 + 6789 ="},
    {"WrittenSumOnAKey", Column("4527", "+", "3896", {}, "8423"), QLocale::English, "4527 + 3896 = 8423"},
    {"WrittenDivision", Column("8520", "\u00F7", "4", {}, "", "3"), QLocale::German, "8520 : 4 ="},
    {"WrittenDivisionOnAKey", Column("8523", "\u00F7", "4", {}, "2130", "3"), QLocale::English,
     "8523 ÷ 4 = 2130 r 3"},
    {"FirstLeftOut", Printed("7", "+", "5", BlankPlace::First, "12"), QLocale::English, "__ + 5 = 12"},
    {"SecondLeftOut", Printed("7", "*", "8", BlankPlace::Second, "56"), QLocale::English, "7 × __ = 56"},
    {"LeftOutOnAKey", Printed("7", "-", "5", BlankPlace::First, "2", "7"), QLocale::English, "7 − 5 = 2"},
    {"Remainder", Remainder("", ""), QLocale::English, "23 ÷ 5 = __ r __"},
    {"RemainderOnAKey", Remainder("4", "3"), QLocale::English, "23 ÷ 5 = 4 r 3"},
    {"RemainderInGerman", Remainder("4", "3"), QLocale::German, "23 : 5 = 4 Rest 3"},
    {"RemainderInSpanish", Remainder("", ""), QLocale::Spanish, "23 : 5 = __ resto __"},
};
// clang-format on

class WrittenKindTest : public ::testing::TestWithParam<WrittenCase> {};

TEST_P(WrittenKindTest, ReadsAsTeachersWriteIt) {
    const WrittenCase& written = GetParam();
    EXPECT_EQ(WrittenProblem(written.problem, SignsOf({}, written.language)).toStdString(),
              written.written);
}

INSTANTIATE_TEST_SUITE_P(Kinds, WrittenKindTest, ::testing::ValuesIn(kWritten),
                         testing_support::kCaseName);

TEST(SpokenWrittenProblem, ReadsEveryNumberOfASum) {
    EXPECT_EQ(SpokenProblem(Column("12", "+", "345", {"6789", "10"})).toStdString(),
              "12 plus 345 plus 6789 plus 10 equals");
}

SheetSection Section(SectionKind kind, OperationSet operations, NumberRange first, int count,
                     const char* title = "") {
    SheetSection section;
    section.kind = kind;
    section.operations = operations;
    section.first = section.second = first;
    section.count = count;
    section.title = QString::fromUtf8(title);
    return section;
}

constexpr OperationSet kTimes = OperationBit(OperationRow::Multiply);
constexpr OperationSet kPlus = OperationBit(OperationRow::Add);

struct RecipeCase {
    const char* name;
    std::vector<SheetSection> sections;
    PageOptions page;
};

// clang-format off
const std::vector<RecipeCase> kRecipes{
    {"TitledKindsOnLines", {Section(SectionKind::Facts, kPlus, {1, 20}, 23, "Sums"),
                            Section(SectionKind::Missing, kTimes, {2, 12}, 17, "Missing"),
                            Section(SectionKind::TableDivision, 0, {2, 12}, 21, "Tables"),
                            Section(SectionKind::Remainder, 0, {10, 99}, 19, "Remainders")},
     {TimesSign::Default, DivideSign::Default, ProblemLayout::Line, PrintSize::Normal, false}},
    {"StackedMissingLarge", {Section(SectionKind::Missing, kPlus | kTimes, {1, 99}, 40, "A"),
                             Section(SectionKind::Facts, kAllOperations, {1, 99}, 60, "B")},
     {TimesSign::Default, DivideSign::Default, ProblemLayout::Stacked, PrintSize::Large, false}},
    {"ExtraLargeSixSections", std::vector<SheetSection>(6, Section(SectionKind::Facts, kPlus, {1, 9}, 16, "Six")),
     {TimesSign::Default, DivideSign::Default, ProblemLayout::Stacked, PrintSize::ExtraLarge, false}},
    {"WrittenBetweenFacts", {Section(SectionKind::Facts, kTimes, {2, 12}, 30, "Tables"),
                             Section(SectionKind::Written, kPlus, {1000, 99999}, 40, "Columns"),
                             Section(SectionKind::Facts, kPlus, {1, 20}, 20, "Sums")},
     {TimesSign::Default, DivideSign::Default, ProblemLayout::Stacked, PrintSize::Large, false}},
    {"FilledUntitled", {Section(SectionKind::Missing, kPlus, {1, 9}, 3),
                        Section(SectionKind::Remainder, 0, {10, 50}, 2)},
     {TimesSign::Default, DivideSign::Default, ProblemLayout::Line, PrintSize::Normal, true}},
};
// clang-format on

class SectionsLayoutTest : public ::testing::TestWithParam<RecipeCase> {
  protected:
    [[nodiscard]] FlowRequest Request(bool key) const {
        const SheetSettings settings =
            SettingsOfSections(GetParam().sections, false, GetParam().page);
        return {settings, SignsOf(settings.page, QLocale::English), key, kFlowingArea};
    }
};

bool IsTitle(const PageLabel& label, const std::vector<SheetSection>& sections) {
    return std::any_of(sections.begin(), sections.end(), [&label](const SheetSection& section) {
        return !section.title.isEmpty() && label.caption == section.title;
    });
}

// Every sheet of a recipe has the pages the plan promises a class set; each section starts
// on a row of its own, under its title, and no title ends a page.
TEST_P(SectionsLayoutTest, StartsEachSectionOnItsOwnRowUnderItsTitle) {
    const FlowRequest request = Request(true);
    const int planned = PlanFlow(request).pages;
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        const SheetCode code = FairSheetCode(request.settings, seed * 7919);
        const std::vector<PrintedPage> pages = LayOutFlowingPages(ComposeSheet(code), request);
        ASSERT_EQ(static_cast<int>(pages.size()), planned);
        std::size_t problem = 0;
        std::size_t titles = 0;
        for (const PrintedPage& page : pages) {
            titles += page.titles.size();
            ASSERT_FALSE(page.problems.empty());
            const auto last =
                std::max_element(page.labels.begin(), page.labels.end(),
                                 [](const auto& a, const auto& b) { return a.top < b.top; });
            EXPECT_FALSE(IsTitle(*last, GetParam().sections));
            problem += page.problems.size();
        }
        EXPECT_EQ(static_cast<int>(problem), request.settings.count);
        EXPECT_EQ(titles,
                  static_cast<std::size_t>(std::count_if(
                      GetParam().sections.begin(), GetParam().sections.end(),
                      [](const SheetSection& section) { return !section.title.isEmpty(); })));
    }
    std::vector<PrintedProblem> all;
    for (const PrintedPage& page :
         LayOutFlowingPages(ComposeSheet(FairSheetCode(request.settings, 1)), request)) {
        all.insert(all.end(), page.problems.begin(), page.problems.end());
    }
    std::size_t start = 0;
    for (const SheetSection& section : GetParam().sections) {
        EXPECT_FLOAT_EQ(all[start].left, static_cast<float>(kFlowingArea.left())) << start;
        if (start > 0) {
            EXPECT_TRUE(all[start].top > all[start - 1].top || all[start].top < all[0].top + 0.01F);
        }
        start += static_cast<std::size_t>(section.count);
    }
}

// A key fills every blank with the number it stands for.
TEST_P(SectionsLayoutTest, AKeyReadsAsTheWholeFact) {
    const FlowRequest request = Request(true);
    const ProblemSet set = ComposeSheet(FairSheetCode(request.settings, 99));
    std::size_t index = 0;
    for (const PrintedPage& page : LayOutFlowingPages(set, request)) {
        for (const PrintedProblem& printed : page.problems) {
            const Problem& problem = set.problems[index++];
            QString expected =
                QStringLiteral("%1 %2 %3 = %4")
                    .arg(problem.first)
                    .arg(WrittenOperation(OperationSymbol(problem.operation), page.signs))
                    .arg(problem.second)
                    .arg(AnswerOf(problem));
            if (problem.withRemainder) {
                expected += QStringLiteral(" r %1").arg(RemainderOf(problem));
            }
            EXPECT_EQ(WrittenProblem(printed, page.signs), expected.replace(u'-', QChar(0x2212)));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Recipes, SectionsLayoutTest, ::testing::ValuesIn(kRecipes),
                         testing_support::kCaseName);

// A stacked problem with a number left out has a box where the number stands, and the given
// answer under its bar.
TEST(SectionsLayout, BoxesTheLeftOutNumberOfAStackedProblem) {
    SheetSection section = Section(SectionKind::Missing, kPlus, {1, 9}, 1);
    section.missing = MissingPlace::Second;
    const SheetSettings settings = SettingsOfSections({section}, false, {});
    const ProblemSet set = ComposeSheet(FairSheetCode(settings, 5));
    const std::vector<PrintedPage> pages =
        LayOutFlowingPages(set, {settings, SignsOf({}, QLocale::English), false, kFlowingArea});
    ASSERT_EQ(pages.size(), 1U);
    EXPECT_EQ(pages[0].lines.size(), 5U);  // the box's four sides and the bar
    QStringList captions;
    for (const PageLabel& label : pages[0].labels) {
        captions << label.caption;
    }
    EXPECT_EQ(captions, (QStringList{QString::number(set.problems[0].first), "+",
                                     QString::number(AnswerOf(set.problems[0]))}));
}

// Every caption and stroke of the pages, to a thousandth of an inch; none is hidden.
QString DumpOf(const std::vector<PrintedPage>& pages) {
    const auto number = [](float value) { return QString::number(value, 'f', 3); };
    QString dump;
    for (const PrintedPage& page : pages) {
        dump += QStringLiteral("page\n");
        for (const PageLabel& label : page.labels) {
            dump +=
                QLatin1String(label.visible ? "" : "hidden ") +
                QStringLiteral("%1 %2 %3 %4 %5 %6 %7\n")
                    .arg(number(label.left), number(label.top), number(label.width),
                         number(label.height), QString::number(static_cast<int>(label.alignment)),
                         number(label.fontSize), label.caption);
        }
        for (const PageLine& line : page.lines) {
            dump += QLatin1String(line.visible ? "" : "hidden ") +
                    QStringLiteral("(%1,%2)-(%3,%4) %5\n")
                        .arg(number(line.x1), number(line.y1), number(line.x2), number(line.y2),
                             QString::number(line.borderWidth));
        }
    }
    return dump;
}

struct LayoutGoldenCase {
    const char* name;  // of its file in tests/page_model/golden
    std::vector<SheetSection> sections;
    PageOptions page;
    bool bracket = false;
    bool key = false;
    QLocale::Language language = QLocale::English;
};

SheetSection Titled(SheetSection section, MissingPlace missing, int percent) {
    section.missing = missing;
    section.remainderPercent = percent;
    section.second = {2, 9};
    return section;
}

// clang-format off
const std::vector<LayoutGoldenCase> kGolden{
    {"flowing_stacked_mix", {Section(SectionKind::Missing, kPlus | kTimes, {2, 12}, 5, "Boxes"), Section(SectionKind::Facts, kAllOperations, {2, 12}, 7)},
     {TimesSign::Default, DivideSign::Default, ProblemLayout::Stacked, PrintSize::Normal, false}, false, true},
    {"flowing_line_remainders", {Section(SectionKind::Facts, OperationBit(OperationRow::Subtract), {1, 20}, 4, "Minus"),
                                 Titled(Section(SectionKind::Remainder, 0, {10, 99}, 5, "Rest"), MissingPlace::Either, 60),
                                 Titled(Section(SectionKind::Missing, kTimes, {2, 9}, 3), MissingPlace::Second, 0)},
     {TimesSign::Dot, DivideSign::Colon, ProblemLayout::Line, PrintSize::Large, false}, false, true, QLocale::German},
    {"flowing_bracket_pages", {Section(SectionKind::TableDivision, 0, {2, 10}, 20, "Tables"), Titled(Section(SectionKind::Remainder, 0, {10, 60}, 20, "Left over"), MissingPlace::Either, 50)},
     {TimesSign::Default, DivideSign::Default, ProblemLayout::Stacked, PrintSize::ExtraLarge, false}, true},
    {"flowing_filled_missing", {Titled(Section(SectionKind::Missing, kPlus, {1, 9}, 4), MissingPlace::First, 0)},
     {TimesSign::Default, DivideSign::Default, ProblemLayout::Stacked, PrintSize::Normal, true}},
};
// clang-format on

class FlowingGoldenTest : public ::testing::TestWithParam<LayoutGoldenCase> {};

// Where every caption and stroke of a sheet's pages stands, so that a change of the layout
// shows in review. After an intended change, regenerate the files and review their diff;
// from build/dev/tests:
//   TALLYWORTH_UPDATE_GOLDEN=1 ./tallyworth_page_model_tests --gtest_filter='*FlowingGolden*'
TEST_P(FlowingGoldenTest, PagesMatchTheRecordedOnes) {
    const LayoutGoldenCase& golden = GetParam();
    const SheetSettings settings = SettingsOfSections(golden.sections, golden.bracket, golden.page);
    const FlowRequest request{settings, SignsOf(settings.page, golden.language), golden.key,
                              kFlowingArea};
    const QByteArray dump =
        DumpOf(LayOutFlowingPages(ComposeSheet(FairSheetCode(settings, 0x5EED)), request)).toUtf8();
    QFile file(QStringLiteral(TALLYWORTH_TEST_DATA_DIR "/page_model/golden/") +
               QLatin1String(golden.name) + QStringLiteral(".txt"));
    if (qEnvironmentVariableIntValue("TALLYWORTH_UPDATE_GOLDEN") == 1) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(dump) == dump.size());
        GTEST_SKIP() << "rewrote " << golden.name;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "missing golden " << golden.name;
    EXPECT_EQ(dump.toStdString(), file.readAll().toStdString()) << golden.name;
}

INSTANTIATE_TEST_SUITE_P(Sheets, FlowingGoldenTest, ::testing::ValuesIn(kGolden),
                         testing_support::kCaseName);

}  // namespace
}  // namespace tallyworth
