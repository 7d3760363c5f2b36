#include "printing/page_printing.h"

#include "printing/print_cups.h"
#include "render/page_painter.h"

#include <QCoreApplication>
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

namespace tallyworth {

namespace {

PrintOutcome Failure(const QString& message) {
    return {false, message};
}

const PrintOutcome kSuccess{true, {}};

// Without a running scheduler no printer is found either; the user is told the cause.
PrintOutcome NoDefaultPrinter() {
    if (!PrintServiceReachable()) {
        return Failure(QCoreApplication::translate(
            "tallyworth::Printing",
            "The print service cannot be reached. Please check that printing is "
            "set up and running, then try again."));
    }
    return Failure(QCoreApplication::translate(
        "tallyworth::Printing",
        "No default printer is set up. Choose a default printer in the printer "
        "settings, then print again."));
}

// The printer's state is checked before anything is drawn: a queue that rejects jobs
// would only say so after the whole page had been rendered. A stopped (paused) queue
// still takes the job and holds it, so it is no reason not to print.
PrintOutcome CheckReadiness(const QString& printerName, const PrinterReadiness& readiness) {
    if (!readiness.known) {
        if (!PrintServiceReachable()) {
            return NoDefaultPrinter();
        }
        return Failure(QCoreApplication::translate(
                           "tallyworth::Printing",
                           "The default printer \"%1\" cannot be reached. Check that it is set "
                           "up, then print again.")
                           .arg(printerName));
    }
    if (!readiness.acceptingJobs) {
        return Failure(QCoreApplication::translate(
                           "tallyworth::Printing",
                           "The default printer \"%1\" is not accepting print jobs. Let it accept "
                           "jobs in the printer settings, then print again.")
                           .arg(printerName));
    }
    return kSuccess;
}

// A paused queue holds the job without a word; the user should know where it went.
QString HeldJobNotice(const QString& printerName) {
    return QCoreApplication::translate(
               "tallyworth::Printing",
               "The printer \"%1\" is paused. The worksheet waits in its queue until the "
               "printer is resumed.")
        .arg(printerName);
}

// The printer's own paper and unprintable margins. The toolkit may keep a previous or
// locale-chosen paper size when the printer supports it, so the printer's default
// size is asked for explicitly; the margins follow that size.
QPageLayout PrinterPageLayout(QPrinter& printer, const QPrinterInfo& info) {
    const QPageSize paper = info.defaultPageSize();
    if (paper.isValid()) {
        printer.setPageSize(paper);
    }
    return printer.pageLayout();
}

// Renders the page into a PDF laid out like the printer's sheet: the page's top-left
// corner at the printable origin, one inch per inch.
PrintOutcome RenderPrinterSheet(const PageControls& page, const QPrinterInfo& info,
                                const QString& pdfPath) {
    QPrinter printer(info, QPrinter::HighResolution);
    const QPageLayout layout = PrinterPageLayout(printer, info);
    const int dotsPerInch = printer.resolution();

    QPrinter sheet(QPrinter::HighResolution);
    sheet.setOutputFormat(QPrinter::PdfFormat);
    sheet.setOutputFileName(pdfPath);
    sheet.setResolution(dotsPerInch);
    sheet.setPageLayout(layout);
    sheet.setFullPage(false);
    sheet.setDocName(JobTitle());
    sheet.setCreator(QStringLiteral("Tallyworth"));

    QPainter painter;
    if (!painter.begin(&sheet)) {
        return Failure(QCoreApplication::translate("tallyworth::Printing",
                                                   "The print job could not be started."));
    }
    PaintPage(painter, page, dotsPerInch);
    if (!painter.end()) {
        return Failure(QCoreApplication::translate("tallyworth::Printing",
                                                   "The print job could not be finished."));
    }
    return kSuccess;
}

// The sheet is rendered first and then handed over as one job, so that the scheduler's
// answer (taken or refused) can be reported; the toolkit's own print engine drops that
// answer.
PrintOutcome HandOverSheet(const PageControls& page, const QPrinterInfo& info) {
    QTemporaryFile spoolFile(QDir::temp().filePath(QStringLiteral("tallyworth-XXXXXX.pdf")));
    if (!spoolFile.open()) {
        return Failure(QCoreApplication::translate("tallyworth::Printing",
                                                   "The print job could not be started: %1.")
                           .arg(spoolFile.errorString()));
    }
    spoolFile.close();
    if (PrintOutcome rendered = RenderPrinterSheet(page, info, spoolFile.fileName());
        !rendered.ok) {
        return rendered;
    }
    const QString printerName = info.printerName();
    const JobSubmission job = SubmitPdfJob(printerName, spoolFile.fileName(), JobTitle());
    if (!job.taken) {
        return Failure(
            QCoreApplication::translate("tallyworth::Printing",
                                        "The printer \"%1\" did not take the print job: %2")
                .arg(printerName, job.refusal));
    }
    return kSuccess;
}

}  // namespace

PrintOutcome PrintPageOnDefaultPrinter(const PageControls& page) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return NoDefaultPrinter();
    }
    const QString printerName = info.printerName();
    const PrinterReadiness readiness = QueryPrinterReadiness(printerName);
    if (PrintOutcome ready = CheckReadiness(printerName, readiness); !ready.ok) {
        return ready;
    }
    if (PrintOutcome handedOver = HandOverSheet(page, info); !handedOver.ok) {
        return handedOver;
    }
    return {true, readiness.stopped ? HeldJobNotice(printerName) : QString()};
}

}  // namespace tallyworth
