#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QSet>

#include <array>
#include <utility>
#include <vector>

namespace tallyworth {

// Passes the PDF writer's output through to its target as a document of ink and an unseen
// text layer, the way a scanned and recognised document is made, so that it prints alike
// on every device, whether transparency is honoured, ignored or flattened:
// - a one-bit grey image becomes an image mask (a stencil): its black pixels take the
//   colour it is painted in, the rest stays clear, never a white box over a line;
// - every page's text is set in the invisible rendering mode (3 Tr) at full opacity: its
//   contents start with a stream of their own that says so, made of the empty list of
//   annotations the writer gives each page, so no object is added.
// The objects move by the bytes changed, and the cross-reference table is moved with them
// once the writer is done. Everything visible on a page must therefore be drawn as
// strokes or stencils.
class TextLayerPdf final : public QIODevice {
    Q_OBJECT
  public:
    explicit TextLayerPdf(QIODevice& target);

    // Writes the moved cross-reference table and trailer. False when the target failed or
    // the writer's output did not have the form expected of it.
    [[nodiscard]] bool Finish();

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

  private:
    // What the writer's output is looked through for, in the order of kPatterns.
    enum class Place { Page, GreyBits, Table, Annotations };
    static constexpr std::size_t kPlaces = 4;

    // Handles what pending_ holds from read_ on; false when more must come first.
    bool Step();
    // Where the next place of the kind starts in pending_, -1 when none has come whole.
    qsizetype Next(Place place);
    // Where the next list of annotations to become a page's text mode starts, -1 if none.
    qsizetype NextTextMode(QByteArray& number);
    bool Pass(qsizetype bytes);
    bool Replace(qsizetype bytes, const QByteArray& with);
    bool MarkPage();
    [[nodiscard]] qint64 Moved(qint64 offset) const;

    QIODevice& target_;
    QByteArray pending_;
    qsizetype read_ = 0;    // bytes of pending_ handled already
    qint64 pendingAt_ = 0;  // where pending_'s unhandled bytes start in the writer's output
    // Each place: where it was found in pending_ (-1 for not yet), and from where on it has
    // not been looked for; each byte is looked through once for each.
    std::array<qsizetype, kPlaces> found_{-1, -1, -1, -1};
    std::array<qsizetype, kPlaces> searched_{};
    qint64 shift_ = 0;                               // bytes added so far
    std::vector<std::pair<qint64, qint64>> shifts_;  // from this offset on, this shift
    QSet<QByteArray> textModeObjects_;               // annotation lists still to become one
    char lastPassed_ = '\n';
    int pagesMarked_ = 0;
    int pagesHidden_ = 0;
    bool inTail_ = false;
    bool failed_ = false;
};

}  // namespace tallyworth
