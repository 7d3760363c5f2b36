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
// bytes, so that a PDF written through it can be given an update at its end. The PDF
// writer writes in many small pieces; they are passed on in large ones.
class PdfTailRecorder final : public QIODevice {
  public:
    explicit PdfTailRecorder(QIODevice& target);
    ~PdfTailRecorder() override;
    PdfTailRecorder(const PdfTailRecorder&) = delete;
    PdfTailRecorder& operator=(const PdfTailRecorder&) = delete;

    [[nodiscard]] bool isSequential() const override { return true; }
    // Passes on what is still held; false when the device did not take it all.
    [[nodiscard]] bool Flush();
    // Bytes written so far, and the last of them.
    [[nodiscard]] qint64 Written() const { return passedOn_ + pending_.size(); }
    [[nodiscard]] QByteArray Tail() const;

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

  private:
    QIODevice& target_;
    QByteArray pending_;
    QByteArray tail_;  // the end of what was passed on
    qint64 passedOn_ = 0;
    bool failed_ = false;
};

// Appends to a finished PDF, written whole through recorder, an update whose information
// dictionary holds info besides the creator: the toolkit's PDF writer can say nothing but
// a title. False when the PDF's end cannot be read or the update cannot be written.
[[nodiscard]] bool AppendPdfInfo(PdfTailRecorder& recorder, const PdfInfo& info);

}  // namespace tallyworth
