#include "render/pdf_text_layer.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cctype>

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
// Looked for in the order of TextLayerPdf::Place.
constexpr std::array<QByteArrayView, 4> kPatterns{kPageStart, kGreyBits, kTableStart,
                                                  kNoAnnotations};
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
    // What was handled goes once a write, not once a step: a page's drawing is one write.
    pending_.remove(0, read_);
    for (std::size_t place = 0; place < kPlaces; ++place) {
        found_[place] = found_[place] < 0 ? -1 : found_[place] - read_;
        searched_[place] = std::max<qsizetype>(0, searched_[place] - read_);
    }
    read_ = 0;
    return failed_ ? -1 : size;
}

qsizetype TextLayerPdf::Next(Place place) {
    const auto index = static_cast<std::size_t>(place);
    if (found_[index] >= read_) {
        return found_[index];
    }
    const QByteArrayView pattern = kPatterns[index];
    const qsizetype from = std::max(read_, searched_[index]);
    found_[index] = pending_.indexOf(pattern, from);
    // A pattern may have come in part: its start is looked at again with the next write.
    searched_[index] = found_[index] >= 0 ? found_[index] + 1
                                          : std::max(from, pending_.size() - pattern.size() + 1);
    return found_[index];
}

// The annotations are known by their number, which stands before the pattern: an object
// of that number, not one whose number ends in it.
qsizetype TextLayerPdf::NextTextMode(QByteArray& number) {
    while (true) {
        const qsizetype pattern = Next(Place::Annotations);
        if (pattern < 0) {
            return -1;
        }
        qsizetype start = pattern;
        while (start > read_ && std::isdigit(static_cast<unsigned char>(pending_.at(start - 1)))) {
            --start;
        }
        const char before = start > read_ ? pending_.at(start - 1) : lastPassed_;
        number = pending_.mid(start, pattern - start);
        if (before == '\n' && textModeObjects_.contains(number)) {
            return start;
        }
        found_[static_cast<std::size_t>(Place::Annotations)] = -1;
    }
}

bool TextLayerPdf::Pass(qsizetype bytes) {
    if (bytes <= 0) {
        return false;
    }
    if (target_.write(pending_.constData() + read_, bytes) != bytes) {
        failed_ = true;
        return false;
    }
    lastPassed_ = pending_.at(read_ + bytes - 1);
    read_ += bytes;
    pendingAt_ += bytes;
    return true;
}

bool TextLayerPdf::Replace(qsizetype bytes, const QByteArray& with) {
    if (target_.write(with) != with.size()) {
        failed_ = true;
        return false;
    }
    lastPassed_ = with.back();
    read_ += bytes;
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
    QByteArray annotations;
    const std::array<qsizetype, kPlaces> found{Next(Place::Page), Next(Place::GreyBits),
                                               Next(Place::Table), NextTextMode(annotations)};
    qsizetype at = -1;
    std::size_t earliest = 0;
    for (std::size_t place = 0; place < kPlaces; ++place) {
        if (found[place] >= 0 && (at < 0 || found[place] < at)) {
            at = found[place];
            earliest = place;
        }
    }
    if (at < 0) {
        return Pass(pending_.size() - read_ - kHeldBack);
    }
    if (at > read_) {
        return Pass(at - read_);
    }
    switch (static_cast<Place>(earliest)) {
        case Place::Annotations:
            textModeObjects_.remove(annotations);
            ++pagesHidden_;
            return Replace(AnnotationsOf(annotations).size(),
                           annotations + kTextModeObject.toByteArray());
        case Place::GreyBits:
            return Replace(kGreyBits.size(), kStencil.toByteArray());
        case Place::Table:
            inTail_ = Pass(kObjectEnd.size());
            return false;
        case Place::Page:
            break;
    }
    return MarkPage();
}

// A page: its contents start with its text mode, made of its annotations' object.
bool TextLayerPdf::MarkPage() {
    const qsizetype end = pending_.indexOf("\n>>\n", read_);
    if (end < 0) {
        return false;
    }
    static const QRegularExpression kPage(QStringLiteral(
        "^(<<\\n/Type /Page\\n/Parent \\d+ 0 R\\n)/Contents (\\d+) 0 R\\n(/Resources \\d+ 0 R\\n)"
        "/Annots (\\d+) 0 R\\n"));
    const QRegularExpressionMatch match =
        kPage.match(QString::fromLatin1(pending_.mid(read_, end - read_)));
    if (!match.hasMatch()) {
        failed_ = true;
        return false;
    }
    const QByteArray textMode = match.captured(4).toLatin1();
    textModeObjects_.insert(textMode);
    ++pagesMarked_;
    // Its annotations come after it, perhaps passed over already as no page's.
    const auto annotations = static_cast<std::size_t>(Place::Annotations);
    found_[annotations] = -1;
    searched_[annotations] = read_;
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
