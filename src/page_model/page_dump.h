#pragma once

#include "page_model/page_controls.h"

#include <QString>

namespace tallyworth {

// A readable text of every visible control: name and index, geometry to three
// decimals, caption, alignment and colour. Used by golden tests and for debugging.
QString DumpVisibleControls(const PageControls& page);

}  // namespace tallyworth
