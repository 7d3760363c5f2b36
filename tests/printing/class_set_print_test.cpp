#include "printing/class_set_printing.h"
#include "support/cups_harness.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <array>
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

// Two sheets of 60 divisions, two pages each, with their keys after them.
ClassSetRequest TwoPageSheets() {
    return {
        {{OperationRow::Divide, 2, 12, 60, false, false}, 0x5EED}, 2, AnswerKeys::AfterEach, true};
}

struct SetSheetCase {
    const char* name;
    const char* setup;  // the queue's paper
    double width, height;
};

const std::array kSetSheets{
    SetSheetCase{"Letter", "letter", 8.5, 11},
    SetSheetCase{"A4", "a4", 210 / 25.4, 297 / 25.4},
};

class ClassSetPrintTest : public SchedulerTest, public ::testing::WithParamInterface<SetSheetCase> {
  protected:
    ClassSetPrintTest() : SchedulerTest(GetParam().setup) {}
};

std::string Header(const PdfPage& page) {
    std::string header;
    for (const PdfWord& word : page.words) {
        if (word.top < kMarginInches + 0.65) {
            header += word.text + " ";
        }
    }
    return header;
}

// The whole set reaches the queue as one job on the printer's paper, every page with its band.
TEST_P(ClassSetPrintTest, ArrivesAsOneJobOfEveryPage) {
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
    for (std::size_t index = 0; index < sheets.size(); ++index) {
        EXPECT_NEAR(sheets[index].width, GetParam().width, 0.01);
        EXPECT_NEAR(sheets[index].height, GetParam().height, 0.01);
        const std::string sheet = index < 4 ? "1" : "2";
        EXPECT_THAT(Header(sheets[index]), ::testing::HasSubstr("Sheet " + sheet + " of 2 "));
        EXPECT_EQ(Header(sheets[index]).find("Answer key") != std::string::npos, index % 4 >= 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Papers, ClassSetPrintTest, ::testing::ValuesIn(kSetSheets),
                         [](const auto& param) { return std::string(param.param.name); });

struct CancelTest : SchedulerTest {};

TEST_F(CancelTest, ACancelledSetSendsNoJobAndSaysNothing) {
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    SilentProgress progress(3);
    const PrintOutcome printed = PrintClassSet(TwoPageSheets(), printer, progress);
    EXPECT_FALSE(printed.Succeeded());
    EXPECT_EQ(printed.message.toStdString(), "");
    EXPECT_TRUE(PrintedFiles().isEmpty());
}

struct ClassSetRefusalTest : SchedulerTest {
    ClassSetRefusalTest() : SchedulerTest("rejecting") {}
};

// A refusing queue is reported in the words of a single page, before anything is drawn.
TEST_F(ClassSetRefusalTest, TellsWhyAsForAPageAndPrintsNothing) {
    SilentProgress progress;
    const PrintOutcome printed = PrintClassSetOn(TwoPageSheets(), {}, std::nullopt, progress);
    EXPECT_FALSE(printed.Succeeded());
    EXPECT_TRUE(printed.message.startsWith(
        "The default printer \"worksheets\" is not accepting print jobs."))
        << printed.message.toStdString();
    EXPECT_TRUE(PrintedFiles().isEmpty());
}

struct ClassSetPausedTest : SchedulerTest {
    ClassSetPausedTest() : SchedulerTest("stopped") {}
};

TEST_F(ClassSetPausedTest, SaysTheSetWaitsInThePausedQueue) {
    SilentProgress progress;
    const PrintOutcome printed =
        PrintClassSetOn(TwoPageSheets(), "worksheets", QPageSize(QPageSize::A4), progress);
    EXPECT_TRUE(printed.Succeeded());
    EXPECT_TRUE(printed.message.contains("waits in its queue until the printer is resumed"))
        << printed.message.toStdString();
    EXPECT_EQ(PendingJobs(), 1);
}

struct NamedPrinterTest : SchedulerTest {};

// A printer named on the command line that the scheduler does not know.
TEST_F(NamedPrinterTest, SaysAPrinterOfThatNameCannotBeReached) {
    SilentProgress progress;
    const PrintOutcome printed = PrintClassSetOn(TwoPageSheets(), "nosuch", std::nullopt, progress);
    EXPECT_FALSE(printed.Succeeded());
    EXPECT_TRUE(printed.message.startsWith("The printer \"nosuch\" cannot be reached."))
        << printed.message.toStdString();
    EXPECT_TRUE(PrintedFiles().isEmpty());
}

}  // namespace
}  // namespace tallyworth::print_test
