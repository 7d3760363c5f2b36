#include "render/qr_code.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <qrencode.h>

#include <memory>

namespace tallyworth {

QrCode EncodeQrCode(const QString& text) {
    // Version 0 lets the library take the smallest that holds the text; case matters in an
    // address's path.
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> encoded(
        QRcode_encodeString(text.toUtf8().constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1),
        &QRcode_free);
    QrCode code;
    if (!encoded) {
        return code;
    }
    code.size = encoded->width;
    const auto modules = static_cast<std::size_t>(code.size) * static_cast<std::size_t>(code.size);
    code.dark.reserve(modules);
    for (std::size_t index = 0; index < modules; ++index) {
        // The lowest bit is the module's colour; the others say what it belongs to.
        code.dark.push_back((encoded->data[index] & 1U) != 0);
    }
    return code;
}

void PaintQrCode(QPainter& painter, const QrCode& code, const QRectF& box) {
    if (code.size == 0) {
        return;
    }
    const double module = box.width() / (code.size + 2 * kQrQuietModules);
    const QPointF origin = box.topLeft() + QPointF(module, module) * kQrQuietModules;
    // Each row's runs of dark modules as one rectangle: a fraction of the squares to write.
    QPainterPath shape;
    for (int row = 0; row < code.size; ++row) {
        for (int column = 0; column < code.size;) {
            if (!code.Dark(column, row)) {
                ++column;
                continue;
            }
            const int start = column;
            while (column < code.size && code.Dark(column, row)) {
                ++column;
            }
            shape.addRect(
                QRectF(origin + QPointF(start, row) * module, QSizeF(column - start, 1) * module));
        }
    }
    shape.setFillRule(Qt::WindingFill);
    painter.fillPath(shape, Qt::black);
}

}  // namespace tallyworth
