#include "printing/class_set_printing.h"
#include "printing/page_printing.h"
#include "printing/print_cups.h"
#include "support/cups_harness.h"
#include "support/page_test_support.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <array>
#include <functional>
#include <string>

namespace tallyworth::print_test {
namespace {

class SilentProgress final : public SetProgress {
  public:
    explicit SilentProgress(int cancelAt = -1) : cancelAt_(cancelAt) {}
    void Start(int /*pages*/) override {}
    [[nodiscard]] bool Advance(int pagesDone) override { return pagesDone != cancelAt_; }

  private:
    int cancelAt_;
};

// A worksheet of problems from 1 to 12, showing its first page.
PageControls SheetPage(OperationRow row, std::int16_t count) {
    testing_support::Sheet sheet(row);
    sheet.Build(1, 12, count);
    return sheet.page;
}

// A maker of this one page, wherever it is printed.
PageMaker Just(const PrintedPage& page) {
    return [page](const QRectF& /*area*/) { return std::vector<PrintedPage>{page}; };
}

// Two sheets of 60 divisions, two pages each, with their keys after them.
ClassSetRequest TwoPageSheets() {
    return {
        {{OperationRow::Divide, 2, 12, 60, false, false}, 0x5EED}, 2, AnswerKeys::AfterEach, true};
}

struct PaperCase {
    const char* setup;  // the queue's paper
    double width, height;
};

const std::array kPapers{
    PaperCase{"letter", 8.5, 11},
    PaperCase{"a4", 210 / 25.4, 297 / 25.4},
};

class PaperTest : public SchedulerTest, public ::testing::WithParamInterface<PaperCase> {
  protected:
    PaperTest() : SchedulerTest(GetParam().setup) {}
};

// The page shown is printed on the printer's own paper, its corner on the printable origin.
TEST_P(PaperTest, PrintsThePageShownWhereTheLayoutPutsIt) {
    const PaperCase& paper = GetParam();
    const PrintedPage page =
        PrintedPageOf(SheetPage(OperationRow::Divide, 60), SignsOf({}, QLocale::English));
    const PrintOutcome printed = PrintPagesOnDefaultPrinter(Just(page));
    EXPECT_EQ(printed.kind, OutcomeKind::Done) << printed.message.toStdString();
    const std::vector<PdfPage> pdf = PrintedSheets();
    ASSERT_EQ(pdf.size(), 1U);
    EXPECT_NEAR(pdf[0].width, paper.width, 0.01);
    EXPECT_NEAR(pdf[0].height, paper.height, 0.01);
    ExpectProblemsAt(page, pdf[0], kMarginInches);
}

// The whole set reaches the queue as one job on the printer's paper (the order of its
// sheets and keys is asserted where the set is composed).
TEST_P(PaperTest, PrintsTheSetAsOneJobOfEveryPage) {
    // As the print dialog hands it over: the printer with its own paper.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageSize(info.defaultPageSize());
    SilentProgress progress;
    const PrintOutcome printed = PrintClassSet(TwoPageSheets(), printer, progress);
    ASSERT_TRUE(printed.Succeeded()) << printed.message.toStdString();
    ASSERT_EQ(PrintedFiles().size(), 1);
    const std::vector<PdfPage> sheets = PrintedSheets();
    ASSERT_EQ(sheets.size(), 8U);
    for (const PdfPage& sheet : sheets) {
        EXPECT_NEAR(sheet.width, GetParam().width, 0.01);
    }
}

INSTANTIATE_TEST_SUITE_P(Papers, PaperTest, ::testing::ValuesIn(kPapers),
                         [](const auto& param) { return std::string(param.param.setup); });

PrintOutcome PrintPage() {
    return PrintPagesOnDefaultPrinter(Just(PrintedPageOf(SheetPage(OperationRow::Add, 20), {})));
}
PrintOutcome PrintSetOn(const char* printer, int cancelAt = -1) {
    SilentProgress progress(cancelAt);
    return PrintClassSetOn(TwoPageSheets(), printer, QPageSize(QPageSize::A4), progress);
}

// What the user is told when a page or a set cannot simply be printed, and what the queue
// holds afterwards.
struct OutcomeCase {
    const char* name;
    const char* setup;  // the scheduler's set-up
    bool serviceDown;   // the scheduler stops before printing
    std::function<PrintOutcome()> print;
    OutcomeKind kind;
    const char* message;  // how it starts
    int pending;          // jobs held in the queue
};

const std::array kOutcomes{
    OutcomeCase{"NoPrinter", "none", false, PrintPage, OutcomeKind::Failed,
                "No default printer is set up.", 0},
    OutcomeCase{"ServiceDown", "letter", true, PrintPage, OutcomeKind::Failed,
                "The print service cannot be reached.", 0},
    OutcomeCase{"Rejecting", "rejecting", false, PrintPage, OutcomeKind::Failed,
                "The default printer \"worksheets\" is not accepting print jobs.", 0},
    OutcomeCase{"PausedPage", "stopped", false, PrintPage, OutcomeKind::Notice,
                "The printer \"worksheets\" is paused. The worksheet waits in its queue", 1},
    OutcomeCase{"MissingPrinter", "letter", false, [] { return PrintSetOn("nosuch"); },
                OutcomeKind::Failed, "The printer \"nosuch\" cannot be reached.", 0},
    OutcomeCase{"CancelledSet", "letter", false, [] { return PrintSetOn("", 3); },
                OutcomeKind::Cancelled, "", 0},
};

class OutcomeTest : public SchedulerTest, public ::testing::WithParamInterface<OutcomeCase> {
  protected:
    OutcomeTest() : SchedulerTest(GetParam().setup) {}
};

TEST_P(OutcomeTest, SaysWhatHappenedAndPrintsNothing) {
    if (GetParam().serviceDown) {
        StopScheduler();
    }
    const PrintOutcome printed = GetParam().print();
    EXPECT_EQ(printed.kind, GetParam().kind);
    EXPECT_THAT(printed.message.toStdString(), ::testing::StartsWith(GetParam().message));
    EXPECT_EQ(printed.message.isEmpty(), GetParam().kind == OutcomeKind::Cancelled);
    if (!GetParam().serviceDown) {
        EXPECT_EQ(PendingJobs(), GetParam().pending);
        EXPECT_TRUE(GetParam().pending > 0 || PrintedFiles().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Outcomes, OutcomeTest, ::testing::ValuesIn(kOutcomes),
                         [](const auto& param) { return std::string(param.param.name); });

// A queue that stops taking jobs between the readiness check and the hand-over: the
// scheduler's refusal must come back, not pass for a printed sheet.
struct LateRefusalTest : SchedulerTest {
    LateRefusalTest() : SchedulerTest("rejecting") {}
};

TEST_F(LateRefusalTest, SubmissionReportsTheSchedulersRefusal) {
    QTemporaryDir folder;
    ASSERT_TRUE(SavePagesAsPdf(Just(PrintedPageOf(SheetPage(OperationRow::Add, 20), {})),
                               folder.filePath("sheet.pdf"))
                    .Succeeded());
    const JobSubmission job = SubmitPdfJob("worksheets", folder.filePath("sheet.pdf"), "sheet");
    EXPECT_FALSE(job.taken);
    EXPECT_FALSE(job.refusal.isEmpty());
    EXPECT_TRUE(PrintedSheets().empty());
}

}  // namespace
}  // namespace tallyworth::print_test
