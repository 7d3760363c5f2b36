#include "printing/print_job.h"

#include "printing/print_cups.h"
#include "render/class_set_output.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

namespace tallyworth {

namespace {

PrintOutcome ServiceUnreachable() {
    return PrintOutcome::Failed(QCoreApplication::translate(
        "tallyworth::Printing",
        "The print service cannot be reached. Please check that printing is "
        "set up and running, then try again."));
}

PrintOutcome Unreachable(const QString& printerName, bool isDefault) {
    if (isDefault) {
        return PrintOutcome::Failed(
            QCoreApplication::translate(
                "tallyworth::Printing",
                "The default printer \"%1\" cannot be reached. Check that it is set "
                "up, then print again.")
                .arg(printerName));
    }
    return PrintOutcome::Failed(
        QCoreApplication::translate("tallyworth::Printing",
                                    "The printer \"%1\" cannot be reached. Check that "
                                    "it is set up, then print again.")
            .arg(printerName));
}

PrintOutcome NotAccepting(const QString& printerName, bool isDefault) {
    if (isDefault) {
        return PrintOutcome::Failed(
            QCoreApplication::translate(
                "tallyworth::Printing",
                "The default printer \"%1\" is not accepting print jobs. Let it accept "
                "jobs in the printer settings, then print again.")
                .arg(printerName));
    }
    return PrintOutcome::Failed(
        QCoreApplication::translate(
            "tallyworth::Printing",
            "The printer \"%1\" is not accepting print jobs. Let it accept jobs in "
            "the printer settings, then print again.")
            .arg(printerName));
}

// The printer's state is checked before anything is drawn: a queue that rejects jobs
// would only say so after every page had been rendered. A stopped (paused) queue still
// takes the job and holds it, so it is no reason not to print.
PrintOutcome CheckReadiness(const QPrinterInfo& printer, const PrinterReadiness& readiness) {
    if (!readiness.known) {
        return PrintServiceReachable() ? Unreachable(printer.printerName(), printer.isDefault())
                                       : ServiceUnreachable();
    }
    if (!readiness.acceptingJobs) {
        return NotAccepting(printer.printerName(), printer.isDefault());
    }
    return PrintOutcome::Done();
}

// A paused queue holds the job without a word; the user should know where it went.
QString HeldJobNotice(const QString& printerName) {
    return QCoreApplication::translate(
               "tallyworth::Printing",
               "The printer \"%1\" is paused. The worksheet waits in its queue until the "
               "printer is resumed.")
        .arg(printerName);
}

// Renders the pages into a PDF laid out like the printer's sheet: the document the other
// outputs write, ink and a hidden text layer, so a printer gets strokes and stencils.
PrintOutcome RenderSheets(const PrintJob& job, const JobPainter& paint, const QString& pdfPath) {
    QFile sheets(pdfPath);
    if (!sheets.open(QIODevice::WriteOnly)) {
        return PrintOutcome::Failed(QCoreApplication::translate(
            "tallyworth::Printing", "The print job could not be started."));
    }
    PrintOutcome painted = PaintPdf(
        sheets, job.sheet, {job.title, {}, {}},
        [&](QPainter& painter, QPdfWriter& writer) {
            return paint(painter, writer, job.dotsPerInch);
        },
        job.dotsPerInch);
    if (painted.Succeeded() && !sheets.flush()) {
        return PrintOutcome::Failed(QCoreApplication::translate(
            "tallyworth::Printing", "The print job could not be finished."));
    }
    return painted;
}

// The pages are rendered first and then handed over as one job, so that the scheduler's
// answer (taken or refused) can be reported; the toolkit's own print engine drops that
// answer.
PrintOutcome HandOver(const QString& printerName, const PrintJob& job, const JobPainter& paint) {
    QTemporaryFile spoolFile(QDir::temp().filePath(QStringLiteral("tallyworth-XXXXXX.pdf")));
    if (!spoolFile.open()) {
        return PrintOutcome::Failed(
            QCoreApplication::translate("tallyworth::Printing",
                                        "The print job could not be started: %1.")
                .arg(spoolFile.errorString()));
    }
    spoolFile.close();
    if (PrintOutcome rendered = RenderSheets(job, paint, spoolFile.fileName());
        !rendered.Succeeded()) {
        return rendered;
    }
    const JobSubmission submitted =
        SubmitPdfJob(printerName, spoolFile.fileName(), job.title, job.copies);
    if (!submitted.taken) {
        return PrintOutcome::Failed(
            QCoreApplication::translate("tallyworth::Printing",
                                        "The printer \"%1\" did not take the print job: %2")
                .arg(printerName, submitted.refusal));
    }
    return PrintOutcome::Done();
}

}  // namespace

PrintOutcome NoPrinterFound(const QString& printerName) {
    // Without a running scheduler no printer is found either; the user is told the cause.
    if (!PrintServiceReachable()) {
        return ServiceUnreachable();
    }
    if (!printerName.isEmpty()) {
        return Unreachable(printerName, false);
    }
    return PrintOutcome::Failed(QCoreApplication::translate(
        "tallyworth::Printing",
        "No default printer is set up. Choose a default printer in the printer "
        "settings, then print again."));
}

void UseDefaultPaper(QPrinter& printer, const QPrinterInfo& info) {
    const QPageSize paper = info.defaultPageSize();
    printer.setPageSize(paper.isValid() ? paper : SystemPaper());
}

PrintOutcome PrintOn(const QPrinterInfo& printer, const PrintJob& job, const JobPainter& paint) {
    const QString printerName = printer.printerName();
    const PrinterReadiness readiness = QueryPrinterReadiness(printerName);
    if (PrintOutcome ready = CheckReadiness(printer, readiness); !ready.Succeeded()) {
        return ready;
    }
    if (PrintOutcome handedOver = HandOver(printerName, job, paint); !handedOver.Succeeded()) {
        return handedOver;
    }
    return readiness.stopped ? PrintOutcome::Notice(HeldJobNotice(printerName))
                             : PrintOutcome::Done();
}

}  // namespace tallyworth
