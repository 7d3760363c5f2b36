#include "page/page_dump.h"
#include "page/page_printing.h"
#include "support/cups_fixture.h"
#include "support/cups_worksheets.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstddef>
#include <string>

namespace tallyworth::cups_test {
namespace {

constexpr double kTolerance = 0.02;  // inches

class PrintQueueTest : public SchedulerTest {
  protected:
    explicit PrintQueueTest(QueueSetup setup = QueueSetup::PdfWriter) : SchedulerTest(setup) {}

    // Prints the page and returns the one sheet the queue received.
    PdfPage PrintOneSheet(const PageControls& page) {
        const PrintOutcome outcome = PrintPageOnDefaultPrinter(page);
        EXPECT_TRUE(outcome.ok) << outcome.message.toStdString();
        const std::vector<std::vector<PdfPage>> jobs = PrintedJobs();
        EXPECT_EQ(jobs.size(), 1U);
        if (jobs.size() != 1 || jobs.front().size() != 1) {
            ADD_FAILURE() << "expected one job of one sheet";
            return {};
        }
        return jobs.front().front();
    }
};

// The captions keep their places relative to each other, and the page's corner sits on
// the printable origin, a quarter inch in from the sheet's corner on this queue.
void ExpectPrintedInPlace(const PageControls& page, const PdfPage& sheet) {
    const CaptionMatch match = MatchCaptions(ShownCaptions(page), sheet, kTolerance);
    EXPECT_TRUE(match.missing.empty()) << Describe(match.missing).toStdString();
    EXPECT_TRUE(match.extra.empty()) << Describe(match.extra).toStdString();
    EXPECT_NEAR(match.shiftX, PrivateScheduler::kMarginInches, kTolerance);
    EXPECT_NEAR(match.shiftY, PrivateScheduler::kMarginInches, kTolerance);
}

TEST_F(PrintQueueTest, PrintsTheGridOnOneLetterSheetAtThePrintableOrigin) {
    Worksheet sheet(kAddition, 100);
    const PdfPage printed = PrintOneSheet(sheet.page);
    EXPECT_NEAR(printed.widthInches, 8.5, 0.01);
    EXPECT_NEAR(printed.heightInches, 11.0, 0.01);
    ExpectPrintedInPlace(sheet.page, printed);
    EXPECT_EQ(printed.words.size(), 300U);  // two numbers and an operator per problem
}

class PrintOnA4Test : public PrintQueueTest {
  protected:
    PrintOnA4Test() : PrintQueueTest(QueueSetup::PdfWriterA4) {}
};

// The sheet is the printer's own paper; the page keeps its size and its corner stays
// on the printable origin.
TEST_F(PrintOnA4Test, PrintsOnThePrintersOwnPaper) {
    Worksheet sheet(kAddition, 100);
    const PdfPage printed = PrintOneSheet(sheet.page);
    EXPECT_NEAR(printed.widthInches, 210.0 / 25.4, 0.01);
    EXPECT_NEAR(printed.heightInches, 297.0 / 25.4, 0.01);
    ExpectPrintedInPlace(sheet.page, printed);
    EXPECT_EQ(printed.words.size(), 300U);
}

struct ShownPageCase {
    const char* name;
    std::int16_t pageNo;
    std::size_t numbers;
};

// Names the case in test listings, which would otherwise show its bytes.
void PrintTo(const ShownPageCase& value, std::ostream* out) {
    *out << value.name;
}

class PrintShownPageTest : public PrintQueueTest,
                           public ::testing::WithParamInterface<ShownPageCase> {};

TEST_P(PrintShownPageTest, PrintsOnlyThePageShown) {
    Worksheet sheet(kDivision, 60);
    sheet.ShowPage(GetParam().pageNo);
    const PdfPage printed = PrintOneSheet(sheet.page);
    ExpectPrintedInPlace(sheet.page, printed);
    EXPECT_EQ(printed.words.size(), GetParam().numbers);
}

std::string ShownPageName(const ::testing::TestParamInfo<ShownPageCase>& param) {
    return param.param.name;
}

// 60 division problems: fifty on page 1, ten on page 2, two numbers each.
INSTANTIATE_TEST_SUITE_P(Division, PrintShownPageTest,
                         ::testing::Values(ShownPageCase{"Page1", 1, 100},
                                           ShownPageCase{"Page2", 2, 20}),
                         ShownPageName);

struct SolutionsCase {
    const char* name;
    bool shown;
    std::size_t words;
};

// Names the case in test listings, which would otherwise show its bytes.
void PrintTo(const SolutionsCase& value, std::ostream* out) {
    *out << value.name;
}

class PrintSolutionsTest : public PrintQueueTest,
                           public ::testing::WithParamInterface<SolutionsCase> {};

TEST_P(PrintSolutionsTest, SolutionsArePrintedExactlyWhenShown) {
    Worksheet sheet(kAddition, 30);
    sheet.ShowSolutions(GetParam().shown);
    const PdfPage printed = PrintOneSheet(sheet.page);
    ExpectPrintedInPlace(sheet.page, printed);
    EXPECT_EQ(printed.words.size(), GetParam().words);
}

std::string SolutionsName(const ::testing::TestParamInfo<SolutionsCase>& param) {
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(Switch, PrintSolutionsTest,
                         ::testing::Values(SolutionsCase{"Hidden", false, 90},
                                           SolutionsCase{"Shown", true, 120}),
                         SolutionsName);

TEST_F(PrintQueueTest, PrintingLeavesTheWorksheetAsItWas) {
    Worksheet sheet(kDivision, 60);
    sheet.ShowPage(2);
    sheet.ShowSolutions(true);
    const QString before = DumpVisibleControls(sheet.page);
    const std::int16_t pageBefore = sheet.state.gCurrentPage;
    ASSERT_TRUE(PrintPageOnDefaultPrinter(sheet.page).ok);
    EXPECT_EQ(DumpVisibleControls(sheet.page), before);
    EXPECT_EQ(sheet.state.gCurrentPage, pageBefore);
}

TEST_F(PrintQueueTest, EachPrintIsOneJobOfOneSheet) {
    Worksheet sheet(kAddition, 10);
    ASSERT_TRUE(PrintPageOnDefaultPrinter(sheet.page).ok);
    ASSERT_TRUE(PrintPageOnDefaultPrinter(sheet.page).ok);
    const std::vector<std::vector<PdfPage>> jobs = PrintedJobs();
    ASSERT_EQ(jobs.size(), 2U);
    EXPECT_EQ(jobs[0].size(), 1U);
    EXPECT_EQ(jobs[1].size(), 1U);
}

}  // namespace
}  // namespace tallyworth::cups_test
