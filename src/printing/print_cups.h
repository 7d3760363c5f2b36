#pragma once

#include <QString>

namespace tallyworth {

// What the print scheduler says about a queue just before a job is sent to it.
struct PrinterReadiness {
    bool known = false;  // the scheduler knows the queue at all
    bool stopped = false;
    bool acceptingJobs = false;
};

// Whether the print scheduler answers at all. Without it no printer can be found, so
// a missing printer is told apart from a scheduler that is not running.
[[nodiscard]] bool PrintServiceReachable();

// Asks the print scheduler about a queue. printerName may carry an instance after
// a slash ("office/duplex"), as the toolkit names instances.
[[nodiscard]] PrinterReadiness QueryPrinterReadiness(const QString& printerName);

// The scheduler's answer to a job: taken, or refused with the scheduler's reason.
struct [[nodiscard]] JobSubmission {
    bool taken = false;
    QString refusal;  // empty when taken
};

// Hands a finished PDF to the queue as one job, with the queue's own default options and
// the number of copies asked for (more than one are collated).
JobSubmission SubmitPdfJob(const QString& printerName, const QString& pdfPath, const QString& title,
                           int copies = 1);

}  // namespace tallyworth
