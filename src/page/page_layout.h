#pragma once

#include "core/worksheet_state.h"
#include "page/page_controls.h"

#include <optional>

namespace tallyworth {

// Positions every cell of the layout chosen by state.gOperation (grid, or division in
// the chosen notation) and sets gGridColumns, gGridRows and gProblemsPerPage.
void ArrangeFields(PageControls& page, WorksheetState& state,
                   std::optional<int> pPageNo = std::nullopt);

}  // namespace tallyworth
