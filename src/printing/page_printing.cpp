#include "printing/page_printing.h"

#include "printing/print_job.h"
#include "render/page_painter.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace tallyworth {

PrintOutcome PrintPageOnDefaultPrinter(const PageControls& page) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return NoPrinterFound({});
    }
    QPrinter printer(info, QPrinter::HighResolution);
    UseDefaultPaper(printer, info);
    const PrintJob job{printer.pageLayout(), printer.resolution(), JobTitle(), 1};
    return PrintOn(info, job, [&page](QPainter& painter, QPagedPaintDevice&, int dotsPerInch) {
        PaintPage(painter, page, dotsPerInch);
        return PrintOutcome::Done();
    });
}

}  // namespace tallyworth
