#include "render/pdf_output.h"

#include "render/page_painter.h"

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

PrintOutcome Failure(const QString& message) {
    return {false, message};
}

QString CouldNotSave(const QString& fileName, const QString& reason) {
    return QStringLiteral("Could not save \"%1\": %2.")
        .arg(QDir::toNativeSeparators(fileName), reason);
}

QPageLayout LetterWithoutMargins() {
    return {QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(), QPageLayout::Inch};
}

// Draws the page into an open file. Returns an empty text on success.
QString WritePdf(const PageControls& page, QIODevice& device) {
    QPdfWriter writer(&device);
    writer.setPageLayout(LetterWithoutMargins());
    writer.setResolution(kPdfDotsPerInch);
    writer.setTitle(JobTitle());
    writer.setCreator(QStringLiteral("Tallyworth"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return QStringLiteral("the PDF could not be started");
    }
    PaintPage(painter, page, kPdfDotsPerInch);
    if (!painter.end()) {
        return QStringLiteral("the PDF could not be finished");
    }
    return {};
}

}  // namespace

const QString& JobTitle() {
    static const QString kTitle = QStringLiteral("Tallyworth worksheet");
    return kTitle;
}

PrintOutcome SavePageAsPdf(const PageControls& page, const QString& fileName) {
    if (fileName.isEmpty()) {
        return Failure(QStringLiteral("Could not save the PDF: no file name was given."));
    }
    // The PDF goes to a temporary file beside the target, which takes the target's name
    // only once it is complete.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return Failure(CouldNotSave(fileName, file.errorString()));
    }
    if (const QString problem = WritePdf(page, file); !problem.isEmpty()) {
        file.cancelWriting();
        return Failure(CouldNotSave(fileName, problem));
    }
    if (!file.commit()) {
        return Failure(CouldNotSave(fileName, file.errorString()));
    }
    return {true, {}};
}

}  // namespace tallyworth
