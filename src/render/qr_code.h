#pragma once

#include <QString>

#include <vector>

class QPainter;
class QRectF;

namespace tallyworth {

// A QR code's modules, row by row from the top-left corner, without the margin around them.
struct QrCode {
    int size = 0;  // modules on a side; 0 when the text was too long to encode
    std::vector<bool> dark;
    [[nodiscard]] bool Dark(int column, int row) const {
        return dark[static_cast<std::size_t>(row) * static_cast<std::size_t>(size) +
                    static_cast<std::size_t>(column)];
    }
};

// The light modules a reader needs on every side of a QR code to find it.
inline constexpr int kQrQuietModules = 4;

// The QR code of text at error correction level M, which still reads with a fifth of it
// smudged or folded away.
[[nodiscard]] QrCode EncodeQrCode(const QString& text);

// Paints the code's dark modules black in the square box, with its quiet zone of
// kQrQuietModules modules inside the box, on every side, left as it is: as rectangles filled
// at once, which a document keeps sharp at any zoom and any printer's resolution, without
// seams between neighbouring modules.
void PaintQrCode(QPainter& painter, const QrCode& code, const QRectF& box);

}  // namespace tallyworth
