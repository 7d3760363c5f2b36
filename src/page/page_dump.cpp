#include "page/page_dump.h"

// Stub until the page data lands.
namespace tallyworth {

QString DumpVisibleControls(const PageControls& /*page*/) { return {}; }

}  // namespace tallyworth
