#include "core/operations.h"

#include <QCoreApplication>

namespace tallyworth {

namespace {

constexpr const char* kOperationsContext = "tallyworth::Operations";

}  // namespace

void InitOperations(WorksheetState& state) {
    state.divideSign = DivideSignText();
    const auto row = [&state](OperationRow name) -> OperationEntry& {
        return state.operations[static_cast<std::size_t>(RowNumber(name))];
    };
    row(OperationRow::Add) = {QStringLiteral("+"), 100, false};
    row(OperationRow::Subtract) = {QStringLiteral("-"), 100, false};
    row(OperationRow::Multiply) = {QStringLiteral("*"), 100, false};
    row(OperationRow::Divide) = {state.divideSign, 50, false};
    row(OperationRow::Mix) = {QStringLiteral(QT_TRANSLATE_NOOP("tallyworth::Operations", "Mix")),
                              100, true};
}

WorksheetState StateWithOperations() {
    WorksheetState state;
    InitOperations(state);
    return state;
}

QString OperationDisplayName(const QString& symbol) {
    return QCoreApplication::translate(kOperationsContext, symbol.toUtf8().constData());
}

QString SpokenOperation(const QString& symbol) {
    const char* word = nullptr;
    if (symbol == u"+") {
        word = QT_TRANSLATE_NOOP("tallyworth::Operations", "plus");
    } else if (symbol == u"-") {
        word = QT_TRANSLATE_NOOP("tallyworth::Operations", "minus");
    } else if (symbol == u"*") {
        word = QT_TRANSLATE_NOOP("tallyworth::Operations", "times");
    } else if (symbol == DivideSignText()) {
        word = QT_TRANSLATE_NOOP("tallyworth::Operations", "divided by");
    }
    return word != nullptr ? QCoreApplication::translate(kOperationsContext, word)
                           : OperationDisplayName(symbol);
}

QString WrittenOperation(const QString& symbol, const PageSigns& signs) {
    if (symbol == u"*") {
        return signs.times;
    }
    return symbol == DivideSignText() ? signs.divide : OperationDisplayName(symbol);
}

void InitGlobals(WorksheetState& state, OperationList& list) {
    state.divisionSymbol = QString(QChar(kLineAndDotsMarker));
    InitOperations(state);
    state.currentPage = 1;
    state.showCellNumbers = false;
    state.showSolutions = false;
    state.operation = RowNumber(OperationRow::Add);
    for (int row = 1; row < kOperationRows; ++row) {
        list.AppendOperation(state.operations[static_cast<std::size_t>(row)].symbol);
    }
}

}  // namespace tallyworth
