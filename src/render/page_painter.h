#pragma once

#include "page_model/printed_page.h"

class QPainter;
class QPointF;
class QString;

namespace tallyworth {

// How a page's text is written. On screen as it shows. In a document the problems are the
// text, one run each in reading order and as they are printed ("7 × 8 ="): stacked numbers
// would read as rows of digits, and a problem on a line as columns of its parts. The
// captions are then drawn as stencils of the same font, looking the same, and the text is
// left for the document to hide (see TextLayerPdf).
enum class PageText { AsShown, ReadingOrder };

// Draws the page (white, with its captions and strokes) on any paint device. The
// painter's coordinates must map one inch to dotsPerInch device units, with the page's
// top-left corner at the origin. A sign the font has no character for is drawn in strokes.
void PaintPage(QPainter& painter, const PrintedPage& page, double dotsPerInch,
               PageText text = PageText::AsShown);

// Writes text on a document page from its baseline start in the painter's font and pen:
// drawn as stencils, and as text in the same place for the document to hide.
void PaintDocumentText(QPainter& painter, const QString& text, const QPointF& baseline);

// How far text in the painter's font advances as PaintDocumentText writes it, in the
// painter's units.
[[nodiscard]] double DocumentTextAdvance(QPainter& painter, const QString& text);

}  // namespace tallyworth
