#pragma once

#include <QByteArray>
#include <QHash>
#include <QIODevice>
#include <QString>

namespace tallyworth {

// Passes a PDF through to its target as the writer makes it and, once the writer is done,
// gives the document its language (the catalogue's /Lang, which screen readers and
// searches use) by an incremental update appended to it: the pages already written,
// perhaps into a pipe, stay as they are. The catalogue is the object the trailer names as
// its root, wherever the writer put it; only the catalogues and the last bytes are kept,
// so a set of any size passes through in little memory.
class LanguageTaggedPdf final : public QIODevice {
    Q_OBJECT
  public:
    // language: a BCP 47 tag, "en" or "de-DE".
    LanguageTaggedPdf(QIODevice& target, QString language);

    // Appends the update. False when the target failed or the PDF was not one to update (no
    // trailer at its end, or no catalogue where the trailer's root points).
    [[nodiscard]] bool Finish();

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

  private:
    void Watch(const QByteArray& bytes);
    [[nodiscard]] bool ReadObject();

    QIODevice& target_;
    QString language_;
    QByteArray pending_;  // unread bytes: an object from its header on, or the last few
    bool inObject_ = false;
    qsizetype searched_ = 0;  // how much of the object pending_ holds was looked through
    QHash<QByteArray, QByteArray> catalogues_;  // "number generation": dictionary entries
    QByteArray tail_;                           // the last bytes, which hold the trailer
    qint64 written_ = 0;
};

}  // namespace tallyworth
