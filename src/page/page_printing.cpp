#include "page/page_printing.h"

// Stub until printing lands.
namespace tallyworth {

PrintOutcome PrintPageOnDefaultPrinter(const PageControls& /*page*/) {
    return {false, QStringLiteral("Printing is not available yet.")};
}

PrintOutcome SavePageAsPdf(const PageControls& /*page*/, const QString& /*fileName*/) {
    return {false, QStringLiteral("Saving as PDF is not available yet.")};
}

}  // namespace tallyworth
