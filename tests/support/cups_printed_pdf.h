#pragma once

#include "page/page_controls.h"

#include <QString>

#include <vector>

namespace tallyworth::cups_test {

// A word of a PDF's text with its box, in inches from the sheet's top-left corner.
struct PdfWord {
    QString text;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

struct PdfPage {
    double widthInches = 0;
    double heightInches = 0;
    std::vector<PdfWord> words;
};

// The pages of a PDF with their words, as the PDF's text layer has them (pdftotext
// -bbox from poppler-utils). Empty with *error set when the file cannot be read.
std::vector<PdfPage> ReadPdfPages(const QString& pdfPath, QString* error);

// A caption the page shows, with the point of its box the text is aligned to: the
// right edge for right-aligned labels, the left edge otherwise.
struct ShownCaption {
    QString text;
    QString control;  // "lblValue(12)", for failure messages
    bool rightAligned = false;
    double anchorX = 0;
    double top = 0;
};

// Every visible, captioned label of the page, in the order of the control stock.
std::vector<ShownCaption> ShownCaptions(const PageControls& page);

// How the words of a printed page meet the captions of the page it was drawn from.
struct CaptionMatch {
    double shiftX = 0;  // where the captions landed, less where the page put them
    double shiftY = 0;
    std::vector<ShownCaption> missing;  // captions with no word of their text at their place
    std::vector<PdfWord> extra;         // words that stand for no caption
};

// Finds the one shift that puts the first caption on a word of its text and the most
// other captions on theirs, then lists what that shift leaves unmatched. A word matches
// a caption when the same shift carries one onto the other within toleranceInches.
CaptionMatch MatchCaptions(const std::vector<ShownCaption>& captions, const PdfPage& page,
                           double toleranceInches);

// "lblValue(3) \"12\", ..." for failure messages.
QString Describe(const std::vector<ShownCaption>& captions);
QString Describe(const std::vector<PdfWord>& words);

}  // namespace tallyworth::cups_test
