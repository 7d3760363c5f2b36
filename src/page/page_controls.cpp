#include "page/page_controls.h"

// Stub until the page data lands.
namespace tallyworth {

PageControls MakeDesignPageControls() { return {}; }

}  // namespace tallyworth
