#include "render/pdf_output.h"

#include "render/page_painter.h"
#include "render/pdf_metadata.h"

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

namespace tallyworth {

namespace {

PrintOutcome CouldNotSave(const QString& fileName, const QString& reason) {
    return {false, QCoreApplication::translate("tallyworth::Printing", "Could not save \"%1\": %2.")
                       .arg(QDir::toNativeSeparators(fileName), reason)};
}

QPageLayout LetterWithoutMargins() {
    return {QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(), QPageLayout::Inch};
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
        return {false, QCoreApplication::translate("tallyworth::Printing",
                                                   "the PDF could not be started")};
    }
    PrintOutcome painted = paint(painter, writer);
    if (!painter.end() && painted.ok) {
        return {false, QCoreApplication::translate("tallyworth::Printing",
                                                   "the PDF could not be finished")};
    }
    return painted;
}

QString JobTitle() {
    return QCoreApplication::translate("tallyworth::Printing", "Tallyworth worksheet");
}

PrintOutcome SavePdfFile(const QString& fileName,
                         const std::function<PrintOutcome(QIODevice&)>& write) {
    if (fileName.isEmpty()) {
        return {false,
                QCoreApplication::translate("tallyworth::Printing",
                                            "Could not save the PDF: no file name was given.")};
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
    if (PrintOutcome written = write(file); !written.ok) {
        file.cancelWriting();
        return written.message.isEmpty() ? written : CouldNotSave(fileName, written.message);
    }
    if (!file.commit()) {
        return CouldNotSave(fileName, file.errorString());
    }
    return {true, {}};
}

PrintOutcome WritePdfStream(QFileDevice& stream, const QString& name,
                            const std::function<PrintOutcome(QIODevice&)>& write) {
    PrintOutcome written = write(stream);
    if (written.ok && (!stream.flush() || stream.error() != QFileDevice::NoError)) {
        return CouldNotSave(name, stream.errorString());
    }
    return written.ok || written.message.isEmpty() ? written : CouldNotSave(name, written.message);
}

PrintOutcome SavePageAsPdf(const PageControls& page, const QString& fileName,
                           const QString& sheetCode) {
    return SavePdfFile(fileName, [&page, &sheetCode](QIODevice& file) {
        return PaintPdf(file, LetterWithoutMargins(), PageMetadata(sheetCode),
                        [&page](QPainter& painter, QPdfWriter& /*writer*/) {
                            PaintPage(painter, page, kPdfDotsPerInch);
                            return PrintOutcome{true, {}};
                        });
    });
}

}  // namespace tallyworth
