#include "render/pdf_text_layer.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace tallyworth {

namespace {

// What the writer puts down, byte for byte, where the document is changed.
constexpr QByteArrayView kPageStart = "<<\n/Type /Page\n";
constexpr QByteArrayView kGreyBits = "/BitsPerComponent 1\n/ColorSpace /DeviceGray\n";
constexpr QByteArrayView kStencil = "/ImageMask true\n";
constexpr QByteArrayView kTableStart = "endobj\nxref\n0 ";
constexpr QByteArrayView kObjectEnd = "endobj\n";
// A page's annotations and its text mode: the stream's five bytes are "3 Tr\n".
constexpr QByteArrayView kNoAnnotations = " 0 obj\n[ ]\nendobj\n";
constexpr QByteArrayView kTextModeObject =
    " 0 obj\n<<\n/Length 5\n>>\nstream\n3 Tr\n\nendstream\nendobj\n";
// Bytes kept back in case a pattern is split between two writes.
constexpr qsizetype kHeldBack = kGreyBits.size() - 1;
// A cross-reference entry: "0000012345 00000 n \n".
constexpr qsizetype kEntryBytes = 20;
constexpr qsizetype kOffsetDigits = 10;

QByteArray AnnotationsOf(const QByteArray& number) {
    return number + kNoAnnotations.toByteArray();
}

}  // namespace

TextLayerPdf::TextLayerPdf(QIODevice& target) : target_(target) {
    open(QIODevice::WriteOnly);
}

qint64 TextLayerPdf::readData(char* /*data*/, qint64 /*maxSize*/) {
    return -1;
}

qint64 TextLayerPdf::writeData(const char* data, qint64 size) {
    pending_.append(data, static_cast<qsizetype>(size));
    while (!failed_ && Step()) {
    }
    return failed_ ? -1 : size;
}

bool TextLayerPdf::Pass(qsizetype bytes) {
    if (bytes <= 0) {
        return false;
    }
    if (target_.write(pending_.constData(), bytes) != bytes) {
        failed_ = true;
        return false;
    }
    lastPassed_ = pending_.at(bytes - 1);
    pending_.remove(0, bytes);
    pendingAt_ += bytes;
    return true;
}

bool TextLayerPdf::Replace(qsizetype bytes, const QByteArray& with) {
    if (target_.write(with) != with.size()) {
        failed_ = true;
        return false;
    }
    lastPassed_ = with.back();
    pending_.remove(0, bytes);
    pendingAt_ += bytes;
    shift_ += with.size() - bytes;
    shifts_.emplace_back(pendingAt_, shift_);
    return true;
}

bool TextLayerPdf::Step() {
    if (inTail_) {
        return false;
    }
    // The earliest of the places to change.
    const std::array<qsizetype, 3> found{pending_.indexOf(kPageStart), pending_.indexOf(kGreyBits),
                                         pending_.indexOf(kTableStart)};
    qsizetype at = -1;
    QByteArray annotations;
    for (const qsizetype place : found) {
        if (place >= 0 && (at < 0 || place < at)) {
            at = place;
        }
    }
    // An object of that number, not one whose number ends in it.
    for (const QByteArray& number : std::as_const(textModeObjects_)) {
        const qsizetype place = pending_.indexOf(AnnotationsOf(number));
        const char before = place > 0 ? pending_.at(place - 1) : lastPassed_;
        if (place >= 0 && before == '\n' && (at < 0 || place < at)) {
            at = place;
            annotations = number;
        }
    }
    if (at < 0) {
        return Pass(pending_.size() - kHeldBack);
    }
    if (at > 0) {
        return Pass(at);
    }
    if (!annotations.isEmpty()) {
        textModeObjects_.remove(annotations);
        ++pagesHidden_;
        return Replace(AnnotationsOf(annotations).size(),
                       annotations + kTextModeObject.toByteArray());
    }
    if (pending_.startsWith(kGreyBits)) {
        return Replace(kGreyBits.size(), kStencil.toByteArray());
    }
    if (pending_.startsWith(kTableStart)) {
        inTail_ = Pass(kObjectEnd.size());
        return false;
    }
    // A page: its contents start with its text mode, made of its annotations' object.
    const qsizetype end = pending_.indexOf("\n>>\n");
    if (end < 0) {
        return false;
    }
    static const QRegularExpression kPage(QStringLiteral(
        "^(<<\\n/Type /Page\\n/Parent \\d+ 0 R\\n)/Contents (\\d+) 0 R\\n(/Resources \\d+ 0 R\\n)"
        "/Annots (\\d+) 0 R\\n"));
    const QRegularExpressionMatch match = kPage.match(QString::fromLatin1(pending_.left(end)));
    if (!match.hasMatch()) {
        failed_ = true;
        return false;
    }
    const QByteArray textMode = match.captured(4).toLatin1();
    textModeObjects_.insert(textMode);
    ++pagesMarked_;
    return Replace(match.capturedLength(0), match.captured(1).toLatin1() + "/Contents [" +
                                                textMode + " 0 R " + match.captured(2).toLatin1() +
                                                " 0 R]\n" + match.captured(3).toLatin1());
}

qint64 TextLayerPdf::Moved(qint64 offset) const {
    const auto after = std::upper_bound(
        shifts_.begin(), shifts_.end(), offset,
        [](qint64 value, const std::pair<qint64, qint64>& shift) { return value < shift.first; });
    return after == shifts_.begin() ? offset : offset + std::prev(after)->second;
}

bool TextLayerPdf::Finish() {
    static const QRegularExpression kTable(QStringLiteral("^xref\\n0 (\\d+)\\n"));
    static const QRegularExpression kStartXref(QStringLiteral("startxref\\n(\\d+)"));
    const QString tail = QString::fromLatin1(pending_);
    const QRegularExpressionMatch head = kTable.match(tail);
    if (failed_ || !inTail_ || !textModeObjects_.isEmpty() || pagesMarked_ != pagesHidden_ ||
        !head.hasMatch()) {
        return false;
    }
    QByteArray moved = pending_;
    const qsizetype entries = head.captured(1).toLongLong();
    const qsizetype first = head.capturedLength(0);
    if (first + entries * kEntryBytes > moved.size()) {
        return false;
    }
    for (qsizetype entry = 0; entry < entries; ++entry) {
        const qsizetype at = first + entry * kEntryBytes;
        if (moved.at(at + kEntryBytes - 3) == 'n') {
            const qint64 offset = moved.mid(at, kOffsetDigits).toLongLong();
            moved.replace(at, kOffsetDigits,
                          QByteArray::number(Moved(offset)).rightJustified(kOffsetDigits, '0'));
        }
    }
    const QRegularExpressionMatch startMatch =
        kStartXref.match(tail, first + entries * kEntryBytes);
    if (!startMatch.hasMatch()) {
        return false;
    }
    moved.replace(startMatch.capturedStart(1), startMatch.capturedLength(1),
                  QByteArray::number(Moved(startMatch.captured(1).toLongLong())));
    return target_.write(moved) == moved.size();
}

}  // namespace tallyworth
