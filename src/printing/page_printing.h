#pragma once

#include "page_model/page_controls.h"
#include "render/pdf_output.h"

namespace tallyworth {

// Puts the page on one sheet of the system's default printer, with the printer's own
// paper set-up: the page's top-left corner at the printable origin, at its own size.
PrintOutcome PrintPageOnDefaultPrinter(const PageControls& page);

}  // namespace tallyworth
