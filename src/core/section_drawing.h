#pragma once

#include "core/problem.h"
#include "core/random_source.h"
#include "core/sheet_section.h"

#include <vector>

namespace tallyworth {

// Draws the problems of the sections in their order, each section's count of them: every
// allowed problem of a section equally likely, but the one just drawn while another is
// open. The operations of a section come up equally often while each has problems open.
// Without repeats a problem is not open again until every allowed problem of its section
// has been used. A section with a share of remainders has that share of its problems, at
// least, drawn among those that leave one, at places drawn at random. Nothing is composed
// when a section allows no problem at all.
[[nodiscard]] ProblemSet ComposeSections(const std::vector<SheetSection>& sections,
                                         RandomSource& source);

}  // namespace tallyworth
