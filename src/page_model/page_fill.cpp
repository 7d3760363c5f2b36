#include "page_model/page_fill.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace tallyworth {

namespace {

template <typename Control, std::size_t Count>
void HideAll(std::array<Control, Count>& controls) {
    for (Control& control : controls) {
        control.visible = false;
    }
}

template <typename Control, std::size_t Count>
void SetVisibleRange(std::array<Control, Count>& controls, std::int64_t first, std::int64_t last,
                     bool visible) {
    const std::int64_t from = std::max<std::int64_t>(first, 0);
    const std::int64_t to = std::min<std::int64_t>(last, static_cast<std::int64_t>(Count) - 1);
    for (std::int64_t index = from; index <= to; ++index) {
        controls[static_cast<std::size_t>(index)].visible = visible;
    }
}

bool InStock(std::int64_t index, std::int64_t count) {
    return index >= 0 && index < count;
}

// Shows what cell `cell` needs for the worksheet's kind and notation.
void ShowCell(PageControls& page, const WorksheetState& state, std::size_t cell,
              std::size_t firstNumber) {
    page.valueLabels[firstNumber].visible = true;
    page.valueLabels[firstNumber + 1].visible = true;
    page.line1[cell].visible = true;
    if (state.IsDivisionWorksheet()) {
        page.equalSignBottom[cell].visible = true;
        page.equalSignTop[cell].visible = true;
        page.divisionLine[cell].visible = true;
        page.line2[cell].visible = !state.UsesUpsideDownSeven();
    } else {
        page.plusLabels[cell].visible = true;
        page.divisionLine[cell].visible = false;
        page.equalSignBottom[cell].visible = false;
        page.equalSignTop[cell].visible = false;
    }
    page.solutionLabels[cell].alignment = LabelAlignment::Right;
}

}  // namespace

void HideEverything(PageControls& page) {
    HideAll(page.valueLabels);
    HideAll(page.plusLabels);
    HideAll(page.solutionLabels);
    HideAll(page.line1);
    HideAll(page.line2);
    HideAll(page.divisionLine);
    HideAll(page.equalSignTop);
    HideAll(page.equalSignBottom);
}

QString FailureTitle() {
    return QCoreApplication::translate(kPageFillContext, kFailureTitle);
}

void DisplayProblems(PageControls& page, const WorksheetState& state, std::int16_t pageNo,
                     FailureReporter& reporter) {
    HideEverything(page);
    const std::int64_t perPage = state.problemsPerPage;
    const std::int64_t pageStart = (static_cast<std::int64_t>(pageNo) - 1) * perPage;
    std::int64_t shown = 1;
    std::int64_t numberLabel = pageStart * 2;
    for (std::int64_t problem = pageStart + 1; problem <= state.numberOfProblems; ++problem) {
        const std::int64_t cell = problem - 1;
        // A page or a problem count beyond the stock must not reach past its end;
        // the cells shown so far stay, and the solutions are left as they are.
        if (!InStock(cell, kCells) || !InStock(numberLabel, kNumberLabels - 1)) {
            reporter.ReportFailure(QCoreApplication::translate(
                "tallyworth::PageFill", "DisplayProblems(): Subscript out of range"));
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
    SetSolutionsVisible(page, state, state.currentPage, state.showSolutions);
}

void SetSolutionsVisible(PageControls& page, const WorksheetState& state, std::int16_t pageNo,
                         bool visible) {
    const std::int64_t count = state.numberOfProblems;
    SetVisibleRange(page.solutionLabels, 0, count - 1, false);
    if (!visible) {
        return;
    }
    const std::int64_t perPage = state.problemsPerPage;
    const std::int64_t first = (static_cast<std::int64_t>(pageNo) - 1) * perPage;
    const std::int64_t last = std::min(static_cast<std::int64_t>(pageNo) * perPage, count) - 1;
    SetVisibleRange(page.solutionLabels, first, last, true);
}

namespace {

template <std::size_t Count>
void SetForeColor(std::array<PageLabel, Count>& labels, ColorValue color) {
    for (PageLabel& label : labels) {
        label.foreColor = color;
    }
}

template <std::size_t Count>
void SetBorderColor(std::array<PageLine, Count>& lines, ColorValue color) {
    for (PageLine& line : lines) {
        line.borderColor = color;
    }
}

}  // namespace

// Hidden cells and the cells of the other page change colour too, so a page switch
// shows them in the colour chosen last.
void ColorEverything(PageControls& page, ColorValue color) {
    SetForeColor(page.valueLabels, color);
    SetForeColor(page.plusLabels, color);
    SetForeColor(page.solutionLabels, color);
    SetBorderColor(page.line1, color);
    SetBorderColor(page.line2, color);
    SetBorderColor(page.divisionLine, color);
    SetBorderColor(page.equalSignTop, color);
    SetBorderColor(page.equalSignBottom, color);
}

}  // namespace tallyworth
