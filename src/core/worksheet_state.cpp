#include "core/worksheet_state.h"

namespace tallyworth {

const OperationEntry& WorksheetState::ChosenOperation() const {
    const bool inTable = gOperation >= 0 && gOperation < kOperationRows;
    return gOperations[static_cast<std::size_t>(inTable ? gOperation : 0)];
}

bool WorksheetState::IsDivisionWorksheet() const {
    return !gDivideSign.isEmpty() && ChosenOperation().Symbol == gDivideSign;
}

bool WorksheetState::UsesUpsideDownSeven() const {
    return !gDivideSign.isEmpty() && gDivisionSymbol == gDivideSign;
}

}  // namespace tallyworth
