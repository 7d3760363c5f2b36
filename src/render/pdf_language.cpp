#include "render/pdf_language.h"

#include <QRegularExpression>

#include <utility>

namespace tallyworth {

namespace {

// The writer puts its catalogue near the start and its trailer at the very end.
constexpr qsizetype kHeadBytes = 4096;
constexpr qsizetype kTailBytes = 1024;

// A PDF string of printable ASCII, as a language tag is.
QByteArray PdfString(const QString& text) {
    QByteArray bytes = text.toLatin1();
    bytes.replace('\\', "\\\\").replace('(', "\\(").replace(')', "\\)");
    return '(' + bytes + ')';
}

struct Catalogue {
    QByteArray number;
    QByteArray entries;
};

// The catalogue object's number and the entries of its dictionary.
bool FindCatalogue(const QByteArray& head, Catalogue& catalogue) {
    static const QRegularExpression object(
        QStringLiteral("\\n(\\d+) 0 obj\\s*<<((?:(?!>>)[\\s\\S])*/Type\\s*/Catalog[\\s\\S]*?)>>"
                       "\\s*endobj"));
    const QRegularExpressionMatch match = object.match(QString::fromLatin1(head));
    if (!match.hasMatch()) {
        return false;
    }
    catalogue = {match.captured(1).toLatin1(), match.captured(2).toLatin1()};
    return true;
}

struct Trailer {
    QByteArray size;
    QByteArray info;
    QByteArray startXref;
};

bool FindTrailer(const QByteArray& tail, Trailer& trailer) {
    static const QRegularExpression size(QStringLiteral("/Size\\s+(\\d+)"));
    static const QRegularExpression info(QStringLiteral("/Info\\s+(\\d+ \\d+ R)"));
    static const QRegularExpression start(QStringLiteral("startxref\\s+(\\d+)\\s+%%EOF\\s*$"));
    const QString text = QString::fromLatin1(tail);
    const QRegularExpressionMatch sizeMatch = size.match(text);
    const QRegularExpressionMatch startMatch = start.match(text);
    if (!sizeMatch.hasMatch() || !startMatch.hasMatch()) {
        return false;
    }
    trailer = {sizeMatch.captured(1).toLatin1(), info.match(text).captured(1).toLatin1(),
               startMatch.captured(1).toLatin1()};
    return true;
}

}  // namespace

LanguageTaggedPdf::LanguageTaggedPdf(QIODevice& target, QString language)
    : target_(target), language_(std::move(language)) {
    open(QIODevice::WriteOnly);
}

qint64 LanguageTaggedPdf::readData(char* /*data*/, qint64 /*maxSize*/) {
    return -1;
}

qint64 LanguageTaggedPdf::writeData(const char* data, qint64 size) {
    const qint64 passed = target_.write(data, size);
    if (passed != size) {
        return -1;
    }
    const QByteArray bytes(data, static_cast<qsizetype>(size));
    if (head_.size() < kHeadBytes) {
        head_ += bytes.left(kHeadBytes - head_.size());
    }
    tail_ = (tail_ + bytes).right(kTailBytes);
    written_ += size;
    return size;
}

bool LanguageTaggedPdf::Finish() {
    Catalogue catalogue;
    Trailer trailer;
    if (!FindCatalogue(head_, catalogue) || !FindTrailer(tail_, trailer)) {
        return false;
    }
    const qint64 objectAt = written_;
    QByteArray update = catalogue.number + " 0 obj\n<<" + catalogue.entries + "/Lang " +
                        PdfString(language_) + "\n>>\nendobj\n";
    const qint64 xrefAt = objectAt + update.size();
    update += "xref\n0 1\n0000000000 65535 f \n" + catalogue.number + " 1\n" +
              QByteArray::number(objectAt).rightJustified(10, '0') + " 00000 n \n";
    update += "trailer\n<<\n/Size " + trailer.size + "\n/Root " + catalogue.number + " 0 R\n";
    if (!trailer.info.isEmpty()) {
        update += "/Info " + trailer.info + "\n";
    }
    update += "/Prev " + trailer.startXref + "\n>>\nstartxref\n" + QByteArray::number(xrefAt) +
              "\n%%EOF\n";
    return target_.write(update) == update.size();
}

}  // namespace tallyworth
