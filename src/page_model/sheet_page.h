#pragma once

#include "core/sheet_code.h"
#include "page_model/printed_page.h"

#include <QLocale>
#include <QRectF>
#include <QString>

#include <vector>

namespace tallyworth {

// A worksheet brought back by its code, as its pages are printed.
struct [[nodiscard]] SheetPrint {
    bool ok = false;
    std::vector<PrintedPage> pages;
    QString failure;  // why the sheet could not be made, when not ok
};

// Composes the sheet of code and makes its pages, with the solutions shown for an answer
// key and the signs of its page options in the locale's language, its country choosing the
// written method (SignsOf). The original page is filled as the page window fills it;
// larger print and problems on a line flow over area.
SheetPrint MakeSheetPrint(const SheetCode& code, bool answerKey, const QLocale& locale,
                          const QRectF& area);

// How many pages each sheet of these settings takes on area, laid out for the locale as
// MakeSheetPrint lays it out: its country's written methods take their own room.
[[nodiscard]] int SheetPageCount(const SheetSettings& settings, const QRectF& area,
                                 const QLocale& locale);

}  // namespace tallyworth
