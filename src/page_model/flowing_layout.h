#pragma once

#include "core/composer.h"
#include "core/page_options.h"
#include "core/sheet_code.h"
#include "page_model/printed_page.h"

#include <vector>

namespace tallyworth {

// Where a page laid out anew stands on a page of its own: inside half-inch margins of US
// Letter, which fit A4 as well.
inline constexpr QRectF kFlowingArea(0.5, 0.5, 7.5, 10.0);

// What a sheet's pages are laid out for besides its problems.
struct FlowRequest {
    // The sheet's settings: its page options, and what decides how wide its numbers can be.
    SheetSettings settings;
    PageSigns signs;
    bool answerKey = false;
    // The area the pages are laid out on, in page inches.
    QRectF area = kFlowingArea;
};

// Whether a page with these options is the original page, drawn from its controls:
// problems stacked at the original size, not enlarged to fill the page.
[[nodiscard]] bool IsOriginalPage(const PageOptions& options);

// The point size of the numbers on pages of this print size: 13.5, at least 18, at least
// 24.
[[nodiscard]] float NumberPoints(PrintSize size);

// How many pages the problems take and how big they are printed.
struct FlowPlan {
    int columns = 1;
    int rows = 1;
    int pages = 1;
    float points = 0;  // of the numbers
};

// The plan for the sheet's problems. Every page holds as many whole problems as fit; no
// problem is split across pages. Cells are as wide as the settings' widest problem, so
// every sheet of a class set has the same pages.
[[nodiscard]] FlowPlan PlanFlow(const FlowRequest& request);

// The set's problems on as many pages as they need, each problem stacked or on a line as
// the options ask; divisions are always written on a line (or in the bracket of their
// notation). Captions are in the page's font, the signs the request's.
[[nodiscard]] std::vector<PrintedPage> LayOutFlowingPages(const ProblemSet& set,
                                                          const FlowRequest& request);

}  // namespace tallyworth
