#include "printing/class_set_printing.h"

#include "printing/print_job.h"
#include "render/class_set_output.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace tallyworth {

PrintOutcome PrintClassSet(const ClassSetRequest& request, QPrinter& printer,
                           SetProgress& progress) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer.printerName());
    if (info.isNull()) {
        return NoPrinterFound(printer.printerName());
    }
    const PrintJob job{printer.pageLayout(), printer.resolution(), ClassSetTitle(),
                       printer.copyCount()};
    return PrintOn(info, job, [&](QPainter& painter, QPagedPaintDevice& device, int) {
        return PaintClassSet(painter, device, request, progress);
    });
}

PrintOutcome PrintClassSetOn(const ClassSetRequest& request, const QString& printerName,
                             const std::optional<QPageSize>& paper, SetProgress& progress) {
    const QPrinterInfo info = printerName.isEmpty() ? QPrinterInfo::defaultPrinter()
                                                    : QPrinterInfo::printerInfo(printerName);
    if (info.isNull()) {
        return NoPrinterFound(printerName);
    }
    QPrinter printer(info, QPrinter::HighResolution);
    if (paper) {
        printer.setPageSize(*paper);
    } else {
        UseDefaultPaper(printer, info);
    }
    return PrintClassSet(request, printer, progress);
}

}  // namespace tallyworth
