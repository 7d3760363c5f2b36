#include "render/pdf_output.h"
#include "page_model/page_controls.h"
#include "support/named_cases.h"
#include "support/pdf_reading.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <array>

namespace tallyworth {
namespace {

using print_test::PdfInfoPart;
using print_test::ReadPdfInfo;
using testing_support::PrintTo;  // NOLINT(misc-unused-using-decls): GoogleTest finds it

struct MetadataCase {
    const char* name;
    const char* sheetCode;
    const char* title;     // as pdfinfo shows it
    const char* keywords;  // in the XMP metadata; nullptr: none written
};

const std::array kMetadata{
    MetadataCase{"WithACode", "10035-40000-QQD3", "Tallyworth worksheet 10035-40000-QQD3\n",
                 "<pdf:Keywords>10035-40000-QQD3</pdf:Keywords>"},
    MetadataCase{"WithoutACode", "", "Tallyworth worksheet\n", nullptr},
};

class PdfMetadataTest : public ::testing::TestWithParam<MetadataCase> {};

TEST_P(PdfMetadataTest, CarriesTheSheetCodeInTitleAndKeywords) {
    const MetadataCase& metadata = GetParam();
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("sheet.pdf"));
    ASSERT_TRUE(
        SavePageAsPdf(MakeDesignPageControls(), file, QString::fromLatin1(metadata.sheetCode))
            .Succeeded());
    EXPECT_TRUE(ReadPdfInfo(file, PdfInfoPart::Document)
                    .contains(QStringLiteral("Title:           ") + metadata.title));
    const QString xmp = ReadPdfInfo(file, PdfInfoPart::Xmp);
    EXPECT_EQ(xmp.contains(QStringLiteral("Keywords")), metadata.keywords != nullptr);
    EXPECT_TRUE(metadata.keywords == nullptr || xmp.contains(QLatin1String(metadata.keywords)))
        << xmp.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Codes, PdfMetadataTest, ::testing::ValuesIn(kMetadata),
                         testing_support::kCaseName);

// Translated titles and sentences hold letters beyond ASCII and may hold the characters
// XML reserves; the metadata must carry them as they are.
TEST(SetPdfMetadata, CarriesAnyTextIntactIntoTheDocumentInformationAndTheXmp) {
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("sheet.pdf"));
    {
        QPdfWriter writer(file);
        SetPdfMetadata(writer, {QStringLiteral("Übungsblatt <A & B>"),
                                QStringLiteral("Código de la hoja «A»"),
                                {QStringLiteral("A-1"), QStringLiteral("B-2")}});
        QPainter painter(&writer);
    }
    EXPECT_TRUE(ReadPdfInfo(file, PdfInfoPart::Document)
                    .contains(QStringLiteral("Title:           Übungsblatt <A & B>\n")));
    const QString xmp = ReadPdfInfo(file, PdfInfoPart::Xmp);
    for (const char* expected :
         {"Übungsblatt &lt;A &amp; B&gt;</rdf:li>", "Código de la hoja «A»</rdf:li>",
          "<pdf:Keywords>A-1, B-2</pdf:Keywords>",
          "<xmp:CreatorTool>Tallyworth</xmp:CreatorTool>"}) {
        EXPECT_TRUE(xmp.contains(QString::fromUtf8(expected))) << expected;
    }
}

}  // namespace
}  // namespace tallyworth
