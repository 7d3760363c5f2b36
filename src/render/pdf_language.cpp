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
// "endobj" and "stream", the words an object is read up to.
constexpr qsizetype kLongestWord = 6;
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
    // Most of a PDF is its pages' drawings: they are passed over without a regular expression.
    if (!bytes.contains(" obj")) {
        return -1;
    }
    static const QRegularExpression kHeader(QStringLiteral("(?<=[\\r\\n])\\d+ \\d+ obj[\\s<]"));
    return kHeader.match(QString::fromLatin1(bytes)).capturedStart();
}

// An object of a dictionary of /Type /Catalog: its number and generation, and its entries.
bool ReadCatalogue(const QByteArray& object, QByteArray& reference, QByteArray& entries) {
    static const QRegularExpression kCatalogue(
        QStringLiteral("^(\\d+ \\d+) obj\\s*<<([\\s\\S]*/Type\\s*/Catalog\\b[\\s\\S]*)>>\\s*$"));
    const QRegularExpressionMatch match = kCatalogue.match(QString::fromLatin1(object));
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
    if (at < 0) {
        return false;
    }
    const QString text = QString::fromLatin1(tail.mid(at));
    const auto entry = [&text](const char* pattern) {
        return QRegularExpression(QString::fromLatin1(pattern)).match(text).captured(1).toLatin1();
    };
    trailer = {entry("/Root\\s+(\\d+ \\d+) R"), entry("/Size\\s+(\\d+)"),
               entry("/Info\\s+(\\d+ \\d+ R)"), entry("(/ID\\s*\\[[^\\]]*\\])"),
               entry("startxref\\s+(\\d+)\\s+%%EOF\\s*$")};
    return !trailer.root.isEmpty() && !trailer.size.isEmpty() && !trailer.startXref.isEmpty();
}

// The catalogue again with the language, a cross-reference section of its own for it, and a
// trailer that leads back to the writer's. at: where the update starts in the file.
QByteArray LanguageUpdate(const Trailer& trailer, const QByteArray& entries,
                          const QString& language, qint64 at) {
    const QList<QByteArray> numbers = trailer.root.split(' ');
    QByteArray update =
        trailer.root + " obj\n<<" + entries + "/Lang " + PdfString(language) + "\n>>\nendobj\n";
    const qint64 xrefAt = at + update.size();
    update += "xref\n0 1\n0000000000 65535 f \n" + numbers[0] + " 1\n" +
              QByteArray::number(at).rightJustified(10, '0') + ' ' +
              numbers[1].rightJustified(5, '0') + " n \n";
    update += "trailer\n<<\n/Size " + trailer.size + "\n/Root " + trailer.root + " R\n";
    if (!trailer.info.isEmpty()) {
        update += "/Info " + trailer.info + '\n';
    }
    if (!trailer.id.isEmpty()) {
        update += trailer.id + '\n';
    }
    return update + "/Prev " + trailer.startXref + "\n>>\nstartxref\n" +
           QByteArray::number(xrefAt) + "\n%%EOF\n";
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
    // An object comes in many writes: what was looked through already is not looked through
    // again, but for a word that may have come in part.
    const qsizetype from = std::max<qsizetype>(0, searched_ - kLongestWord);
    const qsizetype end = pending_.indexOf("endobj", from);
    const qsizetype stream = pending_.indexOf("stream", from);
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
        searched_ = inObject_ ? pending_.size() : 0;
        return false;
    }
    inObject_ = false;
    searched_ = 0;
    return true;
}

bool LanguageTaggedPdf::Finish() {
    Trailer trailer;
    if (!FindTrailer(tail_, trailer) || !catalogues_.contains(trailer.root)) {
        return false;
    }
    const QByteArray update =
        LanguageUpdate(trailer, catalogues_.value(trailer.root), language_, written_);
    return target_.write(update) == update.size();
}

}  // namespace tallyworth
