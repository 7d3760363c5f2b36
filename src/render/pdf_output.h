#pragma once

#include "core/class_set.h"
#include "page_model/printed_page.h"
#include "render/pdf_metadata.h"

#include <QPageSize>
#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

class QFileDevice;
class QIODevice;
class QPageLayout;
class QPagedPaintDevice;
class QPainter;
class QPdfWriter;

namespace tallyworth {

// What became of a print, an export or a class set.
enum class OutcomeKind {
    Done,
    Notice,     // done, with something the user should still read (a paused printer)
    Failed,     // not done, for the reason in the message
    Cancelled,  // stopped by the user, who needs no telling
};

struct [[nodiscard]] PrintOutcome {
    OutcomeKind kind = OutcomeKind::Done;
    QString message;  // in the user's words: the notice or the reason; empty otherwise

    static PrintOutcome Done() { return {}; }
    static PrintOutcome Notice(const QString& notice) { return {OutcomeKind::Notice, notice}; }
    static PrintOutcome Failed(const QString& reason) { return {OutcomeKind::Failed, reason}; }
    static PrintOutcome Cancelled() { return {OutcomeKind::Cancelled, {}}; }
    // True when the worksheets were made, with or without a notice.
    [[nodiscard]] bool Succeeded() const {
        return kind == OutcomeKind::Done || kind == OutcomeKind::Notice;
    }
};

// The title every printed or saved worksheet carries, in the user's language.
QString JobTitle();

// Fine enough that a PDF viewer's zoom never shows steps in the lines.
inline constexpr int kPdfDotsPerInch = 1200;

// Writes a PDF on an open device: a writer with the layout, the resolution and the
// metadata, and a painter on it for paint. Its pages are ink and a hidden text layer
// (TextLayerPdf), so paint draws what shows as strokes and stencils (PaintPage,
// PaintDocumentText). A writer that cannot start or finish is reported; otherwise paint's
// outcome is passed on.
PrintOutcome PaintPdf(QIODevice& device, const QPageLayout& layout, const PdfMetadata& metadata,
                      const std::function<PrintOutcome(QPainter&, QPdfWriter&)>& paint,
                      int dotsPerInch = kPdfDotsPerInch);

// Writes a PDF into fileName whole or not at all: write gets the open file and draws into
// it. A failure of write or of the file is reported naming the file; a cancel is passed
// on as it is. Nothing is left under fileName unless the PDF is complete. A fileName that
// names a device, a named pipe or a socket is written into as a stream (see
// WritePdfStream), never replaced.
PrintOutcome SavePdfFile(const QString& fileName,
                         const std::function<PrintOutcome(QIODevice&)>& write);

// Writes a PDF into an open stream (standard output, a pipe, a device) as it is drawn:
// what was written cannot be taken back. Failures are reported as SavePdfFile reports
// them, naming the stream by name.
PrintOutcome WritePdfStream(QFileDevice& stream, const QString& name,
                            const std::function<PrintOutcome(QIODevice&)>& write);

// The failure of a paged device that cannot start another page.
[[nodiscard]] PrintOutcome NoNewPage();

// Paints the pages on an open paged device, starting a new page between them, each with
// its problems as the document's text.
PrintOutcome PaintPages(QPainter& painter, QPagedPaintDevice& device,
                        const std::vector<PrintedPage>& pages, double dotsPerInch);

// Lays a sheet's pages out on the given area of the paper, in page inches. The original
// page has its own place and ignores the area; larger print and problems on a line flow
// over it.
using PageMaker = std::function<std::vector<PrintedPage>(const QRectF& area)>;

// The area a page laid out for paper stands on: inside a half-inch margin.
[[nodiscard]] QRectF PaperArea(const QPageSize& paper);

// Writes the pages as a PDF on the system's paper (SystemPaper), a page each, as they
// read. The original page keeps its place on US Letter and is scaled down uniformly to fit
// smaller paper; other pages are laid out for the paper. Nothing half-written is left under
// fileName when it fails. A sheet code, when given, goes into the file's metadata: into
// its title, which viewers show, and into its subject and keywords, which searches find.
PrintOutcome SavePagesAsPdf(const PageMaker& pages, const QString& fileName,
                            const QString& sheetCode = {});

// The system's paper: US Letter where the country of PaperLocale prints on it, A4
// elsewhere. The class set dialog offers it; Save as PDF and the command line write on it,
// and a printer that names no paper of its own prints on it.
[[nodiscard]] QPageSize SystemPaper();
// The page size of a paper.
[[nodiscard]] QPageSize PageSizeOf(Paper paper);

}  // namespace tallyworth
