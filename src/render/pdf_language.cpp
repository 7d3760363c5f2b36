#include "render/pdf_language.h"

#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace tallyworth {

namespace {

// The trailer and startxref after the cross-reference table: a few hundred bytes.
constexpr qsizetype kTailBytes = 4096;
// Enough for a header split across two writes ("123456 0 obj" and the line break before it).
constexpr qsizetype kHeaderBytes = 32;
// No catalogue this writer makes comes near it; a larger object is not looked into further.
constexpr qsizetype kLongestCatalogue = qsizetype{64} * 1024;

// A PDF string of printable ASCII, as a language tag is.
QByteArray PdfString(const QString& text) {
    QByteArray bytes = text.toLatin1();
    bytes.replace('\\', "\\\\").replace('(', "\\(").replace(')', "\\)");
    return '(' + bytes + ')';
}

// Where the first object header ("12 0 obj" at the start of a line) begins, -1 if none
// has come whole.
qsizetype ObjectHeaderAt(const QByteArray& bytes) {
    static const QRegularExpression header(QStringLiteral("(?<=[\\r\\n])\\d+ \\d+ obj[\\s<]"));
    return header.match(QString::fromLatin1(bytes)).capturedStart();
}

// An object of a dictionary of /Type /Catalog: its number and generation, and its entries.
bool ReadCatalogue(const QByteArray& object, QByteArray& reference, QByteArray& entries) {
    static const QRegularExpression catalogue(
        QStringLiteral("^(\\d+ \\d+) obj\\s*<<([\\s\\S]*/Type\\s*/Catalog\\b[\\s\\S]*)>>\\s*$"));
    const QRegularExpressionMatch match = catalogue.match(QString::fromLatin1(object));
    reference = match.captured(1).toLatin1();
    entries = match.captured(2).toLatin1();
    return match.hasMatch();
}

struct Trailer {
    QByteArray root;  // "number generation" of the catalogue
    QByteArray size;
    QByteArray info;
    QByteArray id;
    QByteArray startXref;
};

// The last trailer's entries this update carries on, and where its cross-reference
// table starts.
bool FindTrailer(const QByteArray& tail, Trailer& trailer) {
    const qsizetype at = tail.lastIndexOf("trailer");
    static const QRegularExpression entries(QStringLiteral(
        "^trailer\\s*<<(?=[\\s\\S]*/Root\\s+(\\d+ \\d+) R)(?=[\\s\\S]*/Size\\s+(\\d+))"
        "(?:(?=[\\s\\S]*/Info\\s+(\\d+ \\d+ R)))?(?:(?=[\\s\\S]*(/ID\\s*\\[[^\\]]*\\])))?"
        "[\\s\\S]*>>\\s*startxref\\s+(\\d+)\\s+%%EOF\\s*$"));
    const QRegularExpressionMatch match =
        entries.match(QString::fromLatin1(tail.mid(std::max<qsizetype>(at, 0))));
    if (at < 0 || !match.hasMatch()) {
        return false;
    }
    trailer = {match.captured(1).toLatin1(), match.captured(2).toLatin1(),
               match.captured(3).toLatin1(), match.captured(4).toLatin1(),
               match.captured(5).toLatin1()};
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
    Watch(bytes);
    tail_ = (tail_ + bytes).right(kTailBytes);
    written_ += size;
    return size;
}

// Reads the objects as they pass and keeps each catalogue among them.
void LanguageTaggedPdf::Watch(const QByteArray& bytes) {
    pending_ += bytes;
    while (true) {
        if (!inObject_) {
            const qsizetype header = ObjectHeaderAt(pending_);
            if (header < 0) {
                pending_ = pending_.right(kHeaderBytes);
                return;
            }
            pending_.remove(0, header);
            inObject_ = true;
        }
        if (!ReadObject()) {
            return;
        }
    }
}

// Reads the object pending_ starts with: false while it has not come whole.
bool LanguageTaggedPdf::ReadObject() {
    const qsizetype end = pending_.indexOf("endobj");
    const qsizetype stream = pending_.indexOf("stream");
    // A stream (a page's drawing, a font) is no catalogue; its bytes are passed over.
    if (stream >= 0 && (end < 0 || stream < end)) {
        pending_.remove(0, stream);
    } else if (end >= 0) {
        QByteArray reference;
        QByteArray entries;
        if (ReadCatalogue(pending_.left(end), reference, entries)) {
            catalogues_.insert(reference, entries);
        }
        pending_.remove(0, end);
    } else {
        if (pending_.size() > kLongestCatalogue) {
            pending_ = pending_.right(kHeaderBytes);
            inObject_ = false;
        }
        return false;
    }
    inObject_ = false;
    return true;
}

bool LanguageTaggedPdf::Finish() {
    Trailer trailer;
    if (!FindTrailer(tail_, trailer) || !catalogues_.contains(trailer.root)) {
        return false;
    }
    const QList<QByteArray> numbers = trailer.root.split(' ');
    const qint64 objectAt = written_;
    QByteArray update = trailer.root + " obj\n<<" + catalogues_.value(trailer.root) + "/Lang " +
                        PdfString(language_) + "\n>>\nendobj\n";
    const qint64 xrefAt = objectAt + update.size();
    update += "xref\n0 1\n0000000000 65535 f \n" + numbers[0] + " 1\n" +
              QByteArray::number(objectAt).rightJustified(10, '0') + ' ' +
              numbers[1].rightJustified(5, '0') + " n \n";
    update += "trailer\n<<\n/Size " + trailer.size + "\n/Root " + trailer.root + " R\n";
    for (const QByteArray& entry :
         {trailer.info.isEmpty() ? QByteArray() : "/Info " + trailer.info, trailer.id}) {
        update += entry.isEmpty() ? QByteArray() : entry + '\n';
    }
    update += "/Prev " + trailer.startXref + "\n>>\nstartxref\n" + QByteArray::number(xrefAt) +
              "\n%%EOF\n";
    return target_.write(update) == update.size();
}

}  // namespace tallyworth
