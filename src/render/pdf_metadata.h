#pragma once

#include <QString>
#include <QStringList>

class QPdfWriter;

namespace tallyworth {

// What a PDF says about itself: a title, which viewers show, and the codes of its sheets
// with a sentence about them, which searches find.
struct PdfMetadata {
    QString title;
    QString description;
    QStringList sheetCodes;
};

// Gives a writer that has painted nothing yet the document's metadata. The title and the
// program's name go into the document information. The toolkit's writer can put nothing
// else there, so, when there are codes, the file's XMP metadata carries the title, the
// description as the document's subject and the codes as its keywords.
void SetPdfMetadata(QPdfWriter& writer, const PdfMetadata& metadata);

}  // namespace tallyworth
