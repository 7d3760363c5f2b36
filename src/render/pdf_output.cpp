#include "render/pdf_output.h"

#include "render/class_set_output.h"
#include "render/pdf_metadata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace tallyworth {

namespace {

// The reason goes into this sentence, so a full stop of its own is left out.
PrintOutcome CouldNotSave(const QString& fileName, const QString& reason) {
    const QString clause = reason.endsWith(u'.') ? reason.chopped(1) : reason;
    return PrintOutcome::Failed(
        QCoreApplication::translate("tallyworth::Printing", "Could not save \"%1\": %2.")
            .arg(QDir::toNativeSeparators(fileName), clause));
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

PrintOutcome PaintPdf(QIODevice& device, const QPageLayout& layout, const PdfMetadata& metadata,
                      const std::function<PrintOutcome(QPainter&, QPdfWriter&)>& paint) {
    QPdfWriter writer(&device);
    writer.setPageLayout(layout);
    writer.setResolution(kPdfDotsPerInch);
    SetPdfMetadata(writer, metadata);
    QPainter painter;
    if (!painter.begin(&writer)) {
        return PrintOutcome::Failed(
            QCoreApplication::translate("tallyworth::Printing", "the PDF could not be started"));
    }
    PrintOutcome painted = paint(painter, writer);
    if (!painter.end() && painted.Succeeded()) {
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

PrintOutcome SavePageAsPdf(const PageControls& page, const QString& fileName,
                           const QString& sheetCode) {
    return SavePdfFile(fileName, [&page, &sheetCode](QIODevice& file) {
        return PaintPdf(file, WorksheetPdfLayout(SystemPaper()), PageMetadata(sheetCode),
                        [&page](QPainter& painter, QPdfWriter& writer) {
                            PaintLonePage(painter, writer, page);
                            return PrintOutcome::Done();
                        });
    });
}

}  // namespace tallyworth
