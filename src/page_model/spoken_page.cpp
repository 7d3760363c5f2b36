#include "page_model/spoken_page.h"

#include "core/operations.h"
#include "core/worksheet_state.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace tallyworth {

namespace {

// A division page draws its sign as strokes and hides the cell's operator label.
QString OperatorOf(const PageControls& page, std::size_t cell) {
    return page.divisionLine[cell].visible ? DivideSignText() : page.plusLabels[cell].caption;
}

QString SpokenCell(const PageControls& page, std::size_t cell) {
    QString first = page.valueLabels[2 * cell].caption;
    QString second = page.valueLabels[2 * cell + 1].caption;
    // The line-and-dots notation writes the dividend first, in the cell's second label; the
    // bracket and every other problem keep the first number in the first label.
    if (page.divisionLine[cell].visible && page.line2[cell].visible) {
        std::swap(first, second);
    }
    const QString operation = SpokenOperation(OperatorOf(page, cell));
    const PageLabel& solution = page.solutionLabels[cell];
    if (solution.visible) {
        return QCoreApplication::translate("tallyworth::SpokenPage", "%1 %2 %3 equals %4")
            .arg(first, operation, second, solution.caption);
    }
    return QCoreApplication::translate("tallyworth::SpokenPage", "%1 %2 %3 equals")
        .arg(first, operation, second);
}

}  // namespace

QStringList SpokenProblems(const PageControls& page) {
    std::vector<std::size_t> shown;
    for (std::size_t cell = 0; cell < kCells; ++cell) {
        if (page.valueLabels[2 * cell].visible) {
            shown.push_back(cell);
        }
    }
    // Row by row, left to right, as the eye reads the page.
    const auto place = [&page](std::size_t cell) {
        const PageLabel& first = page.valueLabels[2 * cell];
        return std::pair(first.top, first.left);
    };
    std::ranges::stable_sort(shown, {}, place);
    QStringList spoken;
    for (const std::size_t cell : shown) {
        spoken << SpokenCell(page, cell);
    }
    return spoken;
}

}  // namespace tallyworth
