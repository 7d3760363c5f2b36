#pragma once

#include "core/page_options.h"
#include "core/worksheet_state.h"

#include <QString>

namespace tallyworth {

// Where InitGlobals lists the operations for the user to choose from; the main
// window's operation list implements it.
class OperationList {
  public:
    virtual ~OperationList() = default;
    virtual void AppendOperation(const QString& symbol) = 0;
};

// Sets the divide sign (DivideSignText) and fills rows 1 to 5 of the operation table; row 4
// is the divide sign's.
void InitOperations(WorksheetState& state);

// A fresh worksheet state with its divide sign and operation table set up by InitOperations,
// everything else as a WorksheetState starts: where every sheet made outside the main
// window's own state begins.
[[nodiscard]] WorksheetState StateWithOperations();

// The name the user sees for an operation: its sign, or for the mixed operation its
// name in the user's language. The table keeps the untranslated sign.
[[nodiscard]] QString OperationDisplayName(const QString& symbol);

// How a screen reader says an operation's sign in the user's language: "plus", "minus",
// "times", "divided by"; the mixed operation by its name. Any other text is said as it is.
[[nodiscard]] QString SpokenOperation(const QString& symbol);

// The operation's sign as a page with these signs writes it: the multiplication and
// division signs as chosen, any other as OperationDisplayName shows it.
[[nodiscard]] QString WrittenOperation(const QString& symbol, const PageSigns& signs);

// Start-up: division markers, operation table, first values, then the operation list.
void InitGlobals(WorksheetState& state, OperationList& list);

}  // namespace tallyworth
