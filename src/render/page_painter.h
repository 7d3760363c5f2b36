#pragma once

#include "page_model/page_controls.h"

class QPainter;

namespace tallyworth {

// Draws the page (white, with its visible labels and lines) on any paint device.
// The painter's coordinates must map one inch to dotsPerInch device units, with the
// page's top-left corner at the origin.
void PaintPage(QPainter& painter, const PageControls& page, double dotsPerInch);

}  // namespace tallyworth
