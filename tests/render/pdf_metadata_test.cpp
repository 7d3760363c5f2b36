#include "render/pdf_metadata.h"
#include "support/pdf_reading.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace tallyworth {
namespace {

using print_test::PdfInfoPart;
using print_test::ReadPdfInfo;

// Translated titles and sentences hold letters beyond ASCII and may hold the characters
// XML reserves; the metadata must carry them as they are.
TEST(SetPdfMetadata, CarriesAnyTextIntactIntoTheDocumentInformationAndTheXmp) {
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("sheet.pdf"));
    const PdfMetadata metadata{QStringLiteral("Übungsblatt <A & B>"),
                               QStringLiteral("Código de la hoja «A»"),
                               {QStringLiteral("A-1"), QStringLiteral("B-2")}};
    {
        QPdfWriter writer(file);
        SetPdfMetadata(writer, metadata);
        QPainter painter(&writer);
    }
    EXPECT_TRUE(ReadPdfInfo(file, PdfInfoPart::Document)
                    .contains(QStringLiteral("Title:           Übungsblatt <A & B>\n")));
    const QString xmp = ReadPdfInfo(file, PdfInfoPart::Xmp);
    for (const char* expected :
         {"Übungsblatt &lt;A &amp; B&gt;</rdf:li>", "Código de la hoja «A»</rdf:li>",
          "<rdf:li>A-1</rdf:li>", "<rdf:li>B-2</rdf:li>", "<pdf:Keywords>A-1, B-2</pdf:Keywords>",
          "<xmp:CreatorTool>Tallyworth</xmp:CreatorTool>"}) {
        EXPECT_TRUE(xmp.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                               << xmp.toStdString();
    }
}

}  // namespace
}  // namespace tallyworth
