#pragma once

#include "core/class_set.h"
#include "render/pdf_output.h"

#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QIODevice;
class QPagedPaintDevice;
class QPainter;

namespace tallyworth {

// Where a page of a class set goes inside the printable area, in inches from its top-left
// corner: the header band across the top (empty without the header), as tall as a QR code
// of the side qrSide where that is taller, and the worksheet's page, scaled by pageScale
// (never above 1) to fit below the band. Only kWorksheetArea of the page is placed: page is
// where it lands. pageScale is 0 when the printable area is too small to hold anything.
struct SetPagePlace {
    QRectF band;
    QRectF page;
    double pageScale = 0;
};
// The side of the square, in inches, that the QR codes of the sheets' practice links are
// printed in with their quiet zones: as tall as the header band at least; 0 when the set
// prints none (no public address, or no band).
[[nodiscard]] double QrSideOf(const ClassSetRequest& request);

[[nodiscard]] SetPagePlace PlaceSetPage(const QSizeF& printableInches, bool header,
                                        double qrSide = 0);

// Paints every page of a class set on an open paged device (a PDF writer or a printer),
// starting a new page between pages: each page gets its header band (unless the request
// leaves it out), on a sheet's page with the QR code of its practice link left of its code
// when the request has a public address, and the worksheet page scaled uniformly, never
// enlarged, to fit under the band inside the device's printable area. Pages are made and
// painted one at a time. Stops, cancelled, when progress reports that the user cancelled.
[[nodiscard]] PrintOutcome PaintClassSet(QPainter& painter, QPagedPaintDevice& device,
                                         const ClassSetRequest& request, SetProgress& progress);

// How many pages the set prints on the paper, keys and all.
[[nodiscard]] int ClassSetPageCount(const ClassSetRequest& request, const QPageSize& paper);

// Page pageIndex (from 0) of the set as it prints on the paper, margins and all, painted as
// on screen at dotsPerInch; a null image when the set has no such page.
[[nodiscard]] QImage ClassSetPageImage(const ClassSetRequest& request, const QPageSize& paper,
                                       int pageIndex, double dotsPerInch);

// A preview about as tall as a browser's window, whatever the paper.
inline constexpr double kPreviewDotsPerInch = 90;

// The same page as a PNG at kPreviewDotsPerInch; empty when the set has no such page.
[[nodiscard]] QByteArray ClassSetPagePng(const ClassSetRequest& request, const QPageSize& paper,
                                         int pageIndex);

// Writes the whole set as one PDF on the given paper into an open device, with the sheets'
// codes in the document's metadata, as its keywords. Fails, writing what it had, as
// PaintClassSet does.
[[nodiscard]] PrintOutcome WriteClassSetPdfTo(QIODevice& device, const ClassSetRequest& request,
                                              const QPageSize& paper, SetProgress& progress);

// Writes the whole set as one PDF on the given paper. The file is written whole or not
// at all: a failure or a cancel leaves nothing under fileName.
[[nodiscard]] PrintOutcome WriteClassSetPdf(const ClassSetRequest& request, const QPageSize& paper,
                                            const QString& fileName, SetProgress& progress);

// The title every class set carries, as a PDF and as a print job, in the user's language.
[[nodiscard]] QString ClassSetTitle();

}  // namespace tallyworth
