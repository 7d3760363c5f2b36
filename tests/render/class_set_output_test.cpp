#include "render/class_set_output.h"
#include "support/named_cases.h"
#include "support/pdf_reading.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tallyworth {
namespace {

using namespace print_test;
using testing_support::kCaseName;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

// Counts the pages; cancels when asked to at a page.
struct CountingProgress final : SetProgress {
    explicit CountingProgress(int cancelAtPage = -1) : cancelAt(cancelAtPage) {}
    void Start(int pages) override { started = pages; }
    [[nodiscard]] bool Advance(int pagesDone) override {
        advances.push_back(pagesDone);
        return pagesDone != cancelAt;
    }
    int cancelAt;
    int started = 0;
    std::vector<int> advances;
};

// The densest sheets there are: 100 products of two-digit numbers with four-digit answers.
ClassSetRequest DenseSet(int sheets, AnswerKeys keys, bool header = true) {
    return {{{OperationRow::Multiply, 10, 99, 100, false, false}, 0x5EED}, sheets, keys, header};
}

struct PaperCase {
    const char* name;
    QPageSize::PageSizeId paper;
    double margin;  // unprintable margin on every side, inches
    bool header;
};

const std::array kPapers{
    PaperCase{"LetterQuarterInch", QPageSize::Letter, 0.25, true},
    PaperCase{"A4HalfInchNoHeader", QPageSize::A4, 0.5, false},
};

class SetPageTest : public ::testing::TestWithParam<PaperCase> {
  protected:
    const PaperCase& paperCase = GetParam();
    const QSizeF paper = QPageSize(paperCase.paper).size(QPageSize::Inch);
    const QRectF printable =
        QRectF(QPointF(), paper).marginsRemoved(QMarginsF(1, 1, 1, 1) * paperCase.margin);
};

// The band runs across the top; the worksheet fills the rest as far as one side allows,
// never enlarged.
TEST_P(SetPageTest, PutsTheBandOnTopAndTheLargestPageThatFitsBelowIt) {
    const SetPagePlace place = PlaceSetPage(printable.size(), paperCase.header);
    EXPECT_EQ(place.band.isEmpty(), !paperCase.header);
    EXPECT_GE(place.page.top(), place.band.bottom() + (paperCase.header ? 0.1 : 0.0));
    EXPECT_TRUE(QRectF(QPointF(), printable.size()).contains(place.band.united(place.page)));
    const double widest =
        std::max(place.page.right() / printable.width(), place.page.bottom() / printable.height());
    EXPECT_NEAR(widest, 1.0, 1e-9);
    EXPECT_NEAR(place.page.width(), kWorksheetArea.width() * place.pageScale, 1e-9);
    EXPECT_EQ(PlaceSetPage(QSizeF(20, 30), true).pageScale, 1.0);
    EXPECT_EQ(PlaceSetPage(QSizeF(5, 0.7), true).pageScale, 0.0);
}

// Every caption of the band and of the worksheet lies inside the printable area, and none
// covers another: the band's words above its rule, the worksheet's below it.
TEST_P(SetPageTest, KeepsEveryWordInsideThePrintableAreaAndApart) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("set.pdf"));
    {
        QPdfWriter writer(file);
        writer.setPageLayout(QPageLayout(QPageSize(paperCase.paper), QPageLayout::Portrait,
                                         QMarginsF(1, 1, 1, 1) * paperCase.margin,
                                         QPageLayout::Inch));
        writer.setResolution(600);
        QPainter painter(&writer);
        CountingProgress progress;
        ASSERT_TRUE(PaintClassSet(painter, writer,
                                  DenseSet(1, AnswerKeys::AfterEach, paperCase.header), progress)
                        .Succeeded());
    }
    const std::vector<PdfPage> pages = ReadPdf(file);
    ASSERT_EQ(pages.size(), 2U);
    const QRectF inside = printable.adjusted(-0.001, -0.001, 0.001, 0.001);
    constexpr double kSlack = 0.01;
    const std::string code = FormatSheetCode(DenseSet(1, AnswerKeys::None).first).toStdString();
    for (std::size_t pageIndex = 0; pageIndex < pages.size(); ++pageIndex) {
        std::multiset<std::string> band;
        for (const PdfWord& word : pages[pageIndex].words) {
            EXPECT_TRUE(inside.contains(
                QRectF(QPointF(word.left, word.top), QPointF(word.right, word.bottom))))
                << ::testing::PrintToString(word);
            if (paperCase.header && word.bottom < paperCase.margin + 0.65) {  // in the band
                band.insert(word.text);
            }
            for (const PdfWord& other : pages[pageIndex].words) {
                EXPECT_TRUE(&word == &other || word.left + kSlack >= other.right ||
                            other.left + kSlack >= word.right ||
                            word.top + kSlack >= other.bottom || other.top + kSlack >= word.bottom)
                    << word.text << " covers " << other.text;
            }
        }
        // "Sheet 1 of 1", the code, "Answer key" on the key, "Name" and "Date".
        std::multiset<std::string> expected{"Sheet", "1", "of", "1", code, "Name", "Date"};
        if (pageIndex == 1) {
            expected.insert({"Answer", "key"});
        }
        EXPECT_EQ(band, paperCase.header ? expected : std::multiset<std::string>());
        EXPECT_EQ(pages[pageIndex].words.size(), band.size() + (pageIndex == 1 ? 400U : 300U));
    }
}

INSTANTIATE_TEST_SUITE_P(Papers, SetPageTest, ::testing::ValuesIn(kPapers), kCaseName);

TEST(WriteClassSetPdf, WritesEveryPageWithTheSheetsCodesInTheDocumentsKeywords) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("set.pdf"));
    const ClassSetRequest request = DenseSet(3, AnswerKeys::AtEnd);
    CountingProgress progress;
    ASSERT_TRUE(WriteClassSetPdf(request, QPageSize(QPageSize::A4), file, progress).Succeeded());
    EXPECT_EQ(progress.started, 6);
    EXPECT_EQ(progress.advances, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    QStringList codes;
    for (int sheet = 0; sheet < 3; ++sheet) {
        codes << FormatSheetCode(SheetOfSet(request.first, sheet));
    }
    const QString xmp = ReadPdfInfo(file, PdfInfoPart::Xmp);
    EXPECT_TRUE(xmp.contains("<pdf:Keywords>" + codes.join(", ") + "</pdf:Keywords>") &&
                xmp.contains("<rdf:li>" + codes[2] + "</rdf:li>") &&
                xmp.contains(QRegularExpression(
                    "<dc:description>\\s*<rdf:Alt>\\s*<rdf:li[^>]*>[^<]*" + codes[0])))
        << xmp.toStdString();
    EXPECT_TRUE(
        ReadPdfInfo(file, PdfInfoPart::Document)
            .contains(QRegularExpression("Title: +Tallyworth class set\\n(.*\\n)*Pages: "
                                         "+6\\n(.*\\n)*Page size: +595 x 842 pts \\(A4\\)")));
}

struct OutcomeCase {
    const char* name;
    const char* file;  // under a fresh folder
    int sheets;
    int cancelAt;
    OutcomeKind kind;
    const char* message;  // how it starts; one ending in a quote goes on with the file's name
};

// clang-format off
const std::array kOutcomes{
    OutcomeCase{"Cancel", "set.pdf", 3, 2, OutcomeKind::Cancelled, ""},
    OutcomeCase{"MissingFolder", "missing/set.pdf", 2, -1, OutcomeKind::Failed, "Could not save \""},
    OutcomeCase{"NoFileName", "", 2, -1, OutcomeKind::Failed, "Could not save the PDF: no file name was given."},
    OutcomeCase{"NoSheets", "set.pdf", 0, -1, OutcomeKind::Failed, "A class set has 1 to 500 sheets of settings that make a worksheet."},
};
// clang-format on

class WriteOutcomeTest : public ::testing::TestWithParam<OutcomeCase> {};

// A set not written whole leaves nothing behind; a cancel says nothing.
TEST_P(WriteOutcomeTest, SaysWhyAndLeavesNothingBehind) {
    const OutcomeCase& outcome = GetParam();
    QTemporaryDir folder;
    CountingProgress progress(outcome.cancelAt);
    const QString file = *outcome.file == '\0' ? QString() : folder.filePath(outcome.file);
    const PrintOutcome written = WriteClassSetPdf(DenseSet(outcome.sheets, AnswerKeys::AfterEach),
                                                  QPageSize(QPageSize::Letter), file, progress);
    EXPECT_EQ(written.kind, outcome.kind);
    EXPECT_TRUE(written.message.toStdString().starts_with(outcome.message) &&
                (!QString(outcome.message).endsWith(u'"') ||
                 written.message.contains(QFileInfo(file).fileName())))
        << written.message.toStdString();
    EXPECT_EQ(written.message.isEmpty(), outcome.kind == OutcomeKind::Cancelled);
    EXPECT_TRUE(
        QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

INSTANTIATE_TEST_SUITE_P(Outcomes, WriteOutcomeTest, ::testing::ValuesIn(kOutcomes), kCaseName);

struct PaperLocaleCase {
    const char* name;
    std::map<std::string, const char*> variables;  // the others unset
    QPageSize::PageSizeId paper;
};

const std::array kPaperLocales{
    PaperLocaleCase{"Mexico", {{"LANG", "es_MX.UTF-8"}}, QPageSize::Letter},
    PaperLocaleCase{"Philippines", {{"LANG", "en_PH"}}, QPageSize::Letter},
    PaperLocaleCase{"Germany", {{"LANG", "de_DE.UTF-8"}}, QPageSize::A4},
    PaperLocaleCase{"PaperBeforeLanguage",
                    {{"LC_PAPER", "en_US.UTF-8"}, {"LANG", "de_DE.UTF-8"}},
                    QPageSize::Letter},
    PaperLocaleCase{
        "AllBeforePaper", {{"LC_ALL", "nl_NL.UTF-8"}, {"LC_PAPER", "en_US.UTF-8"}}, QPageSize::A4},
};

class SystemPaperTest : public ::testing::TestWithParam<PaperLocaleCase> {
  protected:
    void TearDown() override {
        for (const auto& [variable, value] : saved) {
            value.isNull() ? qunsetenv(variable.c_str()) : qputenv(variable.c_str(), value);
        }
    }
    std::map<std::string, QByteArray> saved{{"LC_ALL", qgetenv("LC_ALL")},
                                            {"LC_PAPER", qgetenv("LC_PAPER")},
                                            {"LANG", qgetenv("LANG")}};
};

TEST_P(SystemPaperTest, FollowsTheCountryOfTheFirstLocaleVariableSet) {
    for (const auto& [variable, value] : saved) {
        const auto set = GetParam().variables.find(variable);
        set == GetParam().variables.end() ? qunsetenv(variable.c_str())
                                          : qputenv(variable.c_str(), set->second);
    }
    EXPECT_EQ(SystemPaper().id(), GetParam().paper);
}

INSTANTIATE_TEST_SUITE_P(Locales, SystemPaperTest, ::testing::ValuesIn(kPaperLocales), kCaseName);

}  // namespace
}  // namespace tallyworth
