#pragma once

#include "core/composer.h"
#include "core/random_source.h"
#include "core/worksheet_state.h"
#include "page_model/page_controls.h"
#include "page_model/page_fill.h"

#include <cstdint>

namespace tallyworth {

// Writes each problem into its cell: the two number captions, the operator and the
// right-aligned solution.
void WriteProblems(PageControls& page, const ProblemSet& set);

// The problems written into the page's first count cells, read back from their captions:
// what a page laid out anew shows of the worksheet the page holds.
[[nodiscard]] ProblemSet ReadProblems(const PageControls& page, int count);

// Stores the three numbers, composes the set, writes it into the page, makes page 1
// current and fills it.
void BuildTest(WorksheetState& state, PageControls& page, RandomSource& source, ComposerHost& host,
               FailureReporter& reporter, std::int16_t lowest, std::int16_t highest,
               std::int16_t count);

}  // namespace tallyworth
