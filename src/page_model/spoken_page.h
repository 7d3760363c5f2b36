#pragma once

#include "page_model/page_controls.h"

#include <QStringList>

namespace tallyworth {

// The problems the page shows, in reading order, as they are read aloud: "7 times 8
// equals", and "7 times 8 equals 56" where the solution shows. What a screen reader
// reads of the page; the picture itself says nothing.
[[nodiscard]] QStringList SpokenProblems(const PageControls& page);

}  // namespace tallyworth
