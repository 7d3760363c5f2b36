#pragma once

#include "core/page_options.h"
#include "core/problem.h"
#include "core/sheet_section.h"
#include "page_model/printed_page.h"

namespace tallyworth {

// The side of one square of a written problem, in inches: 5 mm at the normal print of
// 13.5 points, growing with the print.
[[nodiscard]] float SquareInches(float points);

// A written problem's room, in squares: every problem the section can draw fits, with its
// whole working, and a square's gap to the right and below.
struct WrittenCell {
    int columns = 1;
    int rows = 1;
};
[[nodiscard]] WrittenCell WrittenCellOf(const SheetSection& section, const PageSigns& signs);

// What a written problem is drawn with besides its numbers.
struct WrittenDrawing {
    PageSigns signs;
    float points = 0;
    bool answerKey = false;
    bool working = false;  // a key shows the carries, partial products and steps too
    WrittenCell cell;      // the section's, and squared behind the problem when asked
};

// The problem as the method of the signs writes it, its cell's top-left corner at left and
// top: its captions and strokes on the page, its text among the page's problems.
void PlaceWritten(PrintedPage& page, const Problem& problem, const SheetSection& section,
                  const WrittenDrawing& drawing, float left, float top);

}  // namespace tallyworth
