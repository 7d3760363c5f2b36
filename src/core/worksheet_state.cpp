#include "core/worksheet_state.h"

namespace tallyworth {

bool ProblemRules::AnyOn() const {
    return noTrivial || fixedNumber != 0 || regrouping != Regrouping::Any || noRepeats;
}

const OperationEntry& WorksheetState::ChosenOperation() const {
    const bool inTable = operation >= 0 && operation < kOperationRows;
    return operations[static_cast<std::size_t>(inTable ? operation : 0)];
}

bool WorksheetState::IsDivisionWorksheet() const {
    return !divideSign.isEmpty() && ChosenOperation().symbol == divideSign;
}

bool WorksheetState::UsesUpsideDownSeven() const {
    return !divideSign.isEmpty() && divisionSymbol == divideSign;
}

}  // namespace tallyworth
