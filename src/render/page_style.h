#pragma once

#include "page_model/page_controls.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace tallyworth {

// The named font, or the system's sans-serif face where it is not installed (the
// worksheet's design fonts come from another desktop).
QFont FontWithFallback(const QString& family, double pointSize, bool bold = false);

// Page colours hold red in the lowest byte.
QColor ToQColor(ColorValue value);
ColorValue FromQColor(const QColor& color);

}  // namespace tallyworth
