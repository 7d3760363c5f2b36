#include "core/composer.h"

// Stub until the composer lands.
namespace tallyworth {

std::int16_t RandomInRange(RandomSource& /*source*/, std::int16_t lowest,
                           std::int16_t /*highest*/) {
    return lowest;
}

QString RandomMixOperator(RandomSource& /*source*/, const WorksheetState& state) {
    return state.gOperations[1].Symbol;
}

ProblemSet ComposeProblems(WorksheetState& /*state*/, RandomSource& /*source*/,
                           ComposerHost& /*host*/) {
    return {};
}

}  // namespace tallyworth
