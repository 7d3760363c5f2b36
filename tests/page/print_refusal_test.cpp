#include "page/page_dump.h"
#include "page/page_printing.h"
#include "page/print_cups.h"
#include "support/cups_fixture.h"
#include "support/cups_worksheets.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QTemporaryDir>

namespace tallyworth::cups_test {
namespace {

class NoPrinterTest : public SchedulerTest {
  protected:
    NoPrinterTest() : SchedulerTest(QueueSetup::NoPrinter) {}
};

TEST_F(NoPrinterTest, SaysThatNoDefaultPrinterIsSetUp) {
    Worksheet sheet(kAddition, 20);
    const QString before = DumpVisibleControls(sheet.page);
    const PrintOutcome outcome = PrintPageOnDefaultPrinter(sheet.page);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.startsWith(QStringLiteral("No default printer is set up.")))
        << outcome.message.toStdString();
    EXPECT_EQ(DumpVisibleControls(sheet.page), before);
}

TEST_F(NoPrinterTest, SavingAsPdfStillWorksAfterTheFailedPrint) {
    Worksheet sheet(kAddition, 20);
    ASSERT_FALSE(PrintPageOnDefaultPrinter(sheet.page).ok);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("sheet.pdf"));
    const PrintOutcome saved = SavePageAsPdf(sheet.page, file);
    EXPECT_TRUE(saved.ok) << saved.message.toStdString();
    QString error;
    EXPECT_EQ(ReadPdfPages(file, &error).size(), 1U) << error.toStdString();
}

TEST_F(NoPrinterTest, ASchedulerThatHasGoneAwayIsReportedLikeNoPrinter) {
    scheduler_.Stop();
    Worksheet sheet(kAddition, 20);
    const PrintOutcome outcome = PrintPageOnDefaultPrinter(sheet.page);
    EXPECT_FALSE(outcome.ok);
    EXPECT_FALSE(outcome.message.isEmpty());
}

// A queue that is there but will not print: what the user is told, and how the queue
// prints again once it is put right.
struct RefusalCase {
    const char* name;
    QueueSetup setup;
    const char* reason;  // part of the message
    const char* remedy;  // the tool that puts the queue right
};

// Names the case in test listings, which would otherwise show its bytes.
void PrintTo(const RefusalCase& value, std::ostream* out) {
    *out << value.name;
}

class RefusingQueueTest : public SchedulerTest, public ::testing::WithParamInterface<RefusalCase> {
  protected:
    RefusingQueueTest() : SchedulerTest(GetParam().setup) {}
};

TEST_P(RefusingQueueTest, TellsWhyAndPrintsNothing) {
    Worksheet sheet(kAddition, 20);
    const QString before = DumpVisibleControls(sheet.page);
    const PrintOutcome outcome = PrintPageOnDefaultPrinter(sheet.page);
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(
        outcome.message.contains(QStringLiteral("\"%1\"").arg(PrivateScheduler::QueueName())))
        << outcome.message.toStdString();
    EXPECT_TRUE(outcome.message.contains(QLatin1String(GetParam().reason)))
        << outcome.message.toStdString();
    EXPECT_TRUE(PrintedJobs().empty());
    EXPECT_EQ(DumpVisibleControls(sheet.page), before);
}

TEST_P(RefusingQueueTest, PrintsOnceTheQueueIsPutRight) {
    Worksheet sheet(kAddition, 20);
    ASSERT_FALSE(PrintPageOnDefaultPrinter(sheet.page).ok);
    ASSERT_EQ(scheduler_.RunTool(QLatin1String(GetParam().remedy), {PrivateScheduler::QueueName()}),
              QString());
    const PrintOutcome outcome = PrintPageOnDefaultPrinter(sheet.page);
    EXPECT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(PrintedJobs().size(), 1U);
}

std::string RefusalName(const ::testing::TestParamInfo<RefusalCase>& param) {
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(Queue, RefusingQueueTest,
                         ::testing::Values(RefusalCase{"Rejecting", QueueSetup::Rejecting,
                                                       "is not accepting print jobs", "cupsaccept"},
                                           RefusalCase{"Stopped", QueueSetup::Stopped, "is stopped",
                                                       "cupsenable"}),
                         RefusalName);

class QueueStateTest : public SchedulerTest {
  protected:
    QueueStateTest() : SchedulerTest(QueueSetup::PdfWriter) {}

    [[nodiscard]] QString Change(const char* tool) const {
        return scheduler_.RunTool(QLatin1String(tool), {PrivateScheduler::QueueName()});
    }
};

TEST_F(QueueStateTest, ReadinessFollowsTheQueue) {
    const QString queue = PrivateScheduler::QueueName();
    PrinterReadiness readiness = QueryPrinterReadiness(queue);
    EXPECT_TRUE(readiness.known);
    EXPECT_FALSE(readiness.stopped);
    EXPECT_TRUE(readiness.acceptingJobs);

    ASSERT_EQ(Change("cupsreject"), QString());
    ASSERT_EQ(Change("cupsdisable"), QString());
    readiness = QueryPrinterReadiness(queue);
    EXPECT_TRUE(readiness.stopped);
    EXPECT_FALSE(readiness.acceptingJobs);

    EXPECT_FALSE(QueryPrinterReadiness(QStringLiteral("no-such-queue")).known);
}

// The queue can turn jobs away between the readiness check and the submission; the
// scheduler's refusal must then come back as the reason, not as success.
TEST_F(QueueStateTest, ASubmissionTheSchedulerRefusesReturnsItsReason) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("sheet.pdf"));
    Worksheet sheet(kAddition, 5);
    ASSERT_TRUE(SavePageAsPdf(sheet.page, file).ok);
    ASSERT_EQ(Change("cupsreject"), QString());
    const QString refusal =
        SubmitPdfJob(PrivateScheduler::QueueName(), file, QStringLiteral("refused"));
    EXPECT_FALSE(refusal.isEmpty());
    ASSERT_EQ(Change("cupsaccept"), QString());
    EXPECT_EQ(SubmitPdfJob(PrivateScheduler::QueueName(), file, QStringLiteral("taken")),
              QString());
    EXPECT_EQ(PrintedJobs().size(), 1U);
}

}  // namespace
}  // namespace tallyworth::cups_test
