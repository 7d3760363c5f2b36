#include "render/pdf_output.h"
#include "page_model/page_controls.h"
#include "support/pdf_reading.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <array>
#include <string>

namespace tallyworth {
namespace {

using print_test::PdfInfoPart;
using print_test::ReadPdfInfo;

struct MetadataCase {
    const char* name;
    const char* sheetCode;
    const char* titleLine;  // as pdfinfo shows it
    const char* keywords;   // in the XMP metadata; nullptr: none written
};

const std::array kMetadata{
    MetadataCase{"WithACode", "10035-40000-QQD3",
                 "Title:           Tallyworth worksheet 10035-40000-QQD3",
                 "<pdf:Keywords>10035-40000-QQD3</pdf:Keywords>"},
    MetadataCase{"WithoutACode", "", "Title:           Tallyworth worksheet\n", nullptr},
};

void PrintTo(const MetadataCase& metadata, std::ostream* out) {
    *out << metadata.name;
}

class PdfMetadataTest : public ::testing::TestWithParam<MetadataCase> {};

TEST_P(PdfMetadataTest, CarriesTheSheetCodeInTitleSubjectAndKeywords) {
    const MetadataCase& metadata = GetParam();
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("sheet.pdf"));
    const PrintOutcome saved =
        SavePageAsPdf(MakeDesignPageControls(), file, QString::fromLatin1(metadata.sheetCode));
    ASSERT_TRUE(saved.Succeeded()) << saved.message.toStdString();
    EXPECT_TRUE(
        ReadPdfInfo(file, PdfInfoPart::Document).contains(QString::fromLatin1(metadata.titleLine)));
    const QString xmp = ReadPdfInfo(file, PdfInfoPart::Xmp);
    if (metadata.keywords == nullptr) {
        EXPECT_FALSE(xmp.contains(QStringLiteral("Keywords"))) << xmp.toStdString();
        return;
    }
    EXPECT_TRUE(xmp.contains(QString::fromLatin1(metadata.keywords))) << xmp.toStdString();
    EXPECT_TRUE(xmp.contains(QStringLiteral("<rdf:li>") + QString::fromLatin1(metadata.sheetCode) +
                             QStringLiteral("</rdf:li>")))
        << xmp.toStdString();
    EXPECT_TRUE(
        xmp.contains(QStringLiteral("Sheet code ") + QString::fromLatin1(metadata.sheetCode)))
        << xmp.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Codes, PdfMetadataTest, ::testing::ValuesIn(kMetadata),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace tallyworth
