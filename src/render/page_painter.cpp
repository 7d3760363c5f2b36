#include "render/page_painter.h"

#include "render/page_style.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QStringList>

#include <cmath>

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

// Where drawText would put the caption's baseline start in its box: aligned across, at
// the top.
QPointF BaselineStart(const QRectF& box, const QString& caption, const QFontMetricsF& metrics,
                      LabelAlignment alignment) {
    const double width = metrics.horizontalAdvance(caption);
    double left = box.left();
    if (alignment == LabelAlignment::Right) {
        left = box.right() - width;
    } else if (alignment == LabelAlignment::Center) {
        left = box.center().x() - width / 2;
    }
    return {left, box.top() + metrics.ascent()};
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

// A character as a one-bit stencil at the device's own resolution, made once for every
// font: a document references one image each time the character recurs, where an outline
// would repeat all its curves. Its ink takes the painter's brush, and what lies around the
// ink stays clear (see TextLayerPdf).
class CaptionStencils {
  public:
    // The font is sized for a device of dotsPerInch; the stencil has devicePerUnit pixels to
    // each of its units.
    const QImage& Stencil(const QFont& font, int dotsPerInch, const QString& caption,
                          double devicePerUnit) {
        const QString key = font.key() + u'|' + QString::number(dotsPerInch) + u'|' +
                            QString::number(devicePerUnit) + u'|' + caption;
        auto found = stencils_.find(key);
        if (found == stencils_.end()) {
            found = stencils_.insert(key, Made(font, dotsPerInch, caption, devicePerUnit));
        }
        return *found;
    }

  private:
    static QImage Made(const QFont& font, int dotsPerInch, const QString& caption,
                       double devicePerUnit) {
        constexpr double kInchesPerMetre = 1 / 0.0254;
        QImage image(1, 1, QImage::Format_Mono);
        const auto dotsPerMetre = static_cast<int>(std::lround(dotsPerInch * kInchesPerMetre));
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        const QFontMetricsF metrics(font, &image);
        const QSizeF size(metrics.horizontalAdvance(caption), metrics.height());
        image =
            QImage((size * devicePerUnit).toSize().expandedTo(QSize(1, 1)), QImage::Format_Mono);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
        image.fill(0);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::color1);
        painter.scale(devicePerUnit, devicePerUnit);
        painter.drawText(QPointF(0, metrics.ascent()), caption);
        painter.end();
        // The document writer makes an image mask only of black ink (0) on white (1).
        image.invertPixels();
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        return image;
    }

    QHash<QString, QImage> stencils_;
};

// The text character by character from its baseline start, each a stencil in the pen's
// colour, so that a document holds one image for every character of a font rather than
// one for every caption.
void PaintStencils(QPainter& painter, const QString& text, const QPointF& baseline) {
    // One cache a thread: sets may be drawn in several threads at once.
    thread_local CaptionStencils stencils;
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double devicePerUnit = std::max(1.0, painter.deviceTransform().m11());
    painter.setBrush(painter.pen().color());
    double left = baseline.x();
    for (const QChar character : text) {
        const QString glyph(character);
        if (!character.isSpace()) {
            const QImage& stencil = stencils.Stencil(
                painter.font(), painter.device()->logicalDpiY(), glyph, devicePerUnit);
            painter.drawImage(QRectF(QPointF(left, baseline.y() - metrics.ascent()),
                                     QSizeF(stencil.size()) / devicePerUnit),
                              stencil);
        }
        left += metrics.horizontalAdvance(glyph);
    }
    painter.setBrush(Qt::NoBrush);
}

bool LacksCharacter(const QString& caption, const QFontMetricsF& metrics) {
    return caption.size() == 1 && !metrics.inFontUcs4(caption.front().unicode());
}

void PaintLabel(QPainter& painter, LabelFonts& fonts, const PageLabel& label, double dotsPerInch,
                PageText text) {
    if (!label.visible || label.caption.isEmpty()) {
        return;
    }
    const QRectF box = BoxOf(label, dotsPerInch);
    fonts.Use(painter, label);
    painter.setPen(ToQColor(label.foreColor));
    const QFontMetricsF metrics(painter.font(), painter.device());
    if (LacksCharacter(label.caption, metrics) &&
        PaintSignStrokes(painter, label.caption.front(), box, metrics)) {
        return;
    }
    if (text == PageText::ReadingOrder) {
        PaintStencils(painter, label.caption,
                      BaselineStart(box, label.caption, metrics, label.alignment));
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

// A problem as the text layer reads it: the minus is the minus sign, which is read as
// "minus", not the hyphen the page may print.
QString ReadingText(const PrintedProblem& problem, const PageSigns& signs) {
    return WrittenProblem(problem, signs).replace(u'-', QChar(0x2212));
}

// How much a text must be narrowed to fit its room, its glyphs only: the spaces keep their
// width, so that whatever reads the text still finds them.
double GlyphNarrowing(const QString& text, double room, const QFontMetricsF& metrics) {
    const double width = metrics.horizontalAdvance(text);
    if (width <= room || room <= 0) {
        return 1.0;
    }
    const double spaces = static_cast<double>(text.count(u' ')) * metrics.horizontalAdvance(u' ');
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
    QStringList texts;
    double narrowing = 1.0;
    for (std::size_t index = 0; index < page.problems.size(); ++index) {
        texts << ReadingText(page.problems[index], page.signs);
        narrowing = std::min(
            narrowing, GlyphNarrowing(texts.back(), RoomAfter(page, index) * dotsPerInch, metrics));
    }
    QFont font = painter.font();
    font.setWordSpacing(metrics.horizontalAdvance(u' ') * (1 / narrowing - 1));
    painter.setFont(font);
    for (std::size_t index = 0; index < page.problems.size(); ++index) {
        const PrintedProblem& problem = page.problems[index];
        painter.save();
        painter.translate(problem.left * dotsPerInch, problem.top * dotsPerInch + metrics.ascent());
        painter.scale(narrowing, 1.0);
        painter.drawText(QPointF(0, 0), texts[static_cast<qsizetype>(index)]);
        painter.restore();
    }
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
    PaintStencils(painter, text, baseline);
    painter.drawText(baseline, text);
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
    for (const PageLabel& label : page.labels) {
        PaintLabel(painter, fonts, label, dotsPerInch, text);
    }
    if (text == PageText::ReadingOrder) {
        PaintReadingText(painter, fonts, page, dotsPerInch);
    }
    painter.restore();
}

}  // namespace tallyworth
