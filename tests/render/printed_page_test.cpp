#include "core/sheet_composer.h"
#include "render/class_set_output.h"
#include "support/named_cases.h"
#include "support/pdf_reading.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

namespace tallyworth {
namespace {

using print_test::PdfPage;
using print_test::PdfWord;
using print_test::ReadPdf;
using print_test::ReadPdfText;
using testing_support::kCaseName;
using namespace Qt::StringLiterals;

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

::testing::AssertionResult WritePdf(const ClassSetRequest& request, const QPageSize& paper,
                                    const QString& file) {
    class : public SetProgress {
        void Start(int /*pages*/) override {}
        bool Advance(int /*pagesDone*/) override { return true; }
    } progress;
    const PrintOutcome outcome = WriteClassSetPdf(request, paper, file, progress);
    if (outcome.Succeeded()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << outcome.message.toStdString();
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

// A written problem reads as words, its digits drawn, not read: "12 + 345 + 6789 =".
QString ExpectedSheet(const ProblemSet& set) {
    QStringList problems;
    for (const Problem& problem : set.problems) {
        QStringList numbers;
        for (const int number : NumbersOf(problem)) {
            numbers << QString::number(number);
        }
        const QString signs[] = {u"+"_s, u"\u2212"_s, u"\u00D7"_s, u"\u00F7"_s};
        problems << numbers.join(u' ' + signs[RowNumber(problem.operation) - 1] + u' ') + u" ="_s;
    }
    return problems.join(u' ');
}

int Digit(const std::string& digits, std::size_t fromRight) {
    return fromRight < digits.size() ? digits[digits.size() - 1 - fromRight] - '0' : 0;
}

// The working a pupil writes, worked here on the digits as strings: each column's sum with
// the carry first, each column's subtraction after borrowing, each partial product and
// their sum, each step's subtraction of a long division.
QStringList PupilsWorking(OperationRow operation, const std::vector<int>& numbers) {
    std::vector<std::string> digits;
    for (const int number : numbers) {
        digits.push_back(std::to_string(number));
    }
    QStringList steps;
    const auto text = [](auto value) { return QString::number(value); };
    if (operation == OperationRow::Add) {
        int carry = 0;
        std::size_t widest = 0;
        for (const std::string& number : digits) {
            widest = std::max(widest, number.size());
        }
        for (std::size_t column = 0; column < widest; ++column) {
            QStringList terms;
            int sum = carry;
            if (carry > 0) {
                terms << text(carry);
            }
            for (const std::string& number : digits) {
                if (column < number.size()) {
                    terms << text(Digit(number, column));
                    sum += Digit(number, column);
                }
            }
            steps << terms.join(u'+') + u'=' + text(sum);
            carry = sum / 10;
        }
    } else if (operation == OperationRow::Subtract) {
        int owed = 0;
        for (std::size_t column = 0; column < digits[0].size(); ++column) {
            int top = Digit(digits[0], column) - owed;
            const int bottom = Digit(digits[1], column);
            owed = top < bottom ? 1 : 0;
            top += owed * 10;
            steps << text(top) + u'\u2212' + text(bottom) + u'=' + text(top - bottom);
        }
    } else if (operation == OperationRow::Multiply) {
        QStringList partials;
        for (std::size_t place = 0, worth = 1; place < digits[1].size(); ++place, worth *= 10) {
            const int times = Digit(digits[1], place) * static_cast<int>(worth);
            steps << text(numbers[0]) + u'\u00D7' + text(times) + u'=' + text(numbers[0] * times);
            partials << text(numbers[0] * times);
        }
        if (partials.size() > 1) {
            steps << partials.join(u'+') + u'=' + text(numbers[0] * numbers[1]);
        }
    } else {
        int partial = 0;
        bool begun = false;
        for (std::size_t index = 0; index < digits[0].size(); ++index) {
            partial = partial * 10 + (digits[0][index] - '0');
            begun = begun || partial >= numbers[1] || index + 1 == digits[0].size();
            if (begun) {
                const int taken = partial / numbers[1] * numbers[1];
                steps << text(partial) + u'\u2212' + text(taken) + u'=' + text(partial - taken);
                partial -= taken;
            }
        }
    }
    return steps;
}

struct MethodPrint {
    const char* name;
    WrittenMethod method;
    PrintSize size;
};

const MethodPrint kMethodPrints[] = {
    {"American", WrittenMethod::American, PrintSize::Normal},
    {"EnglishLarge", WrittenMethod::English, PrintSize::Large},
    {"GermanExtraLarge", WrittenMethod::German, PrintSize::ExtraLarge},
    {"French", WrittenMethod::French, PrintSize::Normal},
    {"SpanishLarge", WrittenMethod::Spanish, PrintSize::Large},
    {"MexicanExtraLarge", WrittenMethod::Mexican, PrintSize::ExtraLarge},
    {"DutchLarge", WrittenMethod::Dutch, PrintSize::Large},
};

class WrittenKeyTest : public ::testing::TestWithParam<MethodPrint> {};

// A key with the working, read back from its PDF: every answer and every step of every
// problem agrees with a pupil's own working, for each method and print size.
TEST_P(WrittenKeyTest, ReadsBackEveryAnswerAndStepAsAPupilWorksThem) {
    PageOptions options;
    options.keyWorking = true;
    options.method = GetParam().method;
    options.size = GetParam().size;
    std::vector<SheetSection> sections;
    for (const OperationRow operation : {OperationRow::Add, OperationRow::Subtract,
                                         OperationRow::Multiply, OperationRow::Divide}) {
        sections.push_back(WrittenSection(operation, 3));
    }
    sections[2].first = {100, 9'999};
    sections[2].second = {2, 99};
    sections[3].second = {2, 99};
    const SheetSettings settings = SettingsOfSections(sections, false, options);
    const ClassSetRequest request{FairSheetCode(settings, 0x2A), 1, AnswerKeys::AtEnd, true};
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("sheet.pdf"));
    ASSERT_TRUE(WritePdf(request, QPageSize(QPageSize::Letter), file));
    const QString text = ReadPdfText(file).simplified();
    const ProblemSet set = ComposeSheet(request.first);
    qsizetype from = 0;
    for (const Problem& problem : set.problems) {  // the sheet's problems, in order
        from = text.indexOf(ExpectedSheet({{problem}}) + u' ', from);
        ASSERT_GE(from, 0) << ExpectedSheet({{problem}}).toStdString() << " in "
                           << text.toStdString();
    }
    static const QRegularExpression kKeyed(QStringLiteral(
        "(\\d+(?: [+\u2212\u00D7\u00F7] \\d+)+) = (\\d+)(?: r (\\d+))? \\(([^)]*)\\)"));
    std::size_t read = 0;
    for (auto match = kKeyed.globalMatch(text); match.hasNext(); ++read) {
        const QRegularExpressionMatch keyed = match.next();
        ASSERT_LT(read, set.problems.size());
        const Problem& problem = set.problems[read];
        const std::vector<int> numbers = NumbersOf(problem);
        EXPECT_EQ(keyed.captured(1) + u" ="_s, ExpectedSheet({{problem}}));
        const auto [quotient, left] = std::div(numbers[0], numbers[1]);
        const int answers[] = {numbers[0] + numbers[1] + problem.more[0], numbers[0] - numbers[1],
                               numbers[0] * numbers[1], quotient};
        EXPECT_EQ(keyed.captured(2).toInt(), answers[RowNumber(problem.operation) - 1]);
        if (problem.operation == OperationRow::Divide) {
            EXPECT_EQ(keyed.captured(3).toInt(), left);
        }
        EXPECT_EQ(keyed.captured(4).split(u", "_s), PupilsWorking(problem.operation, numbers))
            << keyed.captured(0).toStdString();
    }
    EXPECT_EQ(read, set.problems.size());
}

INSTANTIATE_TEST_SUITE_P(Methods, WrittenKeyTest, ::testing::ValuesIn(kMethodPrints), kCaseName);

}  // namespace
}  // namespace tallyworth
