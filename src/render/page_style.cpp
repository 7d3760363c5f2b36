#include "render/page_style.h"

namespace tallyworth {

QFont FontWithFallback(const QString& family, double pointSize, bool bold) {
    // Faces with the design fonts' narrow proportions come before the generic
    // sans-serif, so captions fit the boxes they were laid out for.
    QFont font;
    font.setFamilies({family, QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    if (pointSize > 0) {
        font.setPointSizeF(pointSize);
    }
    font.setBold(bold);
    return font;
}

QColor ToQColor(ColorValue value) {
    return QColor(static_cast<int>(value & 0xFFU), static_cast<int>((value >> 8U) & 0xFFU),
                  static_cast<int>((value >> 16U) & 0xFFU));
}

ColorValue FromQColor(const QColor& color) {
    return static_cast<ColorValue>(color.red()) | (static_cast<ColorValue>(color.green()) << 8U) |
           (static_cast<ColorValue>(color.blue()) << 16U);
}

}  // namespace tallyworth
