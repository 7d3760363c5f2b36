#include "core/validation.h"

// Stub until validation lands.
namespace tallyworth {

ValidationResult ValidateSettings(const QString& /*highestText*/, const QString& /*lowestText*/,
                                  const QString& /*countText*/, const QString& /*operationText*/,
                                  const QLocale& /*locale*/) {
    return {};
}

}  // namespace tallyworth
