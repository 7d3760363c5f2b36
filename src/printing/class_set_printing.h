#pragma once

#include "core/class_set.h"
#include "render/pdf_output.h"

class QPrinter;

namespace tallyworth {

// Prints the whole set as one job on the printer the user chose (its paper, margins
// and copies as set in the print dialog), handed to the scheduler like a single page
// and reported like one: refusals and a paused queue in the same words.
[[nodiscard]] PrintOutcome PrintClassSet(const ClassSetRequest& request, QPrinter& printer,
                                         SetProgress& progress);

}  // namespace tallyworth
