#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace tallyworth::cups_test {

// How the private scheduler's only queue starts out.
enum class QueueSetup {
    PdfWriter,    // a default queue that files every job as a PDF, on US Letter
    PdfWriterA4,  // the same on A4 paper
    NoPrinter,    // no queue at all, hence no default printer
    Rejecting,    // the default queue refuses new jobs
    Stopped,      // the default queue is stopped
};

// A print scheduler of the tests' own: its configuration, spool, cache, state and logs
// live in a temporary directory, and it listens on a domain socket there and nowhere
// else. Once started, this process's print clients (the toolkit's and libcups) talk to
// it alone; the machine's own printer set-up is never read or changed.
class PrivateScheduler {
  public:
    explicit PrivateScheduler(QueueSetup setup);
    ~PrivateScheduler();
    PrivateScheduler(const PrivateScheduler&) = delete;
    PrivateScheduler& operator=(const PrivateScheduler&) = delete;

    // Returns an empty text once the scheduler answers, else why it could not start.
    QString Start();
    void Stop();

    [[nodiscard]] static QString QueueName() { return QStringLiteral("worksheets"); }
    // The queue's sheet: US Letter (or A4) with 0.25 in unprintable margins on every side.
    static constexpr double kMarginInches = 0.25;
    [[nodiscard]] QString SocketPath() const;

    // Runs one of the scheduler's command-line tools (cupsaccept, cupsdisable, ...)
    // against this scheduler; returns an empty text on success, else its complaint.
    QString RunTool(const QString& tool, const QStringList& arguments) const;

    // Waits until no job is pending or printing. False when that takes unreasonably
    // long (a stuck backend), so a test fails instead of hanging.
    [[nodiscard]] bool WaitForJobsToFinish() const;
    // The PDFs the queue has filed, oldest job first.
    [[nodiscard]] QStringList PrintedFiles() const;
    // The scheduler's error log, for failure messages.
    [[nodiscard]] QString ErrorLog() const;

  private:
    [[nodiscard]] QString Ppd() const;
    [[nodiscard]] QString WriteConfiguration() const;
    QString WaitUntilAnswering();
    void PointClientsHere() const;
    [[nodiscard]] QString Path(const QString& relative) const;

    QueueSetup setup_;
    QTemporaryDir root_;
    std::unique_ptr<QProcess> daemon_;
};

// True when the tests run in continuous integration, where a scheduler that cannot be
// started is an error rather than a reason to skip.
bool RunningInCi();

}  // namespace tallyworth::cups_test
