#include "render/qr_code.h"

#include <QList>
#include <QPainter>
#include <QRectF>

#include <qrencode.h>

#include <algorithm>
#include <cmath>
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
    // The modules' edges on whole device pixels: every module keeps its width within a
    // pixel, and the writer states each corner in a few digits rather than in ten.
    const double perUnit = std::max(1.0, painter.deviceTransform().m11());
    const auto corner = [&](int column, int row) {
        const QPointF at = origin + QPointF(column, row) * module;
        return QPointF(std::round(at.x() * perUnit), std::round(at.y() * perUnit)) / perUnit;
    };
    // Each row's runs of dark modules as one rectangle: a fraction of the squares to write.
    QList<QRectF> runs;
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
            runs.append(QRectF(corner(start, row), corner(column, row + 1)));
        }
    }
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRects(runs);
    painter.restore();
}

}  // namespace tallyworth
