#pragma once

#include "core/page_options.h"
#include "page_model/page_controls.h"

#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

namespace tallyworth {

// The part of the original page that its cells can draw on, in page inches: every
// layout's cells with their widest captions (a four-digit dividend in the first column
// would reach past the page's left edge), without the page's own empty margins.
inline constexpr QRectF kWorksheetArea(-0.25, 0.0, 7.75, 10.5);

// The grey of squared paper's lines behind written problems.
inline constexpr ColorValue kSquaresGrey = 0xB0B0B0;

// One problem of a printed page as it is read: where it stands (inches from the page's
// top-left corner), its numbers and operation, and its solution where the page shows it.
struct PrintedProblem {
    float left = 0;
    float top = 0;
    QString first{};
    QString operatorSign{};  // the operation table's sign: "+", "-", "*" or the divide sign
    QString second{};
    QString solution{};  // empty unless the page shows the solution
    // The place the pupil fills in. Where it is one of the numbers, the answer is printed
    // and the solution is that number.
    BlankPlace blank = BlankPlace::Answer;
    QString answer{};
    // A division answered with what remains, which a key shows after the solution.
    bool withRemainder = false;
    QString remainder{};
    // Worked in columns on paper; a written sum's third and fourth numbers.
    bool written = false;
    QStringList more{};
    // A key's working of a written problem as it is read, a step an equation: a column's
    // sum "1+2+9=12", a partial product "423×30=12690", a division's subtraction "12-12=0".
    // Written without blanks, so that a long working still fits its problem's room in the
    // text nobody sees. Empty unless the key shows the working.
    QStringList working{};
    friend bool operator==(const PrintedProblem&, const PrintedProblem&) = default;
};

// A section's title where it stands on its page, in inches, for whatever reads the page.
struct PrintedTitle {
    float left = 0;
    float top = 0;
    QString text{};
    friend bool operator==(const PrintedTitle&, const PrintedTitle&) = default;
};

// A page as it is drawn: captions and strokes in inches, and its problems in reading order.
// Pages at the original size come from the page's controls; larger print and problems
// on a line are laid out here directly.
struct PrintedPage {
    std::vector<PageLabel> labels;
    std::vector<PageLine> lines;
    std::vector<PrintedProblem> problems;
    std::vector<PrintedTitle> titles;  // the titles of its sections, in reading order
    // The signs the captions are written with, and the problems read with.
    PageSigns signs;
    // Where the page's cells lie, in inches: the original page's worksheet area, or the
    // area the page was laid out on.
    QRectF area = kWorksheetArea;
    friend bool operator==(const PrintedPage&, const PrintedPage&) = default;
};

// The problem written with the page's signs as it is printed: "7 × 8 =", "56 : 7 = 8",
// "12 − 5 =" with the minus sign, "__ + 5 = 12", "23 ÷ 5 = __ r __", a key's working
// after its answer in brackets; written methods
// "12 + 345 + 6789 =", and on a key "8523 : 4 = 2130 r 3".
[[nodiscard]] QString WrittenProblem(const PrintedProblem& problem, const PageSigns& signs);
// The problem as it is read aloud in the user's language: "7 times 8 equals".
[[nodiscard]] QString SpokenProblem(const PrintedProblem& problem);
// Every problem of the page read aloud, in reading order.
[[nodiscard]] QStringList SpokenProblems(const PrintedPage& page);

// Gives every caption and stroke of the page the colour.
void ColorPrintedPage(PrintedPage& page, ColorValue color);

// The visible controls of a filled page as drawn with these signs. The original signs
// keep the original strokes; other signs, and the equals signs with them, are written as
// text where the strokes stood. A division on a page of mixed operations is written on
// its cell's top line, "56 ÷ 7", over its answer line.
[[nodiscard]] PrintedPage PrintedPageOf(const PageControls& page, const PageSigns& signs);

}  // namespace tallyworth
