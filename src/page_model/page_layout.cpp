#include "page_model/page_layout.h"

#include <cstddef>
#include <cstdint>

namespace tallyworth {

namespace {

constexpr std::int16_t kGridColumns = 10;
constexpr std::int16_t kGridRows = 10;
constexpr std::int16_t kDivisionColumns = 5;
constexpr std::int16_t kDivisionRows = 20;

// The toolkit keeps coordinates in single precision; the layout computes in double
// and rounds once per stored value, so read-backs see exactly what was stored.
float Stored(double value) {
    return static_cast<float>(value);
}

struct LayoutRun {
    PageControls& page;
    double numberWidth = 0;    // W, the width of lblValue(0)
    double solutionWidth = 0;  // S = W + 0.1
    // Cursor into lblValue. A later page starts further into the stock; the stock
    // has only 200 number labels, so a cursor past its end places nothing rather
    // than writing outside it.
    std::int64_t cursor = 0;
};

bool HasNumberLabel(std::int64_t index) {
    return index >= 0 && index < kNumberLabels;
}

void PlaceNumber(LayoutRun& run, std::int64_t index, double left, double top) {
    if (!HasNumberLabel(index)) {
        return;
    }
    PageLabel& label = run.page.valueLabels[static_cast<std::size_t>(index)];
    label.left = Stored(left);
    label.top = Stored(top);
}

// All number labels share the design width; a label missing from the stock is
// measured as if it had it.
double NumberWidthAt(const LayoutRun& run, std::int64_t index) {
    if (!HasNumberLabel(index)) {
        return run.numberWidth;
    }
    return static_cast<double>(run.page.valueLabels[static_cast<std::size_t>(index)].width);
}

void PlaceLine(PageLine& line, double x1, double y1, double x2, double y2) {
    line.x1 = Stored(x1);
    line.y1 = Stored(y1);
    line.x2 = Stored(x2);
    line.y2 = Stored(y2);
}

// A horizontal stroke whose far end is measured from its start as stored, in single
// precision, so the stroke's length is exact in the stored coordinates.
void PlaceFromStoredStart(PageLine& line, double x1, double y1, double length,
                          std::int16_t borderWidth) {
    line.x1 = Stored(x1);
    line.y1 = Stored(y1);
    line.x2 = Stored(static_cast<double>(line.x1) + length);
    line.y2 = line.y1;
    line.borderWidth = borderWidth;
}

void PlaceSolution(PageLabel& label, double left, double top, double width) {
    label.left = Stored(left);
    label.top = Stored(top);
    label.width = Stored(width);
}

void PlaceGridCell(LayoutRun& run, std::size_t cell, double x, double y) {
    PlaceNumber(run, run.cursor, x + 0.05, y);
    PlaceNumber(run, run.cursor + 1, x + 0.05, y + 0.25);
    run.cursor += 2;
    PageLine& answerLine = run.page.line1[cell];
    PlaceLine(answerLine, x, y + 0.502, x + 0.405, y + 0.502);
    answerLine.borderWidth = 2;
    PageLabel& sign = run.page.plusLabels[cell];
    sign.top = Stored(y + 0.272);
    sign.left = Stored(x - 0.12);
    PlaceSolution(run.page.solutionLabels[cell], x - 0.05, y + 0.632, run.solutionWidth);
}

void ArrangeGrid(LayoutRun& run, WorksheetState& state) {
    state.gridColumns = kGridColumns;
    double y = 0.096;
    for (int row = 0; row < state.gridRows; ++row) {
        double x = 0.258;
        for (int column = 0; column < state.gridColumns; ++column) {
            const int cellIndex = state.gridColumns * row + column;
            const auto cell = static_cast<std::size_t>(cellIndex);
            PlaceGridCell(run, cell, x, y);
            x = x + 0.75;
        }
        y = y + 1.05;
    }
}

void PlaceBracket(PageControls& page, std::size_t cell, double left, double y) {
    PageLine& stroke = page.divisionLine[cell];
    PlaceLine(stroke, left, y + 0.23, left + 0.15, y);
    stroke.borderWidth = 1;
    PlaceFromStoredStart(page.line1[cell], left + 0.14, y, 0.2, 1);
}

void PlaceLineAndDots(PageControls& page, std::size_t cell, double left, double y) {
    PlaceFromStoredStart(page.divisionLine[cell], left + 0.05, y + 0.08, 0.03, 3);
    PlaceFromStoredStart(page.line1[cell], left + 0.02, y + 0.14, 0.1, 2);
    PlaceFromStoredStart(page.line2[cell], left + 0.05, y + 0.19, 0.03, 3);
}

// x is the cell's running left edge; on return it has moved past the cell.
void PlaceDivisionCell(LayoutRun& run, std::size_t cell, bool upsideDownSeven, double& x,
                       double y) {
    const double width = run.numberWidth;
    PlaceNumber(run, run.cursor + 1, x, y);
    if (upsideDownSeven) {
        PlaceBracket(run.page, cell, width + x, y);
    } else {
        PlaceLineAndDots(run.page, cell, width + x, y);
    }
    x = x + 0.25;
    PlaceNumber(run, run.cursor, x + 0.1, y);
    PlaceLine(run.page.equalSignTop[cell], width + x + 0.15, y + 0.1, width + x + 0.25, y + 0.1);
    PlaceLine(run.page.equalSignBottom[cell], width + x + 0.15, y + 0.15, width + x + 0.25,
              y + 0.15);
    PlaceSolution(run.page.solutionLabels[cell], x + 0.35 + NumberWidthAt(run, run.cursor + 1), y,
                  run.solutionWidth);
    run.cursor += 2;
    x = x + 1.2;
}

void ArrangeDivision(LayoutRun& run, WorksheetState& state) {
    state.gridColumns = kDivisionColumns;
    const bool upsideDownSeven = state.UsesUpsideDownSeven();
    const int perPage = state.problemsPerPage;
    double y = 0.25;
    int placed = 1;
    for (int row = 0; row < state.gridRows; ++row) {
        double x = 0;
        for (int column = 0; column < state.gridColumns; ++column) {
            const int cellIndex = state.gridColumns * row + column;
            const auto cell = static_cast<std::size_t>(cellIndex);
            PlaceDivisionCell(run, cell, upsideDownSeven, x, y);
            // After the last cell of a page the next row starts at the top again:
            // the second page covers the same area as the first.
            if (perPage > 0 && placed % perPage == 0 && placed > 1) {
                y = -0.35;
                x = 0;
            }
            ++placed;
        }
        y = y + 0.6;
    }
}

}  // namespace

void ArrangeFields(PageControls& page, WorksheetState& state, std::optional<int> pageNo) {
    LayoutRun run{page};
    run.numberWidth = static_cast<double>(page.valueLabels[0].width);
    run.solutionWidth = run.numberWidth + 0.1;

    const OperationEntry& entry = state.ChosenOperation();
    const bool division = state.IsDivisionWorksheet();
    state.gridRows = division ? kDivisionRows : kGridRows;
    state.problemsPerPage = entry.problemsPerPage;
    if (pageNo.has_value()) {
        run.cursor = (static_cast<std::int64_t>(*pageNo) - 1) * state.problemsPerPage;
    }

    if (division) {
        ArrangeDivision(run, state);
    } else {
        ArrangeGrid(run, state);
    }
}

}  // namespace tallyworth
