#include "page/page_fill.h"

// Stub until filling lands.
namespace tallyworth {

void HideEverything(PageControls& /*page*/) {}
void DisplayProblems(PageControls& /*page*/, const WorksheetState& /*state*/,
                     std::int16_t /*pageNo*/, FailureReporter& /*reporter*/) {}
void SetSolutionsVisible(PageControls& /*page*/, const WorksheetState& /*state*/,
                         std::int16_t /*pageNo*/, bool /*visible*/) {}
void ColorEverything(PageControls& /*page*/, ColorValue /*pColor*/) {}

}  // namespace tallyworth
