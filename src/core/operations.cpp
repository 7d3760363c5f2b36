#include "core/operations.h"

namespace tallyworth {

void InitOperations(WorksheetState& state) {
    state.gOperations[1] = {QStringLiteral("+"), 100, false};
    state.gOperations[2] = {QStringLiteral("-"), 100, false};
    state.gOperations[3] = {QStringLiteral("*"), 100, false};
    state.gOperations[4] = {state.gDivideSign, 50, false};
    state.gOperations[5] = {QStringLiteral("Mix"), 100, true};
}

void InitGlobals(WorksheetState& state, OperationList& list) {
    state.gDivisionSymbol = QString(QChar(kLineAndDotsMarker));
    state.gDivideSign = DivideSignText();
    InitOperations(state);
    state.gCurrentPage = 1;
    state.gShowCellNumbers = false;
    state.gShowSolutions = false;
    state.gOperation = 1;
    for (int row = 1; row < kOperationRows; ++row) {
        list.AppendOperation(state.gOperations[static_cast<std::size_t>(row)].Symbol);
    }
}

}  // namespace tallyworth
