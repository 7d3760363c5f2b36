#pragma once

#include "page/page_controls.h"

#include <QString>

namespace tallyworth {

// What became of a print or an export; on failure, message says why in the user's words.
struct PrintOutcome {
    bool ok = false;
    QString message;
};

// Puts the page on one sheet of the system's default printer, with the printer's own
// paper set-up: the page's top-left corner at the printable origin, at its own size.
PrintOutcome PrintPageOnDefaultPrinter(const PageControls& page);

// Writes the page as a one-page US Letter PDF. Nothing half-written is left under
// fileName when it fails.
PrintOutcome SavePageAsPdf(const PageControls& page, const QString& fileName);

}  // namespace tallyworth
