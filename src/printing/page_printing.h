#pragma once

#include "page_model/printed_page.h"

#include <vector>
#include "render/pdf_output.h"

namespace tallyworth {

// Puts the pages on the system's default printer, a sheet of paper each, with the printer's
// own paper set-up: the page's top-left corner at the printable origin, at its own size;
// pages laid out anew are laid out for the printable area.
PrintOutcome PrintPagesOnDefaultPrinter(const PageMaker& pages);

}  // namespace tallyworth
