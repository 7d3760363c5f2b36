#include "core/number_conversion.h"

// Stub until the conversions land.
namespace tallyworth {

std::optional<std::int16_t> ToWholeNumber(const QString& /*text*/, const QLocale& /*locale*/) {
    return std::nullopt;
}

std::optional<double> ToRealNumber(const QString& /*text*/, const QLocale& /*locale*/) {
    return std::nullopt;
}

}  // namespace tallyworth
