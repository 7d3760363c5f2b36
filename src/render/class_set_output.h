#pragma once

#include "core/class_set.h"
#include "page_model/page_controls.h"
#include "render/pdf_output.h"

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QIODevice;
class QPagedPaintDevice;
class QPainter;

namespace tallyworth {

// The part of a worksheet's page that a worksheet can draw on, in page inches: every
// layout's cells with their widest captions (a four-digit dividend in the first column
// would reach past the page's left edge), without the page's own empty margins.
inline constexpr QRectF kWorksheetArea(-0.25, 0.0, 7.75, 10.5);

// Where a page of a class set goes inside the printable area, in inches from its top-left
// corner: the header band across the top (empty without the header), and the worksheet's
// page, scaled by pageScale (never above 1) to fit below the band. Only kWorksheetArea of
// the page is placed: page is where it lands. pageScale is 0 when the printable area is
// too small to hold anything.
struct SetPagePlace {
    QRectF band;
    QRectF page;
    double pageScale = 0;
};
[[nodiscard]] SetPagePlace PlaceSetPage(const QSizeF& printableInches, bool header);

// Paints every page of a class set on an open paged device (a PDF writer or a printer),
// starting a new page between pages: each page gets its header band (unless the request
// leaves it out) and the worksheet page scaled uniformly, never enlarged, to fit under the
// band inside the device's printable area. Pages are made and painted one at a time.
// Stops, cancelled, when progress reports that the user cancelled.
[[nodiscard]] PrintOutcome PaintClassSet(QPainter& painter, QPagedPaintDevice& device,
                                         const ClassSetRequest& request, SetProgress& progress);

// Writes the whole set as one PDF on the given paper into an open device, with the sheets'
// codes in the document's metadata, as its keywords. Fails, writing what it had, as
// PaintClassSet does.
[[nodiscard]] PrintOutcome WriteClassSetPdfTo(QIODevice& device, const ClassSetRequest& request,
                                              const QPageSize& paper, SetProgress& progress);

// Writes the whole set as one PDF on the given paper. The file is written whole or not
// at all: a failure or a cancel leaves nothing under fileName.
[[nodiscard]] PrintOutcome WriteClassSetPdf(const ClassSetRequest& request, const QPageSize& paper,
                                            const QString& fileName, SetProgress& progress);

// The layout of every PDF of worksheets on the given paper: portrait, inside a margin every
// printer can print, so that it prints at the size it was laid out for.
[[nodiscard]] QPageLayout WorksheetPdfLayout(const QPageSize& paper);

// Paints one worksheet page alone on an open paged device, placed as a class set places its
// pages without the band: the same margin and proportions on every paper.
void PaintLonePage(QPainter& painter, const QPagedPaintDevice& device, const PageControls& page);

// The title every class set carries, as a PDF and as a print job, in the user's language.
[[nodiscard]] QString ClassSetTitle();

// The system's paper: US Letter where the country of PaperLocale prints on it, A4
// elsewhere. The class set dialog offers it; Save as PDF and the command line write on it,
// and a printer that names no paper of its own prints on it.
[[nodiscard]] QPageSize SystemPaper();

}  // namespace tallyworth
