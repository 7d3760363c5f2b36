#pragma once

#include "page_model/page_controls.h"

#include <QString>

namespace tallyworth {

// What became of a print or an export, in the user's words. On failure, message says
// why; on success it is empty, or a notice the user should still read (a worksheet
// that waits in a paused printer's queue).
struct [[nodiscard]] PrintOutcome {
    bool ok = false;
    QString message;
};

// The title every printed or saved worksheet carries, in the user's language.
QString JobTitle();

// Writes the page as a one-page US Letter PDF. Nothing half-written is left under
// fileName when it fails. A sheet code, when given, goes into the file's metadata: into
// its title, which viewers show, and into its subject and keywords, which searches find.
PrintOutcome SavePageAsPdf(const PageControls& page, const QString& fileName,
                           const QString& sheetCode = {});

}  // namespace tallyworth
