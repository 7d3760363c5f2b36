#pragma once

#include "core/worksheet_state.h"
#include "page_model/page_controls.h"

#include <optional>

namespace tallyworth {

// Positions every cell of the layout chosen by state.operation (grid, or division in
// the chosen notation) and sets gridColumns, gridRows and problemsPerPage.
void ArrangeFields(PageControls& page, WorksheetState& state,
                   std::optional<int> pageNo = std::nullopt);

}  // namespace tallyworth
