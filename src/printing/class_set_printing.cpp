#include "printing/class_set_printing.h"

#include <QString>

namespace tallyworth {

PrintOutcome PrintClassSet(const ClassSetRequest& /*request*/, QPrinter& /*printer*/,
                           SetProgress& /*progress*/) {
    return {false, QStringLiteral("Class sets cannot be printed yet.")};
}

}  // namespace tallyworth
