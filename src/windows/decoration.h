#pragma once

class QWidget;

namespace tallyworth {

// Marks a widget that only draws, such as a focus ring or a separator line, as having
// nothing to read: screen readers are told it is not shown, so they pass over it instead
// of reading an unnamed, empty element.
void MarkAsDecoration(QWidget& widget);

}  // namespace tallyworth
