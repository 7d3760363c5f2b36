#include "page_model/page_dump.h"
#include "printing/page_printing.h"
#include "printing/print_cups.h"
#include "render/page_style.h"
#include "support/cups_harness.h"

#include <QImage>
#include <QTemporaryDir>

#include <array>
#include <set>
#include <string>

namespace tallyworth::print_test {
namespace {

struct SheetCase {
    const char* name;
    bool a4;  // the printer's paper; US Letter otherwise
    std::int16_t operation, count, pageNo;
    bool solutions;
    std::size_t words;
    ColorValue colour = kBlack;  // chosen for the page before printing
};

// A grid problem prints two numbers and an operator, and its solution when shown; a
// division problem prints two numbers, fifty problems to a page.
const std::array kSheets{
    SheetCase{"Grid", false, 1, 100, 1, false, 300},
    SheetCase{"DivisionPage2", false, 4, 60, 2, false, 20},
    SheetCase{"ColourChosen", false, 4, 30, 1, true, 90, 0x2080C0},
};

// Every colour a PDF's first page is drawn in, paper included. Rendered without smoothing,
// every pixel is either paper or ink.
std::set<QRgb> DrawnColours(const QString& pdf) {
    QTemporaryDir folder;
    const int status =
        QProcess::execute("pdftoppm", {"-r", "72", "-aa", "no", "-aaVector", "no", "-png",
                                       "-singlefile", pdf, folder.filePath("sheet")});
    EXPECT_EQ(status, 0) << "pdftoppm (poppler-utils) could not render " << pdf.toStdString();
    const QImage image(folder.filePath("sheet.png"));
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return colours;
}

class SheetTest : public SchedulerTest, public ::testing::WithParamInterface<SheetCase> {
  protected:
    SheetTest() : SchedulerTest(GetParam().a4 ? "a4" : "letter") {}
};

// The page shown is printed on the printer's own paper with its corner on the printable
// origin, and saved as one US Letter page without margins; the worksheet stays as it was.
TEST_P(SheetTest, PrintsAndSavesThePageShownWhereTheLayoutPutsIt) {
    const SheetCase& sheetCase = GetParam();
    Worksheet sheet(sheetCase.operation, sheetCase.count, sheetCase.pageNo, sheetCase.solutions);
    ColorEverything(sheet.page, sheetCase.colour);
    const auto expectOneSheet = [&](const std::vector<PdfPage>& pdf, double width, double height,
                                    double offset) {
        ASSERT_EQ(pdf.size(), 1U);
        EXPECT_NEAR(pdf[0].width, width, 0.01);
        EXPECT_NEAR(pdf[0].height, height, 0.01);
        EXPECT_EQ(pdf[0].words.size(), sheetCase.words);
        ExpectCaptionsAt(sheet.page, pdf[0], offset);
    };
    const QString before = DumpVisibleControls(sheet.page);
    const PrintOutcome printed = PrintPageOnDefaultPrinter(sheet.page);
    EXPECT_TRUE(printed.Succeeded()) << printed.message.toStdString();
    const bool a4 = sheetCase.a4;
    expectOneSheet(PrintedSheets(), a4 ? 210 / 25.4 : 8.5, a4 ? 297 / 25.4 : 11.0, kMarginInches);
    // Figures, lines and solutions alike print in the page's colour.
    const QStringList printedFiles = PrintedFiles();
    ASSERT_EQ(printedFiles.size(), 1);
    EXPECT_EQ(DrawnColours(printedFiles[0]),
              (std::set<QRgb>{qRgb(255, 255, 255), ToQColor(sheetCase.colour).rgb()}));
    QTemporaryDir folder;
    const PrintOutcome saved = SavePageAsPdf(sheet.page, folder.filePath("sheet.pdf"));
    EXPECT_TRUE(saved.Succeeded()) << saved.message.toStdString();
    expectOneSheet(ReadPdf(folder.filePath("sheet.pdf")), 8.5, 11, 0);
    EXPECT_EQ(DumpVisibleControls(sheet.page), before);
}

INSTANTIATE_TEST_SUITE_P(Sheets, SheetTest, ::testing::ValuesIn(kSheets),
                         [](const auto& param) { return std::string(param.param.name); });

struct NoPrinterTest : SchedulerTest {
    NoPrinterTest() : SchedulerTest("none") {}
};

TEST_F(NoPrinterTest, SaysSoAndSavingStillWorks) {
    const Worksheet sheet(1, 20);
    const PrintOutcome printed = PrintPageOnDefaultPrinter(sheet.page);
    EXPECT_FALSE(printed.Succeeded());
    EXPECT_TRUE(printed.message.startsWith("No default printer is set up."))
        << printed.message.toStdString();
    // A missing folder is reported and leaves nothing behind.
    QTemporaryDir folder;
    const PrintOutcome failed = SavePageAsPdf(sheet.page, folder.filePath("missing/sheet.pdf"));
    EXPECT_FALSE(failed.Succeeded());
    EXPECT_TRUE(failed.message.startsWith("Could not save \"") &&
                failed.message.contains("sheet.pdf"))
        << failed.message.toStdString();
    EXPECT_TRUE(
        QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    EXPECT_TRUE(SavePageAsPdf(sheet.page, folder.filePath("sheet.pdf")).Succeeded());
    EXPECT_EQ(ReadPdf(folder.filePath("sheet.pdf")).size(), 1U);
}

// A print scheduler that was running and has stopped: no printer can be found, and the user
// is told why.
struct PrintServiceDownTest : SchedulerTest {};

TEST_F(PrintServiceDownTest, SaysThePrintServiceCannotBeReached) {
    const Worksheet sheet(1, 20);
    StopScheduler();
    const PrintOutcome printed = PrintPageOnDefaultPrinter(sheet.page);
    EXPECT_FALSE(printed.Succeeded());
    EXPECT_TRUE(printed.message.startsWith("The print service cannot be reached."))
        << printed.message.toStdString();
}

struct RefusalCase {
    const char* setup;
    const char* reason;  // part of the message
    const char* remedy;  // the tool that puts the queue right
};

class RefusingQueueTest : public SchedulerTest, public ::testing::WithParamInterface<RefusalCase> {
  protected:
    RefusingQueueTest() : SchedulerTest(GetParam().setup) {}
};

TEST_P(RefusingQueueTest, TellsWhyPrintsNothingAndPrintsOncePutRight) {
    const Worksheet sheet(1, 20);
    const PrintOutcome refused = PrintPageOnDefaultPrinter(sheet.page);
    EXPECT_FALSE(refused.Succeeded());
    EXPECT_TRUE(refused.message.contains("\"worksheets\"") &&
                refused.message.contains(GetParam().reason))
        << refused.message.toStdString();
    EXPECT_TRUE(PrintedSheets().empty());
    // The scheduler's own tool finds it through CUPS_SERVER, as this process's clients do.
    ASSERT_EQ(QProcess::execute(GetParam().remedy, {"worksheets"}), 0);
    const PrintOutcome printed = PrintPageOnDefaultPrinter(sheet.page);
    EXPECT_TRUE(printed.Succeeded()) << printed.message.toStdString();
    EXPECT_EQ(PrintedSheets().size(), 1U);
}

struct PausedQueueTest : SchedulerTest {
    PausedQueueTest() : SchedulerTest("stopped") {}
};

// A paused queue takes the job and holds it; the user is told where the worksheet waits.
TEST_F(PausedQueueTest, HandsTheJobOverAndSaysItWaitsUntilThePrinterIsResumed) {
    const Worksheet sheet(1, 20);
    const PrintOutcome printed = PrintPageOnDefaultPrinter(sheet.page);
    EXPECT_EQ(printed.kind, OutcomeKind::Notice);
    EXPECT_TRUE(printed.message.contains("\"worksheets\"") &&
                printed.message.contains("waits in its queue until the printer is resumed"))
        << printed.message.toStdString();
    EXPECT_EQ(PendingJobs(), 1);
    ASSERT_EQ(QProcess::execute("/usr/sbin/cupsenable", {"worksheets"}), 0);
    EXPECT_EQ(PrintedSheets().size(), 1U);
}

// A queue that stops taking jobs between the readiness check and the hand-over: the
// scheduler's refusal must come back, not pass for a printed sheet.
struct LateRefusalTest : SchedulerTest {
    LateRefusalTest() : SchedulerTest("rejecting") {}
};

TEST_F(LateRefusalTest, SubmissionReportsTheSchedulersRefusal) {
    QTemporaryDir folder;
    ASSERT_TRUE(SavePageAsPdf(Worksheet(1, 20).page, folder.filePath("sheet.pdf")).Succeeded());
    const JobSubmission job = SubmitPdfJob("worksheets", folder.filePath("sheet.pdf"), "sheet");
    EXPECT_FALSE(job.taken);
    EXPECT_FALSE(job.refusal.isEmpty());
    EXPECT_TRUE(PrintedSheets().empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Queue, RefusingQueueTest, ::testing::Values(
    RefusalCase{"rejecting", "is not accepting print jobs", "/usr/sbin/cupsaccept"}),
    [](const auto& param) { return std::string(param.param.setup); });
// clang-format on

}  // namespace
}  // namespace tallyworth::print_test
