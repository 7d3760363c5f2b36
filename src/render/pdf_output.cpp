#include "render/pdf_output.h"

#include "render/page_painter.h"

#include <QCoreApplication>
#include <QDir>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace tallyworth {

namespace {

// Fine enough that a PDF viewer's zoom never shows steps in the lines.
constexpr int kPdfDotsPerInch = 1200;

PrintOutcome CouldNotSave(const QString& fileName, const QString& reason) {
    return {false, QCoreApplication::translate("tallyworth::Printing", "Could not save \"%1\": %2.")
                       .arg(QDir::toNativeSeparators(fileName), reason)};
}

QPageLayout LetterWithoutMargins() {
    return {QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(), QPageLayout::Inch};
}

// Draws the page into an open file; on failure message holds the reason alone.
PrintOutcome WritePdf(const PageControls& page, QIODevice& device) {
    QPdfWriter writer(&device);
    writer.setPageLayout(LetterWithoutMargins());
    writer.setResolution(kPdfDotsPerInch);
    writer.setTitle(JobTitle());
    writer.setCreator(QStringLiteral("Tallyworth"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return {false, QCoreApplication::translate("tallyworth::Printing",
                                                   "the PDF could not be started")};
    }
    PaintPage(painter, page, kPdfDotsPerInch);
    if (!painter.end()) {
        return {false, QCoreApplication::translate("tallyworth::Printing",
                                                   "the PDF could not be finished")};
    }
    return {true, {}};
}

}  // namespace

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

PrintOutcome SavePageAsPdf(const PageControls& page, const QString& fileName) {
    return SavePdfFile(fileName, [&page](QIODevice& file) { return WritePdf(page, file); });
}

}  // namespace tallyworth
