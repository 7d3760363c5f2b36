#include "page_model/build_worksheet.h"

#include <algorithm>

#include <cstddef>
#include <exception>

namespace tallyworth {

namespace {

void WriteCell(PageControls& page, std::size_t cell, const CellCaptions& captions) {
    page.valueLabels[2 * cell].caption = captions.first;
    page.valueLabels[2 * cell + 1].caption = captions.second;
    page.plusLabels[cell].caption = captions.operatorSign;
    PageLabel& solution = page.solutionLabels[cell];
    solution.alignment = LabelAlignment::Right;
    solution.caption = captions.solution;
}

// Composes the set; a failure is reported and leaves an empty set, so the page keeps
// the captions it had.
ProblemSet ComposeReportingFailure(WorksheetState& state, RandomSource& source, ComposerHost& host,
                                   FailureReporter& reporter) {
    try {
        return ComposeProblems(state, source, host);
    } catch (const std::exception& failure) {
        reporter.ReportFailure(QStringLiteral("ComposeProblems(): ") +
                               QString::fromUtf8(failure.what()));
    }
    return {};
}

}  // namespace

void WriteProblems(PageControls& page, const ProblemSet& set) {
    const std::size_t cells = std::min(set.problems.size(), static_cast<std::size_t>(kCells));
    for (std::size_t cell = 0; cell < cells; ++cell) {
        WriteCell(page, cell, OriginalCaptions(set, static_cast<int>(cell)));
    }
    // A failed composition leaves the page as it was.
    if (!set.problems.empty()) {
        page.written = set;
    }
}

ProblemSet ReadProblems(const PageControls& page, int count) {
    ProblemSet set = page.written;
    set.problems.resize(
        std::min(set.problems.size(), static_cast<std::size_t>(std::max(count, 0))));
    return set;
}

void BuildTest(WorksheetState& state, PageControls& page, RandomSource& source, ComposerHost& host,
               FailureReporter& reporter, std::int16_t lowest, std::int16_t highest,
               std::int16_t count) {
    state.lowestNumber = lowest;
    state.highestNumber = highest;
    state.numberOfProblems = count;
    const ProblemSet set = ComposeReportingFailure(state, source, host, reporter);
    WriteProblems(page, set);
    // The page has 100 cells; the ones that fit are written, the rest is a failure
    // of composing as it would have been while writing them.
    if (set.problems.size() > static_cast<std::size_t>(kCells)) {
        reporter.ReportFailure(QCoreApplication::translate(
            "tallyworth::PageFill", "ComposeProblems(): Subscript out of range"));
    }
    state.currentPage = 1;
    DisplayProblems(page, state, 1, reporter);
}

}  // namespace tallyworth
