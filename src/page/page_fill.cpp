#include "page/page_fill.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace tallyworth {

namespace {

template <typename Control, std::size_t Count>
void HideAll(std::array<Control, Count>& controls) {
    for (Control& control : controls) {
        control.Visible = false;
    }
}

template <typename Control, std::size_t Count>
void SetVisibleRange(std::array<Control, Count>& controls, std::int64_t first, std::int64_t last,
                     bool visible) {
    const std::int64_t from = std::max<std::int64_t>(first, 0);
    const std::int64_t to = std::min<std::int64_t>(last, static_cast<std::int64_t>(Count) - 1);
    for (std::int64_t index = from; index <= to; ++index) {
        controls[static_cast<std::size_t>(index)].Visible = visible;
    }
}

bool InStock(std::int64_t index, std::int64_t count) {
    return index >= 0 && index < count;
}

// Shows what cell `cell` needs for the worksheet's kind and notation.
void ShowCell(PageControls& page, const WorksheetState& state, std::size_t cell,
              std::size_t firstNumber) {
    page.lblValue[firstNumber].Visible = true;
    page.lblValue[firstNumber + 1].Visible = true;
    page.Line1[cell].Visible = true;
    if (state.IsDivisionWorksheet()) {
        page.EqualSignBottom[cell].Visible = true;
        page.EqualSignTop[cell].Visible = true;
        page.DivisionLine[cell].Visible = true;
        page.Line2[cell].Visible = !state.UsesUpsideDownSeven();
    } else {
        page.lblPlus[cell].Visible = true;
        page.DivisionLine[cell].Visible = false;
        page.EqualSignBottom[cell].Visible = false;
        page.EqualSignTop[cell].Visible = false;
    }
    page.lblSolution[cell].Alignment = LabelAlignment::Right;
}

}  // namespace

void HideEverything(PageControls& page) {
    HideAll(page.lblValue);
    HideAll(page.lblPlus);
    HideAll(page.lblSolution);
    HideAll(page.Line1);
    HideAll(page.Line2);
    HideAll(page.DivisionLine);
    HideAll(page.EqualSignTop);
    HideAll(page.EqualSignBottom);
}

void DisplayProblems(PageControls& page, const WorksheetState& state, std::int16_t pageNo,
                     FailureReporter& reporter) {
    HideEverything(page);
    const std::int64_t perPage = state.gProblemsPerPage;
    const std::int64_t pageStart = (static_cast<std::int64_t>(pageNo) - 1) * perPage;
    std::int64_t shown = 1;
    std::int64_t numberLabel = pageStart * 2;
    for (std::int64_t problem = pageStart + 1; problem <= state.gNumberOfProblems; ++problem) {
        const std::int64_t cell = problem - 1;
        // A page or a problem count beyond the stock must not reach past its end;
        // the cells shown so far stay, and the solutions are left as they are.
        if (!InStock(cell, kCells) || !InStock(numberLabel, kNumberLabels - 1)) {
            reporter.ReportFailure(QStringLiteral("DisplayProblems(): Subscript out of range"));
            return;
        }
        ShowCell(page, state, static_cast<std::size_t>(cell),
                 static_cast<std::size_t>(numberLabel));
        numberLabel += 2;
        ++shown;
        if (shown > perPage) {
            break;
        }
    }
    SetSolutionsVisible(page, state, state.gCurrentPage, state.gShowSolutions);
}

void SetSolutionsVisible(PageControls& page, const WorksheetState& state, std::int16_t pageNo,
                         bool visible) {
    const std::int64_t count = state.gNumberOfProblems;
    SetVisibleRange(page.lblSolution, 0, count - 1, false);
    if (!visible) {
        return;
    }
    const std::int64_t perPage = state.gProblemsPerPage;
    const std::int64_t first = (static_cast<std::int64_t>(pageNo) - 1) * perPage;
    const std::int64_t last = std::min(static_cast<std::int64_t>(pageNo) * perPage, count) - 1;
    SetVisibleRange(page.lblSolution, first, last, true);
}

namespace {

template <std::size_t Count>
void SetForeColor(std::array<PageLabel, Count>& labels, ColorValue color) {
    for (PageLabel& label : labels) {
        label.ForeColor = color;
    }
}

template <std::size_t Count>
void SetBorderColor(std::array<PageLine, Count>& lines, ColorValue color) {
    for (PageLine& line : lines) {
        line.BorderColor = color;
    }
}

}  // namespace

// Hidden cells and the cells of the other page change colour too, so a page switch
// shows them in the colour chosen last.
void ColorEverything(PageControls& page, ColorValue pColor) {
    SetForeColor(page.lblValue, pColor);
    SetForeColor(page.lblPlus, pColor);
    SetForeColor(page.lblSolution, pColor);
    SetBorderColor(page.Line1, pColor);
    SetBorderColor(page.Line2, pColor);
    SetBorderColor(page.DivisionLine, pColor);
    SetBorderColor(page.EqualSignTop, pColor);
    SetBorderColor(page.EqualSignBottom, pColor);
}

}  // namespace tallyworth
