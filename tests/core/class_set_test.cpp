#include "core/class_set.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace tallyworth {
namespace {

struct PagesCase {
    const char* name;
    OperationRow operation;
    int count, sheets;
    AnswerKeys keys;
    // Each page as sheet, page and "k" for a key page: "1.1 1.1k 2.1 2.1k".
    const char* pages;
};

// clang-format off
const std::array kPagesCases{
    PagesCase{"OneSheet", OperationRow::Add, 10, 1, AnswerKeys::None, "1.1"},
    PagesCase{"KeysAtTheEnd", OperationRow::Multiply, 30, 3, AnswerKeys::AtEnd, "1.1 2.1 3.1 1.1k 2.1k 3.1k"},
    PagesCase{"FiftyDivisionsTakeOnePage", OperationRow::Divide, 50, 2, AnswerKeys::AfterEach, "1.1 1.1k 2.1 2.1k"},
    PagesCase{"MoreDivisionsTakeTwoPages", OperationRow::Divide, 51, 2, AnswerKeys::AfterEach,
              "1.1 1.2 1.1k 1.2k 2.1 2.2 2.1k 2.2k"},
    PagesCase{"NoSheets", OperationRow::Add, 10, 0, AnswerKeys::AfterEach, ""},
    PagesCase{"MoreSheetsThanASetHolds", OperationRow::Add, 10, kMostSheets + 1, AnswerKeys::None, ""},
    PagesCase{"NoSuchOperation", RowOfNumber(6), 10, 2, AnswerKeys::None, ""},
};
// clang-format on

std::string PagesText(const std::vector<SetPage>& pages) {
    std::string text;
    for (const SetPage& page : pages) {
        text += (text.empty() ? "" : " ") + std::to_string(page.sheetIndex + 1) + "." +
                std::to_string(page.pageNo) + (page.answerKey ? "k" : "");
    }
    return text;
}

class ClassSetPagesTest : public ::testing::TestWithParam<PagesCase> {};

TEST_P(ClassSetPagesTest, ListsEverySheetsPagesAndKeysInPrintOrder) {
    const PagesCase& pagesCase = GetParam();
    ClassSetRequest request;
    request.first.settings = {pagesCase.operation, 1, 9, pagesCase.count, false, false};
    request.sheets = pagesCase.sheets;
    request.answerKeys = pagesCase.keys;
    EXPECT_EQ(PagesText(ClassSetPages(request)), pagesCase.pages);
}

INSTANTIATE_TEST_SUITE_P(Requests, ClassSetPagesTest, ::testing::ValuesIn(kPagesCases),
                         [](const auto& param) { return std::string(param.param.name); });

struct PaperCase {
    const char* name;  // the locale
    bool letter;
};

const std::array kPaperCases{PaperCase{"en_US", true},  PaperCase{"es_MX", true},
                             PaperCase{"en_PH", true},  PaperCase{"de_DE", false},
                             PaperCase{"fr_FR", false}, PaperCase{"en_GB", false}};

class PaperTest : public ::testing::TestWithParam<PaperCase> {};

// The one rule of the paper every PDF, print and class set is offered or written on.
TEST_P(PaperTest, IsLetterWhereTheCountryPrintsOnIt) {
    const QLocale locale(QString::fromLatin1(GetParam().name));
    EXPECT_EQ(PrintsOnLetter(locale), GetParam().letter);
    EXPECT_EQ(PaperOf(locale), GetParam().letter ? Paper::Letter : Paper::A4);
    // The environment names the locale as the C library does: "es_MX.UTF-8", "de_DE@euro".
    const QByteArray kept = qgetenv("LC_ALL");
    for (const char* suffix : {".UTF-8", "@euro"}) {
        qputenv("LC_ALL", QByteArray(GetParam().name) + suffix);
        EXPECT_EQ(PaperOf(PaperLocale()), PaperOf(locale)) << suffix;
    }
    kept.isNull() ? qunsetenv("LC_ALL") : qputenv("LC_ALL", kept);
}

INSTANTIATE_TEST_SUITE_P(Locales, PaperTest, ::testing::ValuesIn(kPaperCases),
                         [](const auto& param) { return std::string(param.param.name); });

// A set made from a code written before codes carried the page, given page options, is
// reported by its problems' code, which that version can write; each sheet by its own.
TEST(ReportedCode, IsTheCodeOfEachSheetsProblems) {
    const SheetSettings settings{OperationRow::Add, 1, 9, 10, false, false, {}, {.fillPage = true}};
    const ClassSetRequest request{{settings, 12345U, kSheetCodeVersion}, 3};
    SheetCode problems = request.first;
    problems.settings.page = {};
    EXPECT_EQ(ReportedCode(request), FormatSheetCode(problems));
    EXPECT_FALSE(ReportedCode(request, 2).isEmpty());
    EXPECT_NE(ReportedCode(request, 2), ReportedCode(request));
}

}  // namespace
}  // namespace tallyworth
