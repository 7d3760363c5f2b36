#pragma once

#include "core/problem.h"
#include "core/problem_rules.h"
#include "core/random_source.h"
#include "core/worksheet_state.h"

#include <QString>

#include <cstdint>

namespace tallyworth {

// The composer's view of the main window: its progress bar and its check box.
class ComposerHost {
  public:
    virtual ~ComposerHost() = default;
    virtual void SetProgressRange(int minimum, int maximum) = 0;
    virtual void SetProgressValue(int value) = 0;
    // Read each time a subtraction is drawn.
    [[nodiscard]] virtual bool AllowsNegativeResults() const = 0;
};

// Whether the original page writes a division's dividend in its cell's second label, which
// the line-and-dots layout places first: on a sheet of divisions alone in that notation.
[[nodiscard]] bool ExchangesNumbers(const WorksheetState& state);

std::int16_t RandomInRange(RandomSource& source, std::int16_t lowest, std::int16_t highest);
QString RandomMixOperator(RandomSource& source, const WorksheetState& state);

// Draws state.numberOfProblems problems between state.lowestNumber and
// state.highestNumber for the chosen operation. Leaves the last operator in
// state.currentOperator. With problem rules on (and outside the cell-numbering mode,
// where they do not apply) every problem is one the rules allow, and a "Mix" problem
// whose drawn operation has no problem left takes one of the operations that have; when
// the rules allow no problem at all nothing is composed (check CountDistinctProblems
// first). Rules off compose exactly as without them. Under rules the problems are drawn
// the given way.
ProblemSet ComposeProblems(WorksheetState& state, RandomSource& source, ComposerHost& host,
                           const ProblemRules& problemRules, RuledDraw draw);
// The same for a fresh sheet, drawn the way the code it is written in draws (RuledDrawOf).
ProblemSet ComposeProblems(WorksheetState& state, RandomSource& source, ComposerHost& host,
                           const ProblemRules& problemRules);
// The same under the rules the state keeps for the run.
ProblemSet ComposeProblems(WorksheetState& state, RandomSource& source, ComposerHost& host);

}  // namespace tallyworth
