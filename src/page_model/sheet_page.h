#pragma once

#include "core/sheet_code.h"
#include "page_model/page_controls.h"

#include <QString>

namespace tallyworth {

// One page of a worksheet brought back by its code, filled as the page window fills it.
struct [[nodiscard]] SheetPage {
    bool ok = false;
    PageControls page;
    QString failure;  // why the page could not be made, when not ok
};

// Lays the sheet of code out, composes and writes its problems, and fills page pageNo
// (1 or 2), with the solutions shown for an answer key.
SheetPage MakeSheetPage(const SheetCode& code, int pageNo, bool answerKey);

}  // namespace tallyworth
