#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>

namespace tallyworth {

// The upside-down-seven sign for the option button: the long-division bracket, a
// slanted stroke joined to a bar, drawn because no font on the system carries it.
[[nodiscard]] QPixmap DrawBracketSign(const QSize& size, const QColor& color);

}  // namespace tallyworth
