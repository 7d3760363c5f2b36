#pragma once

// Printing is tested end to end: each test starts a print scheduler of its own
// (support/cups/start-scheduler.sh) whose default queue files every job as a PDF, and the
// printed or saved PDFs are read back (support/pdf_reading.h).

#include "core/composer.h"
#include "core/operations.h"
#include "page_model/build_worksheet.h"
#include "page_model/page_fill.h"
#include "page_model/page_layout.h"
#include "support/pdf_reading.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cups/cups.h>
#include <sys/prctl.h>

#include <algorithm>
#include <csignal>
#include <random>
#include <string>
#include <vector>

namespace tallyworth::print_test {

inline constexpr double kMarginInches = 0.25;  // the test queue's unprintable margin

// Every shown caption of the page stands on a word of its text, offset inches right of and
// below where the page puts it (right-aligned captions by their right edge), and the sheet
// carries no other word.
inline void ExpectCaptionsAt(const PageControls& page, const PdfPage& sheet, double offset) {
    using ::testing::DoubleNear;
    using ::testing::Field;
    std::vector<::testing::Matcher<PdfWord>> captions;
    const auto add = [&](const PageLabel& label) {
        if (!label.visible || label.caption.trimmed().isEmpty()) {
            return;
        }
        const bool right = label.alignment == LabelAlignment::Right;
        const double x = double{label.left} + (right ? double{label.width} : 0.0) + offset;
        captions.push_back(::testing::AllOf(
            Field("text", &PdfWord::text, label.caption.trimmed().toStdString()),
            Field(right ? "right" : "left", right ? &PdfWord::right : &PdfWord::left,
                  DoubleNear(x, 0.02)),
            Field("top", &PdfWord::top, DoubleNear(double{label.top} + offset, 0.02))));
    };
    std::for_each(page.valueLabels.begin(), page.valueLabels.end(), add);
    std::for_each(page.plusLabels.begin(), page.plusLabels.end(), add);
    std::for_each(page.solutionLabels.begin(), page.solutionLabels.end(), add);
    EXPECT_THAT(sheet.words, ::testing::UnorderedElementsAreArray(captions));
}

// The same fractions on every run, so printed worksheets repeat.
struct FixedFractions final : RandomSource {
    std::mt19937 engine{8511U};
    float NextFraction() override { return static_cast<float>(engine() >> 8U) * 0x1p-24F; }
    void Reseed(const ProblemRules& /*rules*/, const PageOptions& /*page*/) override {
        engine.seed(8511U);
    }
};

// A worksheet of problems from 1 to 12 composed the way the program composes one (operation
// 1 is addition, 4 division), showing the given page; it is its own silent progress host, and
// a composing failure fails the test.
struct Worksheet final : ComposerHost, FailureReporter {
    WorksheetState state;
    PageControls page = MakeDesignPageControls();

    Worksheet(std::int16_t operation, std::int16_t count) {
        state.divisionSymbol = QString(QChar(kLineAndDotsMarker));
        state.divideSign = DivideSignText();
        InitOperations(state);
        state.operation = operation;
        FixedFractions fractions;
        ArrangeFields(page, state);
        BuildTest(state, page, fractions, *this, *this, 1, 12, count);
        DisplayProblems(page, state, 1, *this);
    }
    void SetProgressRange(int /*minimum*/, int /*maximum*/) override {}
    void SetProgressValue(int /*value*/) override {}
    [[nodiscard]] bool AllowsNegativeResults() const override { return false; }
    void ReportFailure(const QString& text) override { ADD_FAILURE() << text.toStdString(); }
};

// A test with a print scheduler of its own, started before and stopped after it, so no test
// sees another's queue or jobs; this process's print clients (the toolkit's and libcups)
// talk to it alone, and the machine's own printer set-up is never read or changed. In CI a
// scheduler that cannot start fails the test; elsewhere the test is skipped.
class SchedulerTest : public ::testing::Test {
  protected:
    // setup: letter, a4, rejecting, stopped or none, as start-scheduler.sh takes it.
    explicit SchedulerTest(const char* setup = "letter") : setup_(QString::fromLatin1(setup)) {}

    void SetUp() override {
        const std::string problem = Start().toStdString();
        if (!problem.empty() &&
            QStringList{"", "0", "false"}.contains(qEnvironmentVariable("CI").toLower())) {
            GTEST_SKIP() << "the private print scheduler did not start: " << problem;
        }
        ASSERT_TRUE(problem.empty()) << "the private print scheduler did not start: " << problem;
    }

    void TearDown() override {
        daemon_.terminate();
        daemon_.waitForFinished(kWaitMilliseconds);
    }

    // The sheets the queue has filed, oldest job first, once no job is pending.
    std::vector<PdfPage> PrintedSheets() {
        std::vector<PdfPage> sheets;
        for (const QString& file : PrintedFiles()) {
            const std::vector<PdfPage> pages = ReadPdf(file);
            sheets.insert(sheets.end(), pages.begin(), pages.end());
        }
        return sheets;
    }

    // The PDFs the queue has filed, oldest job first, once no job is pending.
    QStringList PrintedFiles() {
        int active = 1;
        for (const QDeadlineTimer deadline(kWaitMilliseconds); active > 0 && !deadline.hasExpired();
             QThread::msleep(25)) {
            cups_job_t* jobs = nullptr;
            active = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
            cupsFreeJobs(active, jobs);
        }
        EXPECT_EQ(active, 0) << "the print jobs did not finish: " << cupsLastErrorString();
        const QDir out(root_.filePath(QStringLiteral("out")));
        QStringList files;
        for (const QString& job : out.entryList({QStringLiteral("job-*.pdf")}, QDir::Files)) {
            files << out.filePath(job);
        }
        return files;
    }

    // The jobs the scheduler holds back at this moment, not yet printing; waits for none.
    int PendingJobs() {
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
        EXPECT_GE(count, 0) << "the scheduler did not list its jobs: " << cupsLastErrorString();
        const auto pending = std::count_if(jobs, jobs + std::max(count, 0), [](const auto& job) {
            return job.state == IPP_JSTATE_PENDING || job.state == IPP_JSTATE_HELD;
        });
        cupsFreeJobs(count, jobs);
        return static_cast<int>(pending);
    }

    // Ends the scheduler, as when the print service is not running.
    void StopScheduler() {
        daemon_.terminate();
        EXPECT_TRUE(daemon_.waitForFinished(kWaitMilliseconds));
    }

  private:
    QString Start() {
        // Should the test program die, the scheduler goes with it.
        daemon_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        daemon_.setProcessChannelMode(QProcess::MergedChannels);
        daemon_.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral(TALLYWORTH_TEST_DATA_DIR "/support/cups/start-scheduler.sh"),
                       root_.path(), setup_});
        QByteArray said;
        while (!said.endsWith("ready\n") && daemon_.waitForReadyRead(kWaitMilliseconds)) {
            said += daemon_.readAll();
        }
        if (!said.endsWith("ready\n")) {
            return QString::fromLocal8Bit(said + daemon_.readAll()) + daemon_.errorString();
        }
        const QByteArray socket = QFile::encodeName(root_.filePath(QStringLiteral("cups.sock")));
        qputenv("CUPS_SERVER", socket);
        qputenv("CUPS_SERVERROOT", QFile::encodeName(root_.filePath(QStringLiteral("etc"))));
        // A user's chosen destination would override the scheduler's default queue.
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        // libcups remembers the server per thread from the first test that printed.
        cupsSetServer(socket.constData());
        return {};
    }

    QString setup_;
    QTemporaryDir root_{QDir::temp().filePath(QStringLiteral("tallyworth-cups-XXXXXX"))};
    QProcess daemon_;
};

}  // namespace tallyworth::print_test
