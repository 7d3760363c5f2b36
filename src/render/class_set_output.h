#pragma once

#include "core/class_set.h"
#include "render/pdf_output.h"

#include <QPageSize>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace tallyworth {

// Paints every page of a class set on an open paged device (a PDF writer or a printer),
// starting a new page between pages: each page gets its header band (unless the request
// leaves it out) and the worksheet page scaled uniformly, never enlarged, to fit under the
// band inside the device's printable area. Stops with a failure when progress reports
// that the user cancelled.
[[nodiscard]] PrintOutcome PaintClassSet(QPainter& painter, QPagedPaintDevice& device,
                                         const ClassSetRequest& request, SetProgress& progress);

// Writes the whole set as one PDF on the given paper. The file is written whole or not
// at all: a failure or a cancel leaves nothing under fileName.
[[nodiscard]] PrintOutcome WriteClassSetPdf(const ClassSetRequest& request, const QPageSize& paper,
                                            const QString& fileName, SetProgress& progress);

}  // namespace tallyworth
