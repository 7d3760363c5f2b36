#include "page_model/build_worksheet.h"

#include <algorithm>

#include <cstddef>
#include <exception>

namespace tallyworth {

namespace {

void WriteCell(PageControls& page, std::size_t cell, const ProblemEntry& problem) {
    page.valueLabels[2 * cell].caption = problem.firstNumberText;
    page.valueLabels[2 * cell + 1].caption = problem.secondNumberText;
    page.plusLabels[cell].caption = problem.operatorSign;
    PageLabel& solution = page.solutionLabels[cell];
    solution.alignment = LabelAlignment::Right;
    solution.caption = problem.solutionText;
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
        WriteCell(page, cell, set.problems[cell]);
    }
}

ProblemSet ReadProblems(const PageControls& page, int count) {
    ProblemSet set;
    const auto cells = static_cast<std::size_t>(std::clamp(count, 0, kCells));
    for (std::size_t cell = 0; cell < cells; ++cell) {
        ProblemEntry problem;
        problem.operatorSign = page.plusLabels[cell].caption;
        problem.firstNumberText = page.valueLabels[2 * cell].caption;
        problem.secondNumberText = page.valueLabels[2 * cell + 1].caption;
        problem.solutionText = page.solutionLabels[cell].caption;
        set.problems.push_back(problem);
    }
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
