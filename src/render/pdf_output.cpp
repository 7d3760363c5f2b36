#include "render/pdf_output.h"

#include "core/class_set.h"
#include "core/translations.h"
#include "render/page_painter.h"
#include "render/pdf_language.h"
#include "render/pdf_metadata.h"
#include "render/pdf_text_layer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

namespace tallyworth {

namespace {

// The reason goes into this sentence, so a full stop of its own is left out.
PrintOutcome CouldNotSave(const QString& fileName, const QString& reason) {
    const QString clause = reason.endsWith(u'.') ? reason.chopped(1) : reason;
    return PrintOutcome::Failed(
        QCoreApplication::translate("tallyworth::Printing", "Could not save \"%1\": %2.")
            .arg(QDir::toNativeSeparators(fileName), clause));
}

constexpr double kPaperMargin = 0.5;

QPageLayout PaperWithoutMargins(const QPageSize& paper) {
    return {paper, QPageLayout::Portrait, QMarginsF(), QPageLayout::Inch};
}

// The frame a page was made for: US Letter for the original page, its area with the same
// margins around it for a page laid out anew.
QSizeF FrameOf(const PrintedPage& page) {
    if (page.area == kWorksheetArea) {
        return {kPageWidthInches, kPageHeightInches};
    }
    return {page.area.right() + page.area.left(), page.area.bottom() + page.area.top()};
}

// Paints the page on paper of the given inches: its frame scaled down to fit, never up,
// and centred across.
void PaintOnPaper(QPainter& painter, const PrintedPage& page, const QSizeF& paper) {
    const QSizeF frame = FrameOf(page);
    const double scale =
        std::min({1.0, paper.width() / frame.width(), paper.height() / frame.height()});
    painter.save();
    painter.translate((paper.width() - frame.width() * scale) / 2 * kPdfDotsPerInch, 0);
    painter.scale(scale, scale);
    PaintPage(painter, page, kPdfDotsPerInch, PageText::ReadingOrder);
    painter.restore();
}

// Paints each page with paint, starting a new page of the device between them.
PrintOutcome PaintEachPage(QPagedPaintDevice& device, const std::vector<PrintedPage>& pages,
                           const std::function<void(const PrintedPage&)>& paint) {
    for (std::size_t index = 0; index < pages.size(); ++index) {
        if (index > 0 && !device.newPage()) {
            return NoNewPage();
        }
        paint(pages[index]);
    }
    return PrintOutcome::Done();
}

// The code goes into the title too: viewers show the title, few show the keywords.
PdfMetadata PageMetadata(const QString& sheetCode) {
    if (sheetCode.isEmpty()) {
        return {JobTitle(), {}, {}};
    }
    return {QCoreApplication::translate("tallyworth::Printing", "Tallyworth worksheet %1")
                .arg(sheetCode),
            QCoreApplication::translate("tallyworth::Printing", "Sheet code %1").arg(sheetCode),
            {sheetCode}};
}

}  // namespace

PrintOutcome NoNewPage() {
    return PrintOutcome::Failed(
        QCoreApplication::translate("tallyworth::ClassSet", "A new page could not be started."));
}

PrintOutcome PaintPdf(QIODevice& device, const QPageLayout& layout, const PdfMetadata& metadata,
                      const std::function<PrintOutcome(QPainter&, QPdfWriter&)>& paint,
                      int dotsPerInch) {
    LanguageTaggedPdf tagged(device, QLocale(SpokenLanguage()).bcp47Name());
    TextLayerPdf layered(tagged);
    QPdfWriter writer(&layered);
    writer.setPageLayout(layout);
    writer.setResolution(dotsPerInch);
    SetPdfMetadata(writer, metadata);
    QPainter painter;
    if (!painter.begin(&writer)) {
        return PrintOutcome::Failed(
            QCoreApplication::translate("tallyworth::Printing", "the PDF could not be started"));
    }
    PrintOutcome painted = paint(painter, writer);
    const bool ended = painter.end();
    if (painted.Succeeded() && !(ended && layered.Finish() && tagged.Finish())) {
        return PrintOutcome::Failed(
            QCoreApplication::translate("tallyworth::Printing", "the PDF could not be finished"));
    }
    return painted;
}

QString JobTitle() {
    return QCoreApplication::translate("tallyworth::Printing", "Tallyworth worksheet");
}

PrintOutcome SavePdfFile(const QString& fileName,
                         const std::function<PrintOutcome(QIODevice&)>& write) {
    if (fileName.isEmpty()) {
        return PrintOutcome::Failed(QCoreApplication::translate(
            "tallyworth::Printing", "Could not save the PDF: no file name was given."));
    }
    // Replacing a device or a pipe by a new file would break what it stands for
    // (/dev/null, a reader waiting at the pipe): it gets the PDF as a stream.
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        QFile stream(fileName);
        if (!stream.open(QIODevice::WriteOnly)) {
            return CouldNotSave(fileName, stream.errorString());
        }
        return WritePdfStream(stream, fileName, write);
    }
    // The PDF goes to a temporary file beside the target, which takes the target's name
    // only once it is complete.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return CouldNotSave(fileName, file.errorString());
    }
    if (PrintOutcome written = write(file); !written.Succeeded()) {
        file.cancelWriting();
        return written.kind == OutcomeKind::Cancelled ? written
                                                      : CouldNotSave(fileName, written.message);
    }
    if (!file.commit()) {
        return CouldNotSave(fileName, file.errorString());
    }
    return PrintOutcome::Done();
}

PrintOutcome WritePdfStream(QFileDevice& stream, const QString& name,
                            const std::function<PrintOutcome(QIODevice&)>& write) {
    PrintOutcome written = write(stream);
    if (written.Succeeded() && (!stream.flush() || stream.error() != QFileDevice::NoError)) {
        return CouldNotSave(name, stream.errorString());
    }
    return written.kind == OutcomeKind::Failed ? CouldNotSave(name, written.message) : written;
}

PrintOutcome PaintPages(QPainter& painter, QPagedPaintDevice& device,
                        const std::vector<PrintedPage>& pages, double dotsPerInch) {
    return PaintEachPage(device, pages, [&](const PrintedPage& page) {
        PaintPage(painter, page, dotsPerInch, PageText::ReadingOrder);
    });
}

QRectF PaperArea(const QPageSize& paper) {
    const QSizeF size = paper.size(QPageSize::Inch);
    return {kPaperMargin, kPaperMargin, size.width() - 2 * kPaperMargin,
            size.height() - 2 * kPaperMargin};
}

PrintOutcome SavePagesAsPdf(const PageMaker& pages, const QString& fileName,
                            const QString& sheetCode) {
    const QPageSize paper = SystemPaper();
    const std::vector<PrintedPage> made = pages(PaperArea(paper));
    return SavePdfFile(fileName, [&](QIODevice& file) {
        return PaintPdf(file, PaperWithoutMargins(paper), PageMetadata(sheetCode),
                        [&](QPainter& painter, QPdfWriter& writer) {
                            return PaintEachPage(writer, made, [&](const PrintedPage& page) {
                                PaintOnPaper(painter, page, paper.size(QPageSize::Inch));
                            });
                        });
    });
}

QPageSize PageSizeOf(Paper paper) {
    return QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

QPageSize SystemPaper() {
    return PageSizeOf(PaperOf(PaperLocale()));
}

}  // namespace tallyworth
