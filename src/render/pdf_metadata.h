#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace tallyworth {

// What a PDF's information dictionary says about the document.
struct PdfInfo {
    QString title;
    QString subject;
    QString keywords;
};

// Passes everything written to it on to another, open device and remembers the last
// bytes, so that a PDF written through it can be given an update at its end.
class PdfTailRecorder final : public QIODevice {
  public:
    explicit PdfTailRecorder(QIODevice& target);
    [[nodiscard]] bool isSequential() const override { return true; }
    // Bytes written so far.
    [[nodiscard]] qint64 Written() const { return written_; }
    [[nodiscard]] const QByteArray& Tail() const { return tail_; }

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

  private:
    QIODevice& target_;
    QByteArray tail_;
    qint64 written_ = 0;
};

// Appends to a finished PDF, written whole through recorder, an update whose information
// dictionary holds info besides the creator: the toolkit's PDF writer can say nothing but
// a title. False when the PDF's end cannot be read or the update cannot be written.
[[nodiscard]] bool AppendPdfInfo(PdfTailRecorder& recorder, const PdfInfo& info);

}  // namespace tallyworth
