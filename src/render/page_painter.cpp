#include "render/page_painter.h"

#include "render/page_style.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPen>

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

void PaintLabel(QPainter& painter, LabelFonts& fonts, const PageLabel& label, double dotsPerInch) {
    if (!label.visible || label.caption.isEmpty()) {
        return;
    }
    const QRectF box(label.left * dotsPerInch, label.top * dotsPerInch, label.width * dotsPerInch,
                     label.height * dotsPerInch);
    const Qt::Alignment horizontal =
        label.alignment == LabelAlignment::Right ? Qt::AlignRight : Qt::AlignLeft;
    fonts.Use(painter, label);
    painter.setPen(ToQColor(label.foreColor));
    // A caption wider than its box (a four-digit solution) must still show whole.
    painter.drawText(
        box, static_cast<int>(horizontal | Qt::AlignTop) | Qt::TextDontClip | Qt::TextSingleLine,
        label.caption);
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

template <typename Array>
void PaintLabels(QPainter& painter, LabelFonts& fonts, const Array& labels, double dotsPerInch) {
    for (const PageLabel& label : labels) {
        PaintLabel(painter, fonts, label, dotsPerInch);
    }
}

template <typename Array>
void PaintLines(QPainter& painter, const Array& lines, double dotsPerInch) {
    for (const PageLine& line : lines) {
        PaintLine(painter, line, dotsPerInch);
    }
}

}  // namespace

void PaintPage(QPainter& painter, const PageControls& page, double dotsPerInch) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.fillRect(QRectF(0, 0, kPageWidthInches * dotsPerInch, kPageHeightInches * dotsPerInch),
                     Qt::white);
    // Lines first, so that no stroke hides a digit it runs along.
    PaintLines(painter, page.line1, dotsPerInch);
    PaintLines(painter, page.line2, dotsPerInch);
    PaintLines(painter, page.divisionLine, dotsPerInch);
    PaintLines(painter, page.equalSignTop, dotsPerInch);
    PaintLines(painter, page.equalSignBottom, dotsPerInch);
    LabelFonts fonts(dotsPerInch);
    PaintLabels(painter, fonts, page.valueLabels, dotsPerInch);
    PaintLabels(painter, fonts, page.plusLabels, dotsPerInch);
    PaintLabels(painter, fonts, page.solutionLabels, dotsPerInch);
    painter.restore();
}

}  // namespace tallyworth
