#include "render/page_painter.h"

#include "render/page_style.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRawFont>
#include <QStringList>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>

namespace tallyworth {

namespace {

// Border widths count pixels of a 96 dpi screen, so a line keeps its physical
// thickness on a printer or in a PDF.
constexpr double kBorderPixelsPerInch = 96.0;
constexpr double kSnapTolerance = 1e-6;

// A point is 1/72 inch at dotsPerInch. Qt turns point sizes into pixels with the
// device's own resolution, which need not match the caller's scale (a widget at 96
// logical dots per inch, a printer at 1200), so the size is corrected by that ratio.
QFont LabelFont(const PageLabel& label, double dotsPerInch, const QPaintDevice* device) {
    const int deviceDpi = device != nullptr ? device->logicalDpiY() : 0;
    const double scale = deviceDpi > 0 ? dotsPerInch / deviceDpi : 1.0;
    QFont font = FontWithFallback(label.fontName, label.fontSize * scale);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// The labels of a page share a few fonts. Each is given to the painter only when it
// changes: a font set anew makes the toolkit look up its face again, which costs more
// than drawing the caption.
class LabelFonts {
  public:
    explicit LabelFonts(double dotsPerInch) : dotsPerInch_(dotsPerInch) {}

    void Use(QPainter& painter, const PageLabel& label) {
        if (set_ && label.fontName == name_ && label.fontSize == size_) {
            return;
        }
        painter.setFont(LabelFont(label, dotsPerInch_, painter.device()));
        set_ = true;
        name_ = label.fontName;
        size_ = label.fontSize;
    }

  private:
    double dotsPerInch_;
    bool set_ = false;
    QString name_;
    float size_ = 0;
};

Qt::Alignment HorizontalAlignment(LabelAlignment alignment) {
    switch (alignment) {
        case LabelAlignment::Right:
            return Qt::AlignRight;
        case LabelAlignment::Center:
            return Qt::AlignHCenter;
        case LabelAlignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

QRectF BoxOf(const PageLabel& label, double dotsPerInch) {
    return {label.left * dotsPerInch, label.top * dotsPerInch, label.width * dotsPerInch,
            label.height * dotsPerInch};
}

// The signs a page writes, as strokes for a font without the character: a cross, a dot,
// the obelus, the colon and the equals sign, each the size of the font's digits.
bool PaintSignStrokes(QPainter& painter, QChar sign, const QRectF& box,
                      const QFontMetricsF& metrics) {
    const double size = metrics.xHeight();
    const QPointF centre(box.center().x(), box.top() + metrics.ascent() - size / 2);
    const double half = size / 2;
    QPen pen = painter.pen();
    pen.setWidthF(size / 6);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const auto dot = [&](double dy) { painter.drawPoint(centre + QPointF(0, dy)); };
    const auto bar = [&](double dy) {
        painter.drawLine(centre + QPointF(-half, dy), centre + QPointF(half, dy));
    };
    switch (sign.unicode()) {
        case 0x00D7:
            painter.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
            painter.drawLine(centre + QPointF(-half, half), centre + QPointF(half, -half));
            return true;
        case 0x22C5:
            pen.setWidthF(size / 4);
            painter.setPen(pen);
            dot(0);
            return true;
        case 0x00F7:
            bar(0);
            [[fallthrough]];
        case u':':
            pen.setWidthF(size / 4);
            painter.setPen(pen);
            dot(-half);
            dot(half);
            return true;
        case u'=':
            bar(-half / 2);
            bar(half / 2);
            return true;
        default:
            return false;
    }
}

// A font's characters as one-bit stencils at the device's own resolution, each made once:
// a document references one image each time the character recurs, where an outline would
// repeat all its curves. A stencil's ink takes the painter's brush, and what lies around
// the ink stays clear (see TextLayerPdf). The font's metrics are kept too: measuring a
// text anew shapes it anew, which costs more than drawing it.
class FontStencils {
  public:
    // The font is sized for a device of dotsPerInch; a stencil has devicePerUnit pixels to
    // each of its units.
    FontStencils(const QFont& font, int dotsPerInch, double devicePerUnit)
        : font_(font),
          dotsPerMetre_(static_cast<int>(std::lround(dotsPerInch / kMetresPerInch))),
          devicePerUnit_(devicePerUnit),
          device_(Sized(QImage(1, 1, QImage::Format_Mono))),
          metrics_(font, &device_) {}

    struct Glyph {
        QImage stencil;  // null for a space
        double advance = 0;
    };

    const Glyph& Of(QChar character) {
        auto found = glyphs_.find(character);
        if (found == glyphs_.end()) {
            found = glyphs_.insert(character, Made(QString(character)));
        }
        return *found;
    }
    // A word as one stencil.
    const Glyph& OfWord(const QString& word) {
        auto found = words_.find(word);
        if (found == words_.end()) {
            found = words_.insert(word, Made(word));
        }
        return *found;
    }
    [[nodiscard]] double Width(const QString& text) {
        double width = 0;
        for (const QChar character : text) {
            width += Of(character).advance;
        }
        return width;
    }
    [[nodiscard]] bool Has(QChar character) const {
        return metrics_.inFontUcs4(character.unicode());
    }
    [[nodiscard]] double Ascent() const { return metrics_.ascent(); }
    [[nodiscard]] double DevicePerUnit() const { return devicePerUnit_; }

  private:
    static constexpr double kMetresPerInch = 0.0254;

    [[nodiscard]] QImage Sized(QImage image) const {
        image.setDotsPerMeterX(dotsPerMetre_);
        image.setDotsPerMeterY(dotsPerMetre_);
        return image;
    }

    [[nodiscard]] Glyph Made(const QString& text) const {
        const double advance = metrics_.horizontalAdvance(text);
        if (text.trimmed().isEmpty()) {
            return {QImage(), advance};
        }
        const QSizeF size(advance, metrics_.height());
        QImage image = Sized(
            QImage((size * devicePerUnit_).toSize().expandedTo(QSize(1, 1)), QImage::Format_Mono));
        image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
        image.fill(0);
        QPainter painter(&image);
        painter.setFont(font_);
        painter.setPen(Qt::color1);
        painter.scale(devicePerUnit_, devicePerUnit_);
        painter.drawText(QPointF(0, metrics_.ascent()), text);
        painter.end();
        // The document writer makes an image mask only of black ink (0) on white (1).
        image.invertPixels();
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        return {image, advance};
    }

    QFont font_;
    int dotsPerMetre_;
    double devicePerUnit_;
    QImage device_;  // measures at dotsPerInch
    QFontMetricsF metrics_;
    QHash<QChar, Glyph> glyphs_;
    QHash<QString, Glyph> words_;
};

// What is made of a font at the painter's scale (its stencils, its words' glyphs), made
// once. One cache a thread: sets may be drawn in several threads at once. A page goes from
// one font to another caption by caption (the numbers', the signs'), so the last few fonts
// asked for are found without making their key, which costs more than drawing a caption.
template <typename Made>
Made& MadeOfFont(const QPainter& painter, const QFont& font) {
    struct Recent {
        QFont font;
        int dotsPerInch = 0;
        double devicePerUnit = 0;
        Made* made = nullptr;
    };
    constexpr std::size_t kRecent = 4;
    thread_local std::map<QString, std::unique_ptr<Made>> fonts;
    thread_local std::array<Recent, kRecent> recent;
    thread_local std::size_t oldest = 0;
    const int dotsPerInch = painter.device()->logicalDpiY();
    const double devicePerUnit = std::max(1.0, painter.deviceTransform().m11());
    for (const Recent& entry : recent) {
        if (entry.made != nullptr && entry.dotsPerInch == dotsPerInch &&
            entry.devicePerUnit == devicePerUnit && entry.font == font) {
            return *entry.made;
        }
    }
    const QString key =
        font.key() + u'|' + QString::number(dotsPerInch) + u'|' + QString::number(devicePerUnit);
    std::unique_ptr<Made>& made = fonts[key];
    if (!made) {
        made = std::make_unique<Made>(font, dotsPerInch, devicePerUnit);
    }
    recent[oldest] = {font, dotsPerInch, devicePerUnit, made.get()};
    oldest = (oldest + 1) % kRecent;
    return *made;
}

FontStencils& StencilsOf(const QPainter& painter) {
    return MadeOfFont<FontStencils>(painter, painter.font());
}

// Glyphs of one font, each at its place from the painter's origin: texts gathered to be
// written at once.
struct Glyphs {
    QRawFont font;
    QList<quint32> indexes;
    QList<QPointF> positions;
};

// Writes the glyphs gathered, as one text, and clears them.
void PaintGlyphs(QPainter& painter, Glyphs& glyphs) {
    if (glyphs.indexes.isEmpty()) {
        return;
    }
    QGlyphRun run;
    run.setRawFont(glyphs.font);
    run.setGlyphIndexes(glyphs.indexes);
    run.setPositions(glyphs.positions);
    painter.drawGlyphRun(QPointF(), run);
    glyphs = {};
}

// A font's words laid out once each, so that a text of them is set as drawText sets it
// without being shaped anew: a page's problems are a few numbers and signs over and over,
// and shaping a text costs more than writing it. The font is one without word spacing: the
// spacing widens only the spaces, so one font's words serve every spacing.
class FontWords {
  public:
    FontWords(const QFont& font, int dotsPerInch, double /*devicePerUnit*/)
        : font_(font), device_(1, 1, QImage::Format_Mono) {
        const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / kMetresPerInch));
        device_.setDotsPerMeterX(dotsPerMetre);
        device_.setDotsPerMeterY(dotsPerMetre);
    }

    // Adds the text's glyphs from its baseline start to glyphs, with wordSpacing added to
    // each run of spaces, and returns how far it advances; -1, adding nothing, when one of
    // its characters needs another font than the glyphs have. Without glyphs it only
    // measures.
    double Add(const QString& text, const QPointF& baseline, double wordSpacing, Glyphs* glyphs) {
        const qsizetype before = glyphs != nullptr ? glyphs->indexes.size() : 0;
        double advance = 0;
        for (qsizetype at = 0; at < text.size();) {
            qsizetype end = at;
            while (end < text.size() && text.at(end) != u' ') {
                ++end;
            }
            const Word& word = end > at ? Of(QStringView(text).mid(at, end - at)) : Space();
            if (!word.usable || (glyphs != nullptr && !Takes(*glyphs))) {
                if (glyphs != nullptr) {
                    glyphs->indexes.resize(before);
                    glyphs->positions.resize(before);
                }
                return -1;
            }
            if (glyphs != nullptr) {
                glyphs->indexes.append(word.indexes);
                for (const QPointF& position : word.positions) {
                    glyphs->positions.append(baseline + position + QPointF(advance, 0));
                }
            }
            advance += word.advance;
            if (end == at && (at + 1 == text.size() || text.at(at + 1) != u' ')) {
                advance += wordSpacing;
            }
            at = std::max(end, at + 1);
        }
        return advance;
    }

    // How far the text advances without word spacing; -1 when a character needs another
    // font.
    double Advance(const QString& text) { return Add(text, QPointF(), 0, nullptr); }

  private:
    static constexpr double kMetresPerInch = 0.0254;

    struct Word {
        QList<quint32> indexes;
        QList<QPointF> positions;  // from the baseline start
        double advance = 0;
        bool usable = false;  // set in the font's own face
    };

    // Glyphs in no font yet take the words' own; glyphs in another are not added to.
    bool Takes(Glyphs& glyphs) const {
        if (!glyphs.font.isValid()) {
            glyphs.font = face_;
        }
        return glyphs.font == face_;
    }
    // Looked up by a key made in place: a string made for each word costs more than the
    // rest of the lookup.
    const Word& Of(QStringView text) {
        key_.resize(0);
        key_.append(text);
        auto found = words_.find(key_);
        if (found == words_.end()) {
            found = words_.insert(key_, Laid(key_));
        }
        return *found;
    }
    // A space as the font sets it; space_ once made.
    const Word& Space() {
        if (!spaceMade_ && face_.isValid()) {
            const QList<quint32> glyph = face_.glyphIndexesForString(QStringLiteral(" "));
            const QList<QPointF> advances = face_.advancesForGlyphIndexes(glyph);
            space_.usable = glyph.size() == 1 && glyph.front() != 0 && advances.size() == 1;
            space_.indexes = glyph;
            space_.positions = {QPointF()};
            space_.advance = space_.usable ? advances.front().x() : 0;
            spaceMade_ = true;
        }
        return space_;
    }
    Word Laid(const QString& text) {
        QTextLayout layout(text, font_, &device_);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.glyphRuns();
        if (runs.size() != 1) {
            return {};
        }
        if (!face_.isValid()) {
            face_ = runs.front().rawFont();
        }
        Word word{runs.front().glyphIndexes(), runs.front().positions(), line.horizontalAdvance(),
                  runs.front().rawFont() == face_};
        for (QPointF& position : word.positions) {
            position.ry() -= line.ascent();
        }
        return word;
    }

    QFont font_;
    QImage device_;  // lays out at dotsPerInch
    QRawFont face_;  // the face the font's words are set in
    QHash<QString, Word> words_;
    QString key_;
    Word space_;
    bool spaceMade_ = false;
};

FontWords& WordsOf(const QPainter& painter) {
    QFont font = painter.font();
    font.setWordSpacing(0);
    return MadeOfFont<FontWords>(painter, font);
}

// Adds text in the painter's font from its baseline start to glyphs, or, where it needs
// another font than theirs, writes the glyphs gathered and then the text.
void GatherText(QPainter& painter, const QString& text, const QPointF& baseline, Glyphs& glyphs) {
    if (WordsOf(painter).Add(text, baseline, painter.font().wordSpacing(), &glyphs) < 0) {
        PaintGlyphs(painter, glyphs);
        painter.drawText(baseline, text);
    }
}

// How far text in the painter's font, without word spacing, advances as drawText sets it.
double TextAdvance(QPainter& painter, const QString& text) {
    const double advance = WordsOf(painter).Advance(text);
    return advance >= 0 ? advance
                        : QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(text);
}

// The writer states the brush's colour again around every image it draws; a stencil drawn
// without a brush takes the colour the page is already filling with, a fifth fewer bytes
// for every figure. The page has a colour once a stencil has been drawn with it as the
// brush, and keeps it while the painter's transformation and clip stay as they are, as
// they do while PaintPage draws its captions.
class StencilInk {
  public:
    // Before each stencil, in the pen's colour.
    void Prepare(QPainter& painter) {
        const QColor colour = painter.pen().color();
        if (colour == filling_) {
            painter.setBrush(Qt::NoBrush);
            return;
        }
        painter.setBrush(colour);
        filling_ = colour;
    }

  private:
    QColor filling_;  // invalid until a stencil is drawn
};

void PaintStencil(QPainter& painter, FontStencils& stencils, StencilInk& ink,
                  const FontStencils::Glyph& glyph, double left, double baseline) {
    if (!glyph.stencil.isNull()) {
        ink.Prepare(painter);
        // On whole device pixels: the writer then states a place in a few digits, not in
        // ten, a sixth fewer bytes a stencil to compress.
        const double perUnit = stencils.DevicePerUnit();
        const QPointF topLeft(std::round(left * perUnit) / perUnit,
                              std::round((baseline - stencils.Ascent()) * perUnit) / perUnit);
        painter.drawImage(QRectF(topLeft, QSizeF(glyph.stencil.size()) / perUnit), glyph.stencil);
    }
}

bool HasDigit(QStringView word) {
    return std::any_of(word.begin(), word.end(),
                       [](QChar character) { return character.isDigit(); });
}

// The text from its baseline start as stencils in the pen's colour, so that a document
// holds one image for every character of a font rather than one for every caption. A word
// without a digit (Name, Date, Sheet) recurs whole and is one stencil; numbers and codes
// seldom do, their characters do.
void PaintStencils(QPainter& painter, FontStencils& stencils, StencilInk& ink, const QString& text,
                   const QPointF& baseline) {
    double left = baseline.x();
    for (qsizetype at = 0; at < text.size();) {
        qsizetype end = at;
        while (end < text.size() && !text.at(end).isSpace()) {
            ++end;
        }
        const QStringView word = QStringView(text).mid(at, end - at);
        if (word.size() > 1 && !HasDigit(word)) {
            const FontStencils::Glyph& glyph = stencils.OfWord(word.toString());
            PaintStencil(painter, stencils, ink, glyph, left, baseline.y());
            left += glyph.advance;
            at = end;
            continue;
        }
        const FontStencils::Glyph& glyph = stencils.Of(text.at(at));
        PaintStencil(painter, stencils, ink, glyph, left, baseline.y());
        left += glyph.advance;
        ++at;
    }
    painter.setBrush(Qt::NoBrush);
}

// A caption as stencils, aligned across its box at the top; a sign the font lacks in
// strokes.
void PaintStencilCaption(QPainter& painter, StencilInk& ink, const PageLabel& label,
                         const QRectF& box) {
    FontStencils& stencils = StencilsOf(painter);
    const QString& caption = label.caption;
    if (caption.size() == 1 && !stencils.Has(caption.front()) &&
        PaintSignStrokes(painter, caption.front(), box,
                         QFontMetricsF(painter.font(), painter.device()))) {
        return;
    }
    const double width = stencils.Width(caption);
    double left = box.left();
    if (label.alignment == LabelAlignment::Right) {
        left = box.right() - width;
    } else if (label.alignment == LabelAlignment::Center) {
        left = box.center().x() - width / 2;
    }
    PaintStencils(painter, stencils, ink, caption, QPointF(left, box.top() + stencils.Ascent()));
}

bool LacksCharacter(const QString& caption, const QFontMetricsF& metrics) {
    return caption.size() == 1 && !metrics.inFontUcs4(caption.front().unicode());
}

void PaintLabel(QPainter& painter, LabelFonts& fonts, StencilInk& ink, const PageLabel& label,
                double dotsPerInch, PageText text) {
    if (!label.visible || label.caption.isEmpty()) {
        return;
    }
    const QRectF box = BoxOf(label, dotsPerInch);
    fonts.Use(painter, label);
    painter.setPen(ToQColor(label.foreColor));
    if (text == PageText::ReadingOrder) {
        PaintStencilCaption(painter, ink, label, box);
        return;
    }
    const QFontMetricsF metrics(painter.font(), painter.device());
    if (LacksCharacter(label.caption, metrics) &&
        PaintSignStrokes(painter, label.caption.front(), box, metrics)) {
        return;
    }
    // A caption wider than its box (a four-digit solution) must still show whole.
    painter.drawText(box,
                     static_cast<int>(HorizontalAlignment(label.alignment) | Qt::AlignTop) |
                         Qt::TextDontClip | Qt::TextSingleLine,
                     label.caption);
}

// How wide the problem's text may run, in inches: up to the next problem on its row, or
// to the end of the page's area.
double RoomAfter(const PrintedPage& page, std::size_t index) {
    constexpr double kGap = 0.05;
    constexpr float kSameRow = 0.01F;
    const PrintedProblem& problem = page.problems[index];
    if (index + 1 < page.problems.size() &&
        std::abs(page.problems[index + 1].top - problem.top) < kSameRow) {
        return page.problems[index + 1].left - problem.left - kGap;
    }
    return page.area.right() - problem.left;
}

// How much a text must be narrowed to fit its room, its glyphs only: the spaces keep their
// width, so that whatever reads the text still finds them.
double GlyphNarrowing(const QString& text, double width, double room, double spaceAdvance) {
    if (width <= room || room <= 0) {
        return 1.0;
    }
    const double spaces = static_cast<double>(text.count(u' ')) * spaceAdvance;
    return room > spaces ? (room - spaces) / (width - spaces) : room / width;
}

// The problems as text nobody sees, each where its first number stands, for whatever
// reads the document: a screen reader, a search, a copy. Where a text is wider than its
// cell the glyphs of every text of the page are narrowed alike, so that rows still read
// as rows and no two problems run into one; the spaces widen back to their own width.
void PaintReadingText(QPainter& painter, LabelFonts& fonts, const PrintedPage& page,
                      double dotsPerInch) {
    if (page.labels.empty()) {
        return;
    }
    fonts.Use(painter, page.labels.front());
    // Opaque: the document's text mode hides it (see TextLayerPdf).
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double spaceAdvance = metrics.horizontalAdvance(u' ');
    QStringList texts;
    double narrowing = 1.0;
    for (std::size_t index = 0; index < page.problems.size(); ++index) {
        texts << WrittenProblem(page.problems[index], page.signs);
        narrowing =
            std::min(narrowing, GlyphNarrowing(texts.back(), TextAdvance(painter, texts.back()),
                                               RoomAfter(page, index) * dotsPerInch, spaceAdvance));
    }
    QFont font = painter.font();
    font.setWordSpacing(spaceAdvance * (1 / narrowing - 1));
    painter.setFont(font);
    // One transformation for all: each change of it has the writer state the pen anew.
    painter.save();
    painter.scale(narrowing, 1.0);
    // One text for all: the writer states the font and the colour anew for each. A
    // section's title is read before the problems under it.
    Glyphs glyphs;
    const auto gather = [&](const QString& text, float left, float top) {
        GatherText(painter, text,
                   QPointF(left * dotsPerInch / narrowing, top * dotsPerInch + metrics.ascent()),
                   glyphs);
    };
    auto title = page.titles.begin();
    for (std::size_t index = 0; index < page.problems.size(); ++index) {
        const PrintedProblem& problem = page.problems[index];
        for (; title != page.titles.end() && title->top < problem.top; ++title) {
            gather(title->text, title->left, title->top);
        }
        gather(texts[static_cast<qsizetype>(index)], problem.left, problem.top);
    }
    for (; title != page.titles.end(); ++title) {
        gather(title->text, title->left, title->top);
    }
    PaintGlyphs(painter, glyphs);
    painter.restore();
}

// A stroke a whole number of pixels wide, lying across or along the pixel grid, is
// moved by less than half a pixel so that it covers whole pixel rows: on screen the
// answer lines and the dots then come out crisp instead of smeared over two rows.
double SnappedCentre(double centre, double width) {
    return std::round(centre - width / 2.0) + width / 2.0;
}

void SnapToPixelRows(QPointF& from, QPointF& to, double width) {
    if (std::abs(width - std::round(width)) > kSnapTolerance || width < 1.0) {
        return;
    }
    if (from.y() == to.y()) {
        from.setY(SnappedCentre(from.y(), width));
        to.setY(from.y());
    } else if (from.x() == to.x()) {
        from.setX(SnappedCentre(from.x(), width));
        to.setX(from.x());
    }
}

void PaintLine(QPainter& painter, const PageLine& line, double dotsPerInch) {
    if (!line.visible) {
        return;
    }
    QPen pen(ToQColor(line.borderColor));
    pen.setWidthF(line.borderWidth * dotsPerInch / kBorderPixelsPerInch);
    // Round caps turn the short thick strokes of the division sign into dots.
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    QPointF from(line.x1 * dotsPerInch, line.y1 * dotsPerInch);
    QPointF to(line.x2 * dotsPerInch, line.y2 * dotsPerInch);
    SnapToPixelRows(from, to, pen.widthF());
    painter.drawLine(from, to);
}

}  // namespace

void PaintDocumentText(QPainter& painter, const QString& text, const QPointF& baseline) {
    StencilInk ink;
    PaintStencils(painter, StencilsOf(painter), ink, text, baseline);
    Glyphs glyphs;
    GatherText(painter, text, baseline, glyphs);
    PaintGlyphs(painter, glyphs);
}

double DocumentTextAdvance(QPainter& painter, const QString& text) {
    return TextAdvance(painter, text);
}

void PaintPage(QPainter& painter, const PrintedPage& page, double dotsPerInch, PageText text) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QRectF sheet = QRectF(0, 0, kPageWidthInches, kPageHeightInches).united(page.area);
    painter.fillRect(QRectF(sheet.topLeft() * dotsPerInch, sheet.size() * dotsPerInch), Qt::white);
    // Lines first, so that no stroke hides a digit it runs along.
    for (const PageLine& line : page.lines) {
        PaintLine(painter, line, dotsPerInch);
    }
    LabelFonts fonts(dotsPerInch);
    StencilInk ink;
    for (const PageLabel& label : page.labels) {
        PaintLabel(painter, fonts, ink, label, dotsPerInch, text);
    }
    if (text == PageText::ReadingOrder) {
        PaintReadingText(painter, fonts, page, dotsPerInch);
    }
    painter.restore();
}

}  // namespace tallyworth
