#pragma once

#include "core/class_set.h"
#include "render/pdf_output.h"

#include <QPageSize>
#include <QString>

#include <optional>

class QPrinter;

namespace tallyworth {

// Prints the whole set as one job on the printer the user chose (its paper, margins
// and copies as set in the print dialog), handed to the scheduler like a single page
// and reported like one: refusals and a paused queue in the same words. A cancel sends
// nothing and gives ok false with an empty message.
[[nodiscard]] PrintOutcome PrintClassSet(const ClassSetRequest& request, QPrinter& printer,
                                         SetProgress& progress);

// The same on the printer of that name, or on the default printer when printerName is
// empty: on the given paper, or else on the paper the printer's queue names as its default.
[[nodiscard]] PrintOutcome PrintClassSetOn(const ClassSetRequest& request,
                                           const QString& printerName,
                                           const std::optional<QPageSize>& paper,
                                           SetProgress& progress);

}  // namespace tallyworth
