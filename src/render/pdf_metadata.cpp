#include "render/pdf_metadata.h"

#include <QDateTime>
#include <QRegularExpression>

#include <optional>

namespace tallyworth {

namespace {

// The end of the toolkit's PDF (trailer, cross-reference offset, end mark) fits in this
// with room to spare.
constexpr qsizetype kTailBytes = 4096;
// Large enough that passing it on costs little, small enough that pages are not held.
constexpr qsizetype kPassOnBytes = qsizetype{64} * 1024;

// What an update must know of the PDF it follows.
struct Trailer {
    QByteArray size;
    QByteArray root;
    QByteArray id;  // the document's identifier, kept the same across updates
    QByteArray crossReference;
};

std::optional<Trailer> ReadTrailer(const QByteArray& tail) {
    const qsizetype start = tail.lastIndexOf("trailer");
    if (start < 0) {
        return std::nullopt;
    }
    const QString text = QString::fromLatin1(tail.mid(start));
    const auto find = [&text](const char* pattern) {
        return QRegularExpression(QString::fromLatin1(pattern)).match(text).captured(1).toLatin1();
    };
    Trailer trailer{find(R"(/Size\s+(\d+))"), find(R"(/Root\s+(\d+\s+\d+\s+R))"),
                    find(R"((/ID\s*\[[^\]]*\]))"), find(R"(startxref\s+(\d+))")};
    if (trailer.size.isEmpty() || trailer.root.isEmpty() || trailer.crossReference.isEmpty()) {
        return std::nullopt;
    }
    return trailer;
}

// Any text as a PDF text string: UTF-16 with its byte-order mark, in hexadecimal.
QByteArray PdfText(const QString& text) {
    QByteArray bytes("\xFE\xFF", 2);
    for (const QChar character : text) {
        bytes.append(static_cast<char>(character.unicode() >> 8U));
        bytes.append(static_cast<char>(character.unicode() & 0xFFU));
    }
    return '<' + bytes.toHex().toUpper() + '>';
}

QByteArray InfoDictionary(const PdfInfo& info) {
    const QByteArray date =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    return "<<\n/Title " + PdfText(info.title) + "\n/Subject " + PdfText(info.subject) +
           "\n/Keywords " + PdfText(info.keywords) + "\n/Creator " +
           PdfText(QStringLiteral("Tallyworth")) + "\n/Producer " +
           PdfText(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())) +
           "\n/CreationDate (D:" + date + "Z)\n>>";
}

// An update that adds one object, the new information dictionary, and points the
// trailer at it; the rest of the document stays as it was.
QByteArray InfoUpdate(const Trailer& trailer, qint64 offset, const PdfInfo& info) {
    const QByteArray object = trailer.size;
    QByteArray update = object + " 0 obj\n" + InfoDictionary(info) + "\nendobj\n";
    const qint64 crossReference = offset + update.size();
    // Cross-reference entries are exactly 20 bytes each.
    update += "xref\n0 1\n0000000000 65535 f \n" + object + " 1\n" +
              QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    update += "trailer\n<<\n/Size " + QByteArray::number(trailer.size.toLongLong() + 1) +
              "\n/Root " + trailer.root + "\n/Info " + object + " 0 R\n/Prev " +
              trailer.crossReference + '\n' + trailer.id + "\n>>\nstartxref\n" +
              QByteArray::number(crossReference) + "\n%%EOF\n";
    return update;
}

}  // namespace

PdfTailRecorder::PdfTailRecorder(QIODevice& target) : target_(target) {
    open(QIODevice::WriteOnly);
}

PdfTailRecorder::~PdfTailRecorder() {
    (void)Flush();
}

bool PdfTailRecorder::Flush() {
    if (!pending_.isEmpty()) {
        failed_ = failed_ || target_.write(pending_) != pending_.size();
        passedOn_ += pending_.size();
        tail_ = (tail_ + pending_).right(kTailBytes);
        pending_.clear();
    }
    return !failed_;
}

QByteArray PdfTailRecorder::Tail() const {
    return (tail_ + pending_).right(kTailBytes);
}

qint64 PdfTailRecorder::readData(char* /*data*/, qint64 /*maxSize*/) {
    return -1;
}

qint64 PdfTailRecorder::writeData(const char* data, qint64 size) {
    pending_.append(data, static_cast<qsizetype>(size));
    if (pending_.size() >= kPassOnBytes && !Flush()) {
        return -1;
    }
    return size;
}

bool AppendPdfInfo(PdfTailRecorder& recorder, const PdfInfo& info) {
    const std::optional<Trailer> trailer = ReadTrailer(recorder.Tail());
    if (!trailer) {
        return false;
    }
    const QByteArray update = InfoUpdate(*trailer, recorder.Written(), info);
    return recorder.write(update) == update.size() && recorder.Flush();
}

}  // namespace tallyworth
