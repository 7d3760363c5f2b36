#include "page/page_painter.h"

#include <QPainter>

// Stub until the painter lands.
namespace tallyworth {

void PaintPage(QPainter& painter, const PageControls& /*page*/, double dotsPerInch) {
    painter.fillRect(QRectF(0, 0, kPageWidthInches * dotsPerInch, kPageHeightInches * dotsPerInch),
                     Qt::white);
}

}  // namespace tallyworth
