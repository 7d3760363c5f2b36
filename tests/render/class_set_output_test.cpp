#include "render/class_set_output.h"
#include "page_model/sheet_page.h"
#include "render/page_painter.h"
#include "support/pdf_reading.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <array>
#include <string>
#include <vector>

namespace tallyworth {
namespace {

using print_test::PdfInfoPart;
using print_test::PdfPage;
using print_test::PdfWord;
using print_test::ReadPdf;
using print_test::ReadPdfInfo;

constexpr double kBandBottom = 0.65;  // inches below the printable area's top

// Counts the pages; cancels when asked to at a page.
class CountingProgress final : public SetProgress {
  public:
    explicit CountingProgress(int cancelAt = -1) : cancelAt_(cancelAt) {}
    void Start(int pages) override { started = pages; }
    [[nodiscard]] bool Advance(int pagesDone) override {
        advances.push_back(pagesDone);
        return pagesDone != cancelAt_;
    }
    int started = 0;
    std::vector<int> advances;

  private:
    int cancelAt_;
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
    PaperCase{"LetterHalfInch", QPageSize::Letter, 0.5, true},
    PaperCase{"A4QuarterInch", QPageSize::A4, 0.25, true},
    PaperCase{"A4HalfInch", QPageSize::A4, 0.5, true},
    PaperCase{"LetterHalfInchNoHeader", QPageSize::Letter, 0.5, false},
    PaperCase{"A4QuarterInchNoHeader", QPageSize::A4, 0.25, false},
};

QSizeF PaperInches(const PaperCase& paperCase) {
    return QPageSize(paperCase.paper).size(QPageSize::Inch);
}

class PlaceSetPageTest : public ::testing::TestWithParam<PaperCase> {};

// The band runs across the top; the worksheet fills the rest as far as one side allows,
// never enlarged.
TEST_P(PlaceSetPageTest, PutsTheBandOnTopAndTheLargestPageThatFitsBelowIt) {
    const PaperCase& paperCase = GetParam();
    const QSizeF printable = PaperInches(paperCase) - QSizeF(2, 2) * paperCase.margin;
    const SetPagePlace place = PlaceSetPage(printable, paperCase.header);
    EXPECT_EQ(place.band.isEmpty(), !paperCase.header);
    EXPECT_GE(place.page.top(), place.band.bottom() + (paperCase.header ? 0.1 : 0.0));
    EXPECT_TRUE(QRectF(QPointF(), printable).contains(place.band.united(place.page)));
    EXPECT_GT(place.pageScale, 0.85);
    EXPECT_LE(place.pageScale, 1.0);
    const double widest =
        std::max(place.page.right() / printable.width(), place.page.bottom() / printable.height());
    EXPECT_TRUE(place.pageScale == 1.0 || std::abs(widest - 1.0) < 1e-9) << widest;
    EXPECT_NEAR(place.page.width(), kWorksheetArea.width() * place.pageScale, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Papers, PlaceSetPageTest, ::testing::ValuesIn(kPapers),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(PlaceSetPage, NeverEnlargesTheWorksheetAndLeavesNoRoomForNothing) {
    EXPECT_EQ(PlaceSetPage(QSizeF(20, 30), true).pageScale, 1.0);
    EXPECT_EQ(PlaceSetPage(QSizeF(5, 0.7), true).pageScale, 0.0);
}

// Where the worksheet draws, in page inches, at 20 dots an inch with a border of an inch
// around the page.
QRectF InkOf(const PageControls& page) {
    constexpr double kDpi = 20;
    QImage image(static_cast<int>(10.5 * kDpi), static_cast<int>(13 * kDpi), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(kDpi, kDpi);
    PaintPage(painter, page, kDpi);
    painter.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ink |= qGray(image.pixel(x, y)) < 250 ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return {ink.left() / kDpi - 1, ink.top() / kDpi - 1, ink.width() / kDpi, ink.height() / kDpi};
}

struct WideSheetCase {
    const char* name;
    SheetCode code;
    int pageNo;
};

const std::array kWideSheets{
    WideSheetCase{"Products", {{OperationRow::Multiply, 10, 99, 100, false, false}, 1}, 1},
    WideSheetCase{"DivisionSign", {{OperationRow::Divide, 1, 99, 100, false, false}, 4}, 2},
    WideSheetCase{"DivisionBracket", {{OperationRow::Divide, 1, 99, 100, false, true}, 5}, 1},
};

class WorksheetAreaTest : public ::testing::TestWithParam<WideSheetCase> {};

TEST_P(WorksheetAreaTest, HoldsAllAWorksheetDrawsWithItsSolutions) {
    const SheetPage made = MakeSheetPage(GetParam().code, GetParam().pageNo, true);
    ASSERT_TRUE(made.ok);
    const QRectF ink = InkOf(made.page);
    EXPECT_TRUE(kWorksheetArea.contains(ink))
        << ink.left() << ", " << ink.top() << " to " << ink.right() << ", " << ink.bottom();
}

INSTANTIATE_TEST_SUITE_P(Sheets, WorksheetAreaTest, ::testing::ValuesIn(kWideSheets),
                         [](const auto& param) { return std::string(param.param.name); });

// Paints the set on a PDF of that paper and margin and reads it back.
std::vector<PdfPage> PaintedSet(const ClassSetRequest& request, const PaperCase& paperCase) {
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
        const PrintOutcome painted = PaintClassSet(painter, writer, request, progress);
        EXPECT_TRUE(painted.Succeeded()) << painted.message.toStdString();
    }
    return ReadPdf(file);
}

bool Overlap(const PdfWord& one, const PdfWord& other) {
    constexpr double kSlack = 0.01;
    return one.left + kSlack < other.right && other.left + kSlack < one.right &&
           one.top + kSlack < other.bottom && other.top + kSlack < one.bottom;
}

// The words in alphabetical order, whatever order the PDF reader finds them in.
std::string Texts(const std::vector<PdfWord>& words) {
    std::vector<std::string> texts;
    texts.reserve(words.size());
    for (const PdfWord& word : words) {
        texts.push_back(word.text);
    }
    std::sort(texts.begin(), texts.end());
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : " ") + text;
    }
    return joined;
}

class SetPageFitTest : public ::testing::TestWithParam<PaperCase> {};

// Every caption of the band and of the worksheet lies inside the printable area, and none
// covers another: the band's words above its rule, the worksheet's below it.
TEST_P(SetPageFitTest, KeepsEveryWordInsideThePrintableAreaAndApart) {
    const PaperCase& paperCase = GetParam();
    const std::vector<PdfPage> pages =
        PaintedSet(DenseSet(1, AnswerKeys::AfterEach, paperCase.header), paperCase);
    ASSERT_EQ(pages.size(), 2U);
    const QSizeF paper = PaperInches(paperCase);
    const double margin = paperCase.margin;
    constexpr double kRounding = 0.001;
    const QRectF printable =
        QRectF(margin, margin, paper.width() - 2 * margin, paper.height() - 2 * margin)
            .adjusted(-kRounding, -kRounding, kRounding, kRounding);
    const std::string code = FormatSheetCode(DenseSet(1, AnswerKeys::None).first).toStdString();
    for (std::size_t pageIndex = 0; pageIndex < pages.size(); ++pageIndex) {
        const PdfPage& page = pages[pageIndex];
        EXPECT_NEAR(page.width, paper.width(), 0.01);
        std::vector<PdfWord> band;
        for (const PdfWord& word : page.words) {
            EXPECT_TRUE(printable.contains(
                QRectF(QPointF(word.left, word.top), QPointF(word.right, word.bottom))))
                << word.text << " at " << word.left << ", " << word.top << " to " << word.right
                << ", " << word.bottom;
            if (paperCase.header && word.bottom < margin + kBandBottom) {
                band.push_back(word);
            }
            for (const PdfWord& other : page.words) {
                EXPECT_TRUE(&word == &other || !Overlap(word, other))
                    << word.text << " covers " << other.text;
            }
        }
        // "Sheet 1 of 1", the code, "Answer key" on the key, "Name" and "Date", sorted.
        const std::string expected = pageIndex == 1
                                         ? "1 1 " + code + " Answer Date Name Sheet key of"
                                         : "1 1 " + code + " Date Name Sheet of";
        EXPECT_EQ(Texts(band), paperCase.header ? expected : std::string());
        EXPECT_EQ(page.words.size(), band.size() + (pageIndex == 1 ? 400U : 300U));
    }
}

INSTANTIATE_TEST_SUITE_P(Papers, SetPageFitTest,
                         ::testing::Values(kPapers[0], kPapers[3], kPapers[4]),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(WriteClassSetPdf, WritesEveryPageWithTheSheetsCodesInTheDocumentsKeywords) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("set.pdf"));
    const ClassSetRequest request = DenseSet(3, AnswerKeys::AtEnd);
    CountingProgress progress;
    const PrintOutcome written =
        WriteClassSetPdf(request, QPageSize(QPageSize::A4), file, progress);
    ASSERT_TRUE(written.Succeeded()) << written.message.toStdString();
    EXPECT_EQ(progress.started, 6);
    EXPECT_EQ(progress.advances, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    QStringList codes;
    for (int sheet = 0; sheet < 3; ++sheet) {
        codes << FormatSheetCode(SheetOfSet(request.first, sheet));
    }
    const QString xmp = ReadPdfInfo(file, PdfInfoPart::Xmp);
    EXPECT_TRUE(xmp.contains("<pdf:Keywords>" + codes.join(", ") + "</pdf:Keywords>"))
        << xmp.toStdString();
    for (const QString& code : codes) {
        EXPECT_TRUE(xmp.contains("<rdf:li>" + code + "</rdf:li>")) << xmp.toStdString();
    }
    EXPECT_TRUE(xmp.contains(
        QRegularExpression("<dc:description>\\s*<rdf:Alt>\\s*<rdf:li[^>]*>[^<]*" + codes[0])))
        << xmp.toStdString();
    const QString info = ReadPdfInfo(file, PdfInfoPart::Document);
    EXPECT_TRUE(info.contains(QRegularExpression("Title: +Tallyworth class set\\n")))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Pages: +6\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page size: +595 x 842 pts \\(A4\\)")))
        << info.toStdString();
}

bool IsEmpty(const QTemporaryDir& folder) {
    return QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

TEST(WriteClassSetPdf, ACancelWritesNothingAndSaysNothing) {
    QTemporaryDir folder;
    CountingProgress progress(2);
    const PrintOutcome written =
        WriteClassSetPdf(DenseSet(3, AnswerKeys::AfterEach), QPageSize(QPageSize::Letter),
                         folder.filePath(QStringLiteral("set.pdf")), progress);
    EXPECT_EQ(written.kind, OutcomeKind::Cancelled);
    EXPECT_EQ(written.message.toStdString(), "");
    EXPECT_EQ(progress.advances, (std::vector<int>{1, 2}));
    EXPECT_TRUE(IsEmpty(folder));
}

struct FailureCase {
    const char* name;
    const char* file;  // under a fresh folder
    int sheets;
    const char* message;
    bool namesTheFile;
};

const std::array kFailures{
    FailureCase{"MissingFolder", "missing/set.pdf", 2, "Could not save \"", true},
    FailureCase{"NoFileName", "", 2, "Could not save the PDF: no file name was given.", false},
    FailureCase{"NoSheets", "set.pdf", 0,
                "A class set has 1 to 500 sheets of settings that make a worksheet.", false},
};

class WriteFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(WriteFailureTest, SaysWhyAndLeavesNothingBehind) {
    const FailureCase& failure = GetParam();
    QTemporaryDir folder;
    CountingProgress progress;
    const QString file = *failure.file == '\0' ? QString() : folder.filePath(failure.file);
    const PrintOutcome written = WriteClassSetPdf(DenseSet(failure.sheets, AnswerKeys::None),
                                                  QPageSize(QPageSize::Letter), file, progress);
    EXPECT_FALSE(written.Succeeded());
    EXPECT_TRUE(written.message.startsWith(failure.message) &&
                (!failure.namesTheFile || written.message.contains(QFileInfo(file).fileName())))
        << written.message.toStdString();
    EXPECT_TRUE(IsEmpty(folder));
}

INSTANTIATE_TEST_SUITE_P(Failures, WriteFailureTest, ::testing::ValuesIn(kFailures),
                         [](const auto& param) { return std::string(param.param.name); });

struct PaperLocaleCase {
    const char* name;
    const char* lcAll;
    const char* lcPaper;
    const char* lang;
    QPageSize::PageSizeId paper;
};

const std::array kPaperLocales{
    PaperLocaleCase{"Mexico", "", "", "es_MX.UTF-8", QPageSize::Letter},
    PaperLocaleCase{"Philippines", "", "", "en_PH", QPageSize::Letter},
    PaperLocaleCase{"Germany", "", "", "de_DE.UTF-8", QPageSize::A4},
    PaperLocaleCase{"ModifierAfterTheCountry", "", "", "es_CO@latin", QPageSize::Letter},
    PaperLocaleCase{"PaperBeforeLanguage", "", "en_US.UTF-8", "de_DE.UTF-8", QPageSize::Letter},
    PaperLocaleCase{"AllBeforePaper", "nl_NL.UTF-8", "en_US.UTF-8", "", QPageSize::A4},
    PaperLocaleCase{"Posix", "", "", "C", QPageSize::A4},
};

class SystemPaperTest : public ::testing::TestWithParam<PaperLocaleCase> {
  protected:
    void TearDown() override {
        for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
            saved_[variable].isNull() ? qunsetenv(variable) : qputenv(variable, saved_[variable]);
        }
    }
    void Set(const char* variable, const char* value) {
        saved_[variable] = qgetenv(variable);
        *value == '\0' ? qunsetenv(variable) : qputenv(variable, value);
    }

  private:
    std::map<std::string, QByteArray> saved_;
};

TEST_P(SystemPaperTest, FollowsTheCountryOfTheFirstLocaleVariableSet) {
    Set("LC_ALL", GetParam().lcAll);
    Set("LC_PAPER", GetParam().lcPaper);
    Set("LANG", GetParam().lang);
    EXPECT_EQ(SystemPaper().id(), GetParam().paper);
}

INSTANTIATE_TEST_SUITE_P(Locales, SystemPaperTest, ::testing::ValuesIn(kPaperLocales),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tallyworth
