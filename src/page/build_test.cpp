#include "page/build_test.h"

// Stub until the page data lands.
namespace tallyworth {

void WriteProblems(PageControls& /*page*/, const ProblemSet& /*set*/) {}

void BuildTest(WorksheetState& /*state*/, PageControls& /*page*/, RandomSource& /*source*/,
               ComposerHost& /*host*/, FailureReporter& /*reporter*/, std::int16_t /*lowest*/,
               std::int16_t /*highest*/, std::int16_t /*count*/) {}

}  // namespace tallyworth
