#pragma once

#include "render/pdf_output.h"

#include <QPageLayout>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QPrinterInfo;

namespace tallyworth {

// Draws a job's pages on an open paged device laid out like the printer's sheet, with
// dotsPerInch device units to the inch from the printable origin. A failure stops the job;
// one without a message (the user cancelled) is passed on as it is.
using JobPainter =
    std::function<PrintOutcome(QPainter& painter, QPagedPaintDevice& device, int dotsPerInch)>;

// A job as the printer will take it.
struct PrintJob {
    QPageLayout sheet;  // the printer's paper and unprintable margins
    int dotsPerInch = 0;
    QString title;
    int copies = 1;
};

// The user's words for a printer that cannot be found: the print service is not running,
// no default printer is set up (an empty printerName), or no printer has that name.
PrintOutcome NoPrinterFound(const QString& printerName);

// Gives printer the paper its queue names as its default, the system's (SystemPaper) when
// the queue names none; the toolkit may keep a previous or locale-chosen size. The margins
// follow that size.
void UseDefaultPaper(QPrinter& printer, const QPrinterInfo& info);

// Prints a job as one: checks that the printer's queue takes jobs before anything is
// drawn, renders the pages into a temporary PDF laid out like the printer's sheet and
// hands that over. Says so when the queue is paused and holds the job. Sends nothing
// when the painting fails or is cancelled.
PrintOutcome PrintOn(const QPrinterInfo& printer, const PrintJob& job, const JobPainter& paint);

}  // namespace tallyworth
