#include "printing/page_printing.h"

#include "printing/print_job.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace tallyworth {

PrintOutcome PrintPagesOnDefaultPrinter(const PageMaker& pages) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return NoPrinterFound({});
    }
    QPrinter printer(info, QPrinter::HighResolution);
    UseDefaultPaper(printer, info);
    const PrintJob job{printer.pageLayout(), printer.resolution(), JobTitle(), 1};
    // Pages laid out anew fill the printable area, which starts at the origin.
    const QSizeF printable = job.sheet.paintRect(QPageLayout::Inch).size();
    const std::vector<PrintedPage> made = pages(QRectF(QPointF(0, 0), printable));
    return PrintOn(info, job,
                   [&made](QPainter& painter, QPagedPaintDevice& device, int dotsPerInch) {
                       return PaintPages(painter, device, made, dotsPerInch);
                   });
}

}  // namespace tallyworth
