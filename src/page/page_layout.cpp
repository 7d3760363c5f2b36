#include "page/page_layout.h"

// Stub until the layouts land.
namespace tallyworth {

void ArrangeFields(PageControls& /*page*/, WorksheetState& /*state*/,
                   std::optional<int> /*pPageNo*/) {}

}  // namespace tallyworth
