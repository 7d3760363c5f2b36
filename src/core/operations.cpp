#include "core/operations.h"

namespace tallyworth {

void InitOperations(WorksheetState& state) {
    state.operations[1] = {QStringLiteral("+"), 100, false};
    state.operations[2] = {QStringLiteral("-"), 100, false};
    state.operations[3] = {QStringLiteral("*"), 100, false};
    state.operations[4] = {state.divideSign, 50, false};
    state.operations[5] = {QStringLiteral("Mix"), 100, true};
}

void InitGlobals(WorksheetState& state, OperationList& list) {
    state.divisionSymbol = QString(QChar(kLineAndDotsMarker));
    state.divideSign = DivideSignText();
    InitOperations(state);
    state.currentPage = 1;
    state.showCellNumbers = false;
    state.showSolutions = false;
    state.operation = 1;
    for (int row = 1; row < kOperationRows; ++row) {
        list.AppendOperation(state.operations[static_cast<std::size_t>(row)].symbol);
    }
}

}  // namespace tallyworth
