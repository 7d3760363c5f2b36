#include "core/worksheet_state.h"

namespace tallyworth {

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
