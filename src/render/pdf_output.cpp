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
#include <QXmlStreamWriter>

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

QString PdfTitle(const QString& sheetCode) {
    return sheetCode.isEmpty()
               ? JobTitle()
               : QCoreApplication::translate("tallyworth::Printing", "Tallyworth worksheet %1")
                     .arg(sheetCode);
}

constexpr auto kRdf = u"http://www.w3.org/1999/02/22-rdf-syntax-ns#";
constexpr auto kDublinCore = u"http://purl.org/dc/elements/1.1/";
constexpr auto kAdobePdf = u"http://ns.adobe.com/pdf/1.3/";
constexpr auto kXmpBasic = u"http://ns.adobe.com/xap/1.0/";

// A property of the Dublin Core that XMP writes as a list: <dc:name><rdf:listKind><rdf:li>.
void WriteListProperty(QXmlStreamWriter& xml, const QString& name, const QString& listKind,
                       const QString& value, bool inDefaultLanguage) {
    xml.writeStartElement(QString::fromUtf16(kDublinCore), name);
    xml.writeStartElement(QString::fromUtf16(kRdf), listKind);
    xml.writeStartElement(QString::fromUtf16(kRdf), QStringLiteral("li"));
    if (inDefaultLanguage) {
        xml.writeAttribute(QStringLiteral("xml:lang"), QStringLiteral("x-default"));
    }
    xml.writeCharacters(value);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

// The toolkit's writer puts no subject or keywords into the document information, so the
// code goes into the file's XMP metadata, which then stands in for the writer's own.
QByteArray XmpMetadata(const QString& title, const QString& sheetCode) {
    QByteArray xmp;
    QXmlStreamWriter xml(&xmp);
    xml.setAutoFormatting(true);
    xml.writeProcessingInstruction(
        QStringLiteral("xpacket"),
        QStringLiteral("begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\""));
    xml.writeNamespace(QStringLiteral("adobe:ns:meta/"), QStringLiteral("x"));
    xml.writeNamespace(QString::fromUtf16(kRdf), QStringLiteral("rdf"));
    xml.writeNamespace(QString::fromUtf16(kDublinCore), QStringLiteral("dc"));
    xml.writeNamespace(QString::fromUtf16(kAdobePdf), QStringLiteral("pdf"));
    xml.writeNamespace(QString::fromUtf16(kXmpBasic), QStringLiteral("xmp"));
    xml.writeStartElement(QStringLiteral("adobe:ns:meta/"), QStringLiteral("xmpmeta"));
    xml.writeStartElement(QString::fromUtf16(kRdf), QStringLiteral("RDF"));
    xml.writeStartElement(QString::fromUtf16(kRdf), QStringLiteral("Description"));
    xml.writeAttribute(QString::fromUtf16(kRdf), QStringLiteral("about"), QString());
    WriteListProperty(xml, QStringLiteral("title"), QStringLiteral("Alt"), title, true);
    WriteListProperty(
        xml, QStringLiteral("description"), QStringLiteral("Alt"),
        QCoreApplication::translate("tallyworth::Printing", "Sheet code %1").arg(sheetCode), true);
    WriteListProperty(xml, QStringLiteral("subject"), QStringLiteral("Bag"), sheetCode, false);
    xml.writeTextElement(QString::fromUtf16(kAdobePdf), QStringLiteral("Keywords"), sheetCode);
    xml.writeTextElement(QString::fromUtf16(kXmpBasic), QStringLiteral("CreatorTool"),
                         QStringLiteral("Tallyworth"));
    xml.writeEndDocument();
    xml.writeProcessingInstruction(QStringLiteral("xpacket"), QStringLiteral("end=\"w\""));
    return xmp;
}

// Draws the page into an open file; on failure message holds the reason alone.
PrintOutcome WritePdf(const PageControls& page, QIODevice& device, const QString& sheetCode) {
    QPdfWriter writer(&device);
    writer.setPageLayout(LetterWithoutMargins());
    writer.setResolution(kPdfDotsPerInch);
    writer.setTitle(PdfTitle(sheetCode));
    writer.setCreator(QStringLiteral("Tallyworth"));
    if (!sheetCode.isEmpty()) {
        writer.setDocumentXmpMetadata(XmpMetadata(PdfTitle(sheetCode), sheetCode));
    }
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

PrintOutcome SavePageAsPdf(const PageControls& page, const QString& fileName,
                           const QString& sheetCode) {
    return SavePdfFile(
        fileName, [&page, &sheetCode](QIODevice& file) { return WritePdf(page, file, sheetCode); });
}

}  // namespace tallyworth
