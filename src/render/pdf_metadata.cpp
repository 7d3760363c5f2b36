#include "render/pdf_metadata.h"

#include <QPdfWriter>
#include <QXmlStreamWriter>

namespace tallyworth {

namespace {

constexpr auto kRdf = u"http://www.w3.org/1999/02/22-rdf-syntax-ns#";
constexpr auto kDublinCore = u"http://purl.org/dc/elements/1.1/";
constexpr auto kAdobePdf = u"http://ns.adobe.com/pdf/1.3/";
constexpr auto kXmpBasic = u"http://ns.adobe.com/xap/1.0/";

// A property of the Dublin Core that XMP writes as a list: <dc:name><rdf:listKind><rdf:li>.
// Text meant for people (an Alt list) is marked as being in the document's own language.
void WriteListProperty(QXmlStreamWriter& xml, const QString& name, const QString& listKind,
                       const QStringList& values) {
    const bool inDefaultLanguage = listKind == u"Alt";
    xml.writeStartElement(QString::fromUtf16(kDublinCore), name);
    xml.writeStartElement(QString::fromUtf16(kRdf), listKind);
    for (const QString& value : values) {
        xml.writeStartElement(QString::fromUtf16(kRdf), QStringLiteral("li"));
        if (inDefaultLanguage) {
            xml.writeAttribute(QStringLiteral("xml:lang"), QStringLiteral("x-default"));
        }
        xml.writeCharacters(value);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
}

void WriteNamespaces(QXmlStreamWriter& xml) {
    xml.writeNamespace(QStringLiteral("adobe:ns:meta/"), QStringLiteral("x"));
    xml.writeNamespace(QString::fromUtf16(kRdf), QStringLiteral("rdf"));
    xml.writeNamespace(QString::fromUtf16(kDublinCore), QStringLiteral("dc"));
    xml.writeNamespace(QString::fromUtf16(kAdobePdf), QStringLiteral("pdf"));
    xml.writeNamespace(QString::fromUtf16(kXmpBasic), QStringLiteral("xmp"));
}

// Readers take the subject (dc:description) and the keywords (pdf:Keywords, one string) of
// the document information from here; dc:subject holds the same keywords one by one.
QByteArray XmpPacket(const PdfMetadata& metadata) {
    QByteArray xmp;
    QXmlStreamWriter xml(&xmp);
    xml.setAutoFormatting(true);
    xml.writeProcessingInstruction(
        QStringLiteral("xpacket"),
        QStringLiteral("begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\""));
    WriteNamespaces(xml);
    xml.writeStartElement(QStringLiteral("adobe:ns:meta/"), QStringLiteral("xmpmeta"));
    xml.writeStartElement(QString::fromUtf16(kRdf), QStringLiteral("RDF"));
    xml.writeStartElement(QString::fromUtf16(kRdf), QStringLiteral("Description"));
    xml.writeAttribute(QString::fromUtf16(kRdf), QStringLiteral("about"), QString());
    WriteListProperty(xml, QStringLiteral("title"), QStringLiteral("Alt"), {metadata.title});
    WriteListProperty(xml, QStringLiteral("description"), QStringLiteral("Alt"),
                      {metadata.description});
    WriteListProperty(xml, QStringLiteral("subject"), QStringLiteral("Bag"), metadata.sheetCodes);
    xml.writeTextElement(QString::fromUtf16(kAdobePdf), QStringLiteral("Keywords"),
                         metadata.sheetCodes.join(QStringLiteral(", ")));
    xml.writeTextElement(QString::fromUtf16(kXmpBasic), QStringLiteral("CreatorTool"),
                         QStringLiteral("Tallyworth"));
    xml.writeEndDocument();
    xml.writeProcessingInstruction(QStringLiteral("xpacket"), QStringLiteral("end=\"w\""));
    return xmp;
}

}  // namespace

void SetPdfMetadata(QPdfWriter& writer, const PdfMetadata& metadata) {
    writer.setTitle(metadata.title);
    writer.setCreator(QStringLiteral("Tallyworth"));
    if (!metadata.sheetCodes.isEmpty()) {
        writer.setDocumentXmpMetadata(XmpPacket(metadata));
    }
}

}  // namespace tallyworth
