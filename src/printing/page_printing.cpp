#include "printing/page_printing.h"

#include "printing/print_job.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace tallyworth {

PrintOutcome PrintPagesOnDefaultPrinter(const std::vector<PrintedPage>& pages) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return NoPrinterFound({});
    }
    QPrinter printer(info, QPrinter::HighResolution);
    UseDefaultPaper(printer, info);
    const PrintJob job{printer.pageLayout(), printer.resolution(), JobTitle(), 1};
    return PrintOn(info, job,
                   [&pages](QPainter& painter, QPagedPaintDevice& device, int dotsPerInch) {
                       return PaintPages(painter, device, pages, dotsPerInch);
                   });
}

}  // namespace tallyworth
