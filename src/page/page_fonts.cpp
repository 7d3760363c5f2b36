#include "page/page_fonts.h"

namespace tallyworth {

QFont FontWithFallback(const QString& family, double pointSize, bool bold) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    if (pointSize > 0) {
        font.setPointSizeF(pointSize);
    }
    font.setBold(bold);
    return font;
}

}  // namespace tallyworth
