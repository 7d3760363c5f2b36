#include "render/class_set_output.h"
#include "core/sheet_composer.h"
#include "page_model/flowing_layout.h"
#include "page_model/page_controls.h"
#include "render/page_painter.h"
#include "render/pdf_language.h"
#include "render/pdf_output.h"
#include "render/qr_code.h"
#include "support/named_cases.h"
#include "support/pdf_reading.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
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
    const QRectF printable = QRectF(QPointF(), QPageSize(paperCase.paper).size(QPageSize::Inch))
                                 .marginsRemoved(QMarginsF(1, 1, 1, 1) * paperCase.margin);
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
        std::string band;
        for (const PdfWord& word : pages[pageIndex].words) {
            EXPECT_TRUE(inside.contains(
                QRectF(QPointF(word.left, word.top), QPointF(word.right, word.bottom))))
                << ::testing::PrintToString(word);
            if (paperCase.header && word.bottom < paperCase.margin + 0.65) {  // in the band
                band += word.text + " ";
            }
            for (const PdfWord& other : pages[pageIndex].words) {
                EXPECT_TRUE(&word == &other || word.left + kSlack >= other.right ||
                            other.left + kSlack >= word.right ||
                            word.top + kSlack >= other.bottom || other.top + kSlack >= word.bottom)
                    << word.text << " covers " << other.text;
            }
        }
        // "Sheet 1 of 1", the code, "Answer key" on the key, "Name" and "Date".
        const std::size_t bandWords = paperCase.header ? (pageIndex == 1 ? 9U : 7U) : 0U;
        EXPECT_TRUE(!paperCase.header || band.find(code) != std::string::npos) << band;
        // Each problem "12 × 3 =", and its solution on the key.
        EXPECT_EQ(pages[pageIndex].words.size(), bandWords + (pageIndex == 1 ? 500U : 400U));
    }
}

INSTANTIATE_TEST_SUITE_P(Papers, SetPageTest, ::testing::ValuesIn(kPapers), kCaseName);

struct QrCase {
    const char* name;
    QPageSize::PageSizeId paper;
    PrintSize size;
    const char* publicUrl;  // "" for none
};

// clang-format off
const std::array kQrCases{
    QrCase{"LetterNormal", QPageSize::Letter, PrintSize::Normal, "https://school.example/worksheets/"},
    QrCase{"LetterLarge", QPageSize::Letter, PrintSize::Large, "https://school.example/worksheets/"},
    QrCase{"LetterExtraLarge", QPageSize::Letter, PrintSize::ExtraLarge, "http://10.0.0.2:8470/"},
    QrCase{"A4Normal", QPageSize::A4, PrintSize::Normal, "https://school.example/worksheets/"},
    QrCase{"A4Large", QPageSize::A4, PrintSize::Large, "http://10.0.0.2:8470/"},
    QrCase{"A4ExtraLarge", QPageSize::A4, PrintSize::ExtraLarge, "https://school.example/worksheets/"},
    QrCase{"LetterWithoutAnAddress", QPageSize::Letter, PrintSize::Normal, ""},
};
// clang-format on

class PracticeQrTest : public ::testing::TestWithParam<QrCase> {};

// Each sheet's page carries, inside its band and so clear of the problems and inside the
// printable area, a QR code that reads as the sheet's practice link, of modules of half a
// millimetre at least; a key carries none, and nor does a set without a public address.
TEST_P(PracticeQrTest, ReadsAsItsSheetsPracticeLinkInsideTheBand) {
    const QrCase& qr = GetParam();
    ClassSetRequest request = DenseSet(2, AnswerKeys::AfterEach);
    request.first.settings.count = 20;
    request.first.settings.page.size = qr.size;
    request.publicUrl = QString::fromLatin1(qr.publicUrl);
    QTemporaryDir folder;
    const QString file = folder.filePath("set.pdf");
    CountingProgress progress;
    ASSERT_TRUE(WriteClassSetPdf(request, QPageSize(qr.paper), file, progress).Succeeded());
    const QSizeF printable = QPageSize(qr.paper).size(QPageSize::Inch) - QSizeF(1, 1);
    const double side = QrSideOf(request);
    const QRectF band = PlaceSetPage(printable, true, side).band.translated(0.5, 0.5);
    QStringList links;
    for (const SetPage& page : ClassSetPages(request, progress.started / 4)) {
        links << (page.answerKey || request.publicUrl.isEmpty()
                      ? QString()
                      : request.publicUrl +
                            "practice?code=" + ReportedCode(request, page.sheetIndex));
    }
    QStringList read;
    for (int page = 1; page <= progress.started; ++page) {
        read << ReadQrCodes(file, page, band);
    }
    EXPECT_EQ(read.join('\n').toStdString(), links.join('\n').toStdString());
    if (!request.publicUrl.isEmpty()) {
        constexpr double kModule = 0.5 / 25.4;
        EXPECT_GE(side / (EncodeQrCode(links.front()).size + 2 * kQrQuietModules), kModule - 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(PapersAndSizes, PracticeQrTest, ::testing::ValuesIn(kQrCases), kCaseName);

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
    EXPECT_TRUE(xmp.contains("<pdf:Keywords>" + codes.join(", ") + "</pdf:Keywords>"))
        << xmp.toStdString();
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
    std::array<const char*, 3> values;  // LC_ALL, LC_PAPER, LANG; nullptr: unset
    QPageSize::PageSizeId paper;
};

const std::array kPaperLocales{
    PaperLocaleCase{"Mexico", {nullptr, nullptr, "es_MX.UTF-8"}, QPageSize::Letter},
    PaperLocaleCase{
        "PaperBeforeLanguage", {nullptr, "en_US.UTF-8", "de_DE.UTF-8"}, QPageSize::Letter},
    PaperLocaleCase{"AllBeforePaper", {"nl_NL.UTF-8", "en_US.UTF-8", nullptr}, QPageSize::A4},
};

constexpr std::array kLocaleVariables{"LC_ALL", "LC_PAPER", "LANG"};

class SystemPaperTest : public ::testing::TestWithParam<PaperLocaleCase> {
  protected:
    static void Put(std::size_t i, const QByteArray& value) {
        value.isNull() ? qunsetenv(kLocaleVariables[i]) : qputenv(kLocaleVariables[i], value);
    }
    void TearDown() override {
        for (std::size_t i = 0; i < saved.size(); ++i) {
            Put(i, saved[i]);
        }
    }
    std::array<QByteArray, 3> saved{qgetenv("LC_ALL"), qgetenv("LC_PAPER"), qgetenv("LANG")};
};

// Save as PDF writes on that paper too.
TEST_P(SystemPaperTest, FollowsTheCountryOfTheFirstLocaleVariableSet) {
    for (std::size_t i = 0; i < saved.size(); ++i) {
        Put(i, GetParam().values[i]);
    }
    EXPECT_EQ(SystemPaper().id(), GetParam().paper);
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("sheet.pdf"));
    ASSERT_TRUE(SavePagesAsPdf([](const QRectF&) { return std::vector<PrintedPage>(1); }, file)
                    .Succeeded());
    const QString size = u'(' + QPageSize(GetParam().paper).key() + u')';  // "(A4)", "(letter)"
    EXPECT_TRUE(ReadPdfInfo(file, PdfInfoPart::Document).contains(size, Qt::CaseInsensitive));
}

INSTANTIATE_TEST_SUITE_P(Locales, SystemPaperTest, ::testing::ValuesIn(kPaperLocales), kCaseName);

// Translated titles hold letters beyond ASCII and may hold the characters XML reserves.
TEST(SavePagesAsPdf, TitlesThePageWithItsCodeIntactInBothMetadata) {
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("sheet.pdf"));
    ASSERT_TRUE(SavePagesAsPdf([](const QRectF&) { return std::vector<PrintedPage>(1); }, file,
                               QStringLiteral("Ü<A & B>"))
                    .Succeeded());
    EXPECT_TRUE(ReadPdfInfo(file, PdfInfoPart::Document)
                    .contains(QStringLiteral("Title:           Tallyworth worksheet Ü<A & B>\n")));
    const QString xmp = ReadPdfInfo(file, PdfInfoPart::Xmp);
    EXPECT_TRUE(xmp.contains(QStringLiteral("<pdf:Keywords>Ü&lt;A &amp; B&gt;</pdf:Keywords>")))
        << xmp.toStdString();
}

struct TaggingCase {
    const char* name;
    qsizetype leftOut;  // bytes of the writer's PDF left out at its end
    bool tagged;
};

const std::array kTaggings{
    TaggingCase{"CatalogueFarPastLongMetadata", 0, true},
    TaggingCase{"WithoutItsTrailer", 40, false},
};

class LanguageTaggingTest : public ::testing::TestWithParam<TaggingCase> {};

// The writer puts its catalogue after the metadata, which a large set's codes make long: the
// language goes into the catalogue the trailer names, however far it is, the PDF coming in
// pieces; a PDF without its end gets no update and says so.
TEST_P(LanguageTaggingTest, TagsTheCatalogueTheTrailerNames) {
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&written);
        writer.setDocumentXmpMetadata("<x>" + QByteArray(100000, ' ') + "</x>");
        QPainter painter(&writer);
    }
    const QByteArray pdf = written.data().chopped(GetParam().leftOut);
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("tagged.pdf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    LanguageTaggedPdf tagged(file, QStringLiteral("de"));
    constexpr qsizetype kPiece = 1000;
    for (qsizetype at = 0; at < pdf.size(); at += kPiece) {
        ASSERT_EQ(tagged.write(pdf.mid(at, kPiece)), std::min(kPiece, pdf.size() - at));
    }
    EXPECT_EQ(tagged.Finish(), GetParam().tagged);
    file.close();
    EXPECT_EQ(ReadPdfLanguage(file.fileName()), GetParam().tagged ? "(de)" : "null");
}

INSTANTIATE_TEST_SUITE_P(Pdfs, LanguageTaggingTest, ::testing::ValuesIn(kTaggings), kCaseName);

int Pixels(double inches, double dpi) {
    return static_cast<int>(inches * dpi);
}

QImage PaintedPage(const PrintedPage& page, double dpi) {
    QImage image(Pixels(kPageWidthInches, dpi), Pixels(kPageHeightInches, dpi),
                 QImage::Format_RGB32);
    image.fill(Qt::red);  // counts as ink, so whatever the painter leaves unwhitened shows
    QPainter painter(&image);
    PaintPage(painter, page, dpi);
    return image;
}

bool IsInk(QRgb pixel) {
    return qGray(pixel) < 160;
}

// The smallest rectangle holding every pixel of the area that matches.
QRect Bounds(const QImage& image, const QRect& area, bool (*matches)(QRgb)) {
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            bounds |= matches(image.pixel(x, y)) ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return bounds;
}

struct ResolutionCase {
    const char* name;
    double dpi;
};

const std::array kResolutions{ResolutionCase{"Screen", 96}, ResolutionCase{"Printer", 300}};

// A page of strokes: an answer line, a dot of the division sign, the equals sign's bars (the
// lower one red) and the slant of a seven, each drawn at the given resolution.
class StrokePaintingTest : public ::testing::TestWithParam<ResolutionCase> {
  protected:
    StrokePaintingTest() {
        PrintedPage page;
        page.lines = lines;
        image = PaintedPage(page, dpi);
    }
    const double dpi = GetParam().dpi;
    // An answer line, a dot, the equals sign's bars (the lower one red) and a slant.
    const std::vector<PageLine> lines{{1.0F, 1.0F, 2.0F, 1.0F, 2, kBlack, true},
                                      {1.0F, 2.0F, 1.03F, 2.0F, 3, kBlack, true},
                                      {1.0F, 3.0F, 2.0F, 3.0F, 1, kBlack, true},
                                      {1.0F, 4.0F, 2.0F, 4.0F, 2, 0xFF0000, true},
                                      {3.0F, 1.48F, 3.15F, 1.25F, 1, kBlack, true}};
    QImage image;
};

// Widths are pixels of 1/96 inch at any resolution; colours hold red in the lowest byte; the
// slant runs from corner to corner; the page is white where nothing is drawn.
TEST_P(StrokePaintingTest, StrokesStandOnTheirInchesAtAPhysicalWidthInTheirColour) {
    for (const PageLine& line : std::span(lines).first(4)) {
        const int x = Pixels((line.x1 + line.x2) / 2.0, dpi);
        const QRect ink = Bounds(
            image,
            QRect(QPoint(x, Pixels(line.y1 - 0.2, dpi)), QPoint(x, Pixels(line.y1 + 0.2, dpi))),
            IsInk);
        EXPECT_NEAR(ink.center().y(), line.y1 * dpi, 1.0) << line.y1;
        EXPECT_NEAR(ink.height(), line.borderWidth * dpi / 96.0, 1.0) << line.y1;
    }
    EXPECT_EQ(image.pixel(Pixels(1.5, dpi), Pixels(4.0, dpi)), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), qRgb(255, 255, 255));
    EXPECT_FALSE(Bounds(image, {Pixels(3.07, dpi), Pixels(1.36, dpi), 3, 3}, IsInk).isEmpty());
    EXPECT_FALSE(IsInk(image.pixel(Pixels(3.0, dpi), Pixels(1.25, dpi))));
    EXPECT_FALSE(IsInk(image.pixel(Pixels(3.15, dpi), Pixels(1.48, dpi))));
}

INSTANTIATE_TEST_SUITE_P(Resolutions, StrokePaintingTest, ::testing::ValuesIn(kResolutions),
                         kCaseName);

struct LabelCase {
    const char* name;
    PageLabel label;
    QRect box;  // where its ink may lie, in pixels at 96 dots an inch
};

// A green label at 2 in, 1 in, 315 twips high, in the worksheet's font.
PageLabel Label(float width, const QString& caption, LabelAlignment alignment) {
    return {2, 1, width, 315.0F / 1440, caption, alignment, "MS Sans Serif", 13.5F, 0x00FF00, true};
}

// A solution wider than its box runs out of it to the left, unclipped.
const std::array kLabels{
    LabelCase{"Left", Label(1.0F, "7", LabelAlignment::Left), {192, 96, 48, 21}},
    LabelCase{"WideSolution", Label(0.1F, "9801", LabelAlignment::Right), {150, 96, 52, 21}},
};

class LabelPaintingTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelPaintingTest, InksInsideItsBoxOnItsSideInItsColour) {
    PrintedPage page;
    page.labels = {GetParam().label};
    const QImage image = PaintedPage(page, 96);
    const QRect ink = Bounds(image, image.rect(), IsInk);
    EXPECT_TRUE(GetParam().box.contains(ink)) << ink.x() << "," << ink.y() << " " << ink.width();
    EXPECT_GT(ink.width(), GetParam().label.caption.size() * 5);
    EXPECT_FALSE(Bounds(image, ink, [](QRgb pixel) {
                     return qGreen(pixel) > 150 && qRed(pixel) < 80 && qBlue(pixel) < 80;
                 }).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Labels, LabelPaintingTest, ::testing::ValuesIn(kLabels), kCaseName);

// A key of every written operation in a method's layout, squared, on a paper's area.
struct SquaredCase {
    const char* name;
    WrittenMethod method;
    PrintSize size;
    QRectF area;
};

constexpr QRectF kA4Area(0.5, 0.5, 210 / 25.4 - 1, 297 / 25.4 - 1);

const SquaredCase kSquaredCases[] = {
    {"AmericanLetter", WrittenMethod::American, PrintSize::Normal, kFlowingArea},
    {"EnglishA4ExtraLarge", WrittenMethod::English, PrintSize::ExtraLarge, kA4Area},
    {"GermanLetter", WrittenMethod::German, PrintSize::Normal, kFlowingArea},
    {"FrenchA4", WrittenMethod::French, PrintSize::Normal, kA4Area},
    {"SpanishLetterLarge", WrittenMethod::Spanish, PrintSize::Large, kFlowingArea},
    {"MexicanA4ExtraLarge", WrittenMethod::Mexican, PrintSize::ExtraLarge, kA4Area},
    {"DutchA4Large", WrittenMethod::Dutch, PrintSize::Large, kA4Area},
};

PrintedPage SquaredKey(const SquaredCase& squared) {
    std::vector<SheetSection> sections;
    for (const OperationRow operation : {OperationRow::Add, OperationRow::Subtract,
                                         OperationRow::Multiply, OperationRow::Divide}) {
        SheetSection section;
        section.kind = SectionKind::Written;
        section.operations = OperationBit(operation);
        section.first = {1000, operation == OperationRow::Multiply ? 9'999 : 99'999};
        section.second = {2, 99};
        section.count = 2;
        section.remainderPercent = operation == OperationRow::Divide ? 50 : 0;
        sections.push_back(section);
    }
    PageOptions options;
    options.method = squared.method;
    options.size = squared.size;
    options.squares = SquaredPaper::On;
    options.keyWorking = true;
    const SheetSettings settings = SettingsOfSections(sections, false, options);
    const FlowRequest request{settings, SignsOf(options, QLocale::English), true, squared.area};
    return LayOutFlowingPages(ComposeSheet(FairSheetCode(settings, 5)), request).front();
}

// Within a pixel of one of the values, in pixels.
bool NearAny(double pixel, const std::vector<double>& values) {
    return std::any_of(values.begin(), values.end(),
                       [pixel](double value) { return std::abs(pixel + 0.5 - value) <= 1.0; });
}

// The pixels between the grid lines either side of the point, each line's own pixel left out.
QRect SquareAround(const std::vector<double>& columns, const std::vector<double>& rows, double x,
                   double y) {
    const auto between = [](const std::vector<double>& lines, double at) {
        double low = -1e9;
        double high = 1e9;
        for (const double line : lines) {
            (line <= at ? low : high) = line <= at ? std::max(low, line) : std::min(high, line);
        }
        return std::pair(static_cast<int>(std::floor(low)) + 1,
                         static_cast<int>(std::floor(high)) - 1);
    };
    const auto [left, right] = between(columns, x);
    const auto [top, bottom] = between(rows, y);
    return {QPoint(left, top), QPoint(right, bottom)};
}

class SquaredPaperPainting : public ::testing::TestWithParam<SquaredCase> {};

// The squares' grey lies on their lines and nowhere else; a digit's black inside its square,
// so a place value's digits in one column; no ink outside the area the page is laid out on.
TEST_P(SquaredPaperPainting, GreyOnTheGridAndDigitsInsideTheirSquares) {
    constexpr double kDpi = 96;
    const PrintedPage page = SquaredKey(GetParam());
    const QImage image = PaintedPage(page, kDpi);
    // Half of the widest rule may lie over the area's edge, in the page's own margin.
    const QRect area = QRect(QPoint(static_cast<int>(std::floor(page.area.left() * kDpi)),
                                    static_cast<int>(std::floor(page.area.top() * kDpi))),
                             QPoint(static_cast<int>(std::ceil(page.area.right() * kDpi)),
                                    static_cast<int>(std::ceil(page.area.bottom() * kDpi))))
                           .adjusted(-3, -3, 3, 3);
    const QRect inked =
        Bounds(image, image.rect(), [](QRgb pixel) { return pixel != qRgb(0xFF, 0xFF, 0xFF); });
    EXPECT_TRUE(area.contains(inked))
        << inked.x() << "," << inked.y() << " " << inked.width() << "x" << inked.height() << " in "
        << area.x() << "," << area.y() << " " << area.width() << "x" << area.height();
    std::vector<double> columns;
    std::vector<double> rows;
    for (const PageLine& line : page.lines) {
        if (line.borderColor == kSquaresGrey) {
            (line.x1 == line.x2 ? columns : rows)
                .push_back((line.x1 == line.x2 ? line.x1 : line.y1) * kDpi);
        }
    }
    ASSERT_GT(columns.size(), 20U);
    // A stroke of the grey, three pixels in a row: a digit's smoothed edge may hit the grey
    // in a pixel here and there.
    const auto isGrey = [&image](int x, int y) {
        return image.valid(x, y) && image.pixel(x, y) == qRgb(0xB0, 0xB0, 0xB0);
    };
    int grey = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isGrey(x, y) && ((isGrey(x - 1, y) && isGrey(x + 1, y)) ||
                                 (isGrey(x, y - 1) && isGrey(x, y + 1)))) {
                ++grey;
                ASSERT_TRUE(NearAny(x, columns) || NearAny(y, rows)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(grey, 1000);
    int digits = 0;
    for (const PageLabel& label : page.labels) {
        if (label.caption.size() != 1 || !label.caption[0].isDigit()) {
            continue;
        }
        ++digits;
        const QRect square = SquareAround(columns, rows, (label.left + label.width / 2) * kDpi,
                                          (label.top + label.height / 2) * kDpi);
        // The digit alone, so that neither the rules along its square's edges nor its
        // neighbours count.
        PrintedPage alone;
        alone.labels = {label};
        const QRect ink = Bounds(PaintedPage(alone, kDpi), square.adjusted(-6, -6, 6, 6),
                                 [](QRgb pixel) { return qGray(pixel) < 100; });
        ASSERT_FALSE(ink.isEmpty()) << label.caption.toStdString();
        EXPECT_TRUE(square.contains(ink))
            << label.caption.toStdString() << " at " << ink.x() << "," << ink.y() << " "
            << ink.width() << "x" << ink.height() << " in " << square.x() << "," << square.y()
            << " " << square.width() << "x" << square.height();
    }
    EXPECT_GT(digits, 40);
}

INSTANTIATE_TEST_SUITE_P(Methods, SquaredPaperPainting, ::testing::ValuesIn(kSquaredCases),
                         kCaseName);

}  // namespace
}  // namespace tallyworth
