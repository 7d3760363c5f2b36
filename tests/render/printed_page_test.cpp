#include "core/sheet_composer.h"
#include "render/class_set_output.h"
#include "support/named_cases.h"
#include "support/pdf_reading.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <array>
#include <string>
#include <vector>

namespace tallyworth {
namespace {

using print_test::PdfPage;
using print_test::PdfWord;
using print_test::ReadPdf;
using print_test::ReadPdfText;
using testing_support::kCaseName;

struct PrintCase {
    const char* name;
    SheetSettings settings;
    QPageSize::PageSizeId paper;
    int pages;          // of the sheet, and as many of its key
    double points;      // the least size of its figures
    const char* times;  // the signs its text must show
    const char* divide;
};

SheetSettings Settings(OperationRow row, int count, PageOptions page, bool bracket = false) {
    SheetSettings settings{row, 2, 12, count, false, bracket};
    settings.page = page;
    return settings;
}

constexpr PageOptions kLine{TimesSign::Default, DivideSign::Default, ProblemLayout::Line};
constexpr PageOptions kLarge{TimesSign::Dot, DivideSign::Colon, ProblemLayout::Stacked,
                             PrintSize::Large};
constexpr PageOptions kExtraLarge{TimesSign::Default, DivideSign::Default, ProblemLayout::Stacked,
                                  PrintSize::ExtraLarge};
constexpr PageOptions kFilled{TimesSign::Cross, DivideSign::Colon, ProblemLayout::Line,
                              PrintSize::Normal, true};

// The signs follow the options; larger print flows onto more pages, never smaller than
// promised; divisions stand on a line or in their bracket whatever the layout.
const std::array kPrintCases{
    PrintCase{"OriginalSigns", Settings(OperationRow::Multiply, 100, OriginalPageOptions()),
              QPageSize::Letter, 1, 10, "*", "÷"},
    PrintCase{"LanguageSignsMix", Settings(OperationRow::Mix, 100, {}), QPageSize::A4, 1, 10, "×",
              "÷"},
    PrintCase{"LineDivisions", Settings(OperationRow::Divide, 100, kLine), QPageSize::Letter, 2,
              13.5, "×", "÷"},
    PrintCase{"LargeDotsAndColons", Settings(OperationRow::Mix, 100, kLarge), QPageSize::A4, 3, 18,
              "⋅", ":"},
    PrintCase{"ExtraLargeBracket", Settings(OperationRow::Divide, 40, kExtraLarge, true),
              QPageSize::Letter, 2, 24, "×", "÷"},
    PrintCase{"FilledLine", Settings(OperationRow::Multiply, 12, kFilled), QPageSize::Letter, 1, 30,
              "×", ":"},
};

QString Sign(const Problem& problem, const PrintCase& print) {
    switch (problem.operation) {
        case OperationRow::Multiply:
            return QString::fromUtf8(print.times);
        case OperationRow::Subtract:
            return QStringLiteral("\u2212");  // read as "minus", not as a hyphen
        case OperationRow::Divide:
            return QString::fromUtf8(print.divide);
        default:
            return QStringLiteral("+");
    }
}

// The answer worked out here, not taken from the composer.
int Answer(const Problem& problem) {
    switch (problem.operation) {
        case OperationRow::Add:
            return problem.first + problem.second;
        case OperationRow::Subtract:
            return problem.first - problem.second;
        case OperationRow::Multiply:
            return problem.first * problem.second;
        default:
            return problem.first / problem.second;
    }
}

// The sheet's problems as its text reads, each apart from the next: "7 × 8 =", and
// "7 × 8 = 56" on a key.
QString Expected(const ProblemSet& set, const PrintCase& print, bool key) {
    QStringList problems;
    for (const Problem& problem : set.problems) {
        problems << QStringLiteral("%1 %2 %3 =")
                        .arg(QString::number(problem.first), Sign(problem, print),
                             QString::number(problem.second));
        if (key) {
            problems.back() += u' ' + QString::number(Answer(problem));
        }
    }
    return problems.join(u' ');
}

bool WritePdf(const ClassSetRequest& request, const QPageSize& paper, const QString& file) {
    class : public SetProgress {
        void Start(int /*pages*/) override {}
        bool Advance(int /*pagesDone*/) override { return true; }
    } progress;
    return WriteClassSetPdf(request, paper, file, progress).Succeeded();
}

class PrintedPageTest : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintedPageTest, ReadsEveryProblemInOrderAtItsSizeInsideThePaper) {
    const PrintCase& print = GetParam();
    const ClassSetRequest request{SheetCodeOf(print.settings, 0x2A), 1, AnswerKeys::AtEnd, true};
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("sheet.pdf"));
    ASSERT_TRUE(WritePdf(request, QPageSize(print.paper), file));
    const std::vector<PdfPage> pages = ReadPdf(file);
    ASSERT_EQ(pages.size(), static_cast<std::size_t>(2 * print.pages));
    for (const PdfPage& page : pages) {
        for (const PdfWord& word : page.words) {
            EXPECT_TRUE(word.left >= 0.25 && word.right <= page.width - 0.25 &&
                        word.bottom <= page.height - 0.25)
                << word.text << " outside the printable area";
            if (word.top > 0.5 + 0.66) {  // below the band's rule
                EXPECT_GE((word.bottom - word.top) * 72, print.points) << word.text;
            }
        }
    }
    // Sheet and key as they read, the band's words left out, the rows one after another.
    QString text = ReadPdfText(file);
    static const QRegularExpression kBand(QStringLiteral("Sheet 1 of 1\\n.*\\nName\\nDate\\n"));
    text.remove(QStringLiteral("Answer key\n")).remove(kBand);
    const ProblemSet set = ComposeSheet(request.first);
    EXPECT_EQ(text.simplified().toStdString(),
              (Expected(set, print, false) + u' ' + Expected(set, print, true)).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Sheets, PrintedPageTest, ::testing::ValuesIn(kPrintCases), kCaseName);

SheetSection WrittenSection(OperationRow operation, int count) {
    SheetSection section;
    section.kind = SectionKind::Written;
    section.operations = OperationBit(operation);
    section.first = {1000, 99'999};
    section.second = {2, 999};
    section.count = count;
    section.addends = 3;
    section.remainderPercent = 100;
    return section;
}

// A written problem reads as words, its digits and working drawn, not read: "12 + 345 +
// 6789 =", and "8523 ÷ 4 = 2130 r 3" on a key.
QString ExpectedWritten(const ProblemSet& set, bool key) {
    QStringList problems;
    for (const Problem& problem : set.problems) {
        const bool sum = problem.operation == OperationRow::Add;
        problems << QStringLiteral("%1 %2 %3%4 =")
                        .arg(QString::number(problem.first), sum ? u"+" : u"÷",
                             QString::number(problem.second),
                             sum ? QStringLiteral(" + %1").arg(problem.more[0]) : QString());
        if (key) {
            problems.back() +=
                sum ? QStringLiteral(" %1").arg(problem.first + problem.second + problem.more[0])
                    : QStringLiteral(" %1 r %2")
                          .arg(problem.first / problem.second)
                          .arg(problem.first % problem.second);
        }
    }
    return problems.join(u' ');
}

TEST(PrintedWrittenPage, ReadsEachProblemAsWordsWithoutItsWorking) {
    PageOptions options;
    options.keyWorking = true;
    SheetSection divisions = WrittenSection(OperationRow::Divide, 4);
    divisions.second = {2, 99};
    const SheetSettings settings =
        SettingsOfSections({WrittenSection(OperationRow::Add, 6), divisions}, false, options);
    const ClassSetRequest request{FairSheetCode(settings, 0x2A), 1, AnswerKeys::AtEnd, true};
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("sheet.pdf"));
    ASSERT_TRUE(WritePdf(request, QPageSize(QPageSize::A4), file));
    QString text = ReadPdfText(file);
    static const QRegularExpression kBand(
        QStringLiteral("Sheet 1 of 1\\n(?:.*\\n)*?Name\\nDate\\n"));
    text.remove(QStringLiteral("Answer key\n")).remove(kBand);
    const ProblemSet set = ComposeSheet(request.first);
    EXPECT_EQ(text.simplified().toStdString(),
              (ExpectedWritten(set, false) + u' ' + ExpectedWritten(set, true)).toStdString());
}

}  // namespace
}  // namespace tallyworth
