#include "windows/bracket_icon.h"

#include <QPainter>
#include <QPen>
#include <QPolygonF>

namespace tallyworth {

QPixmap DrawBracketSign(const QSize& size, const QColor& color) {
    QPixmap sign(size);
    sign.fill(Qt::transparent);
    QPainter painter(&sign);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(color, size.height() / 10.0);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    // The page's bracket: a stroke rising to the right, then the bar over the dividend.
    const double w = size.width();
    const double h = size.height();
    const QPointF strokeFoot(0.15 * w, 0.9 * h);
    const QPointF corner(0.4 * w, 0.12 * h);
    const QPointF barEnd(0.95 * w, 0.12 * h);
    painter.drawPolyline(QPolygonF({strokeFoot, corner, barEnd}));
    return sign;
}

}  // namespace tallyworth
