#include "core/number_conversion.h"

#include "core/rounding.h"

#include <cmath>
#include <limits>

namespace tallyworth {

namespace {

// Digit grouping is refused: the settings take small numbers only, and in a
// decimal-comma locale "1.000" would otherwise silently become a thousand.
QLocale WithoutGrouping(const QLocale& locale) {
    QLocale strict = locale;
    strict.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    return strict;
}

}  // namespace

std::optional<double> ToRealNumber(const QString& text, const QLocale& locale) {
    // QLocale skips white space around the number and fails on empty or blank text;
    // it also reads "inf" and "nan", which are no numbers a worksheet can use.
    bool ok = false;
    const double value = WithoutGrouping(locale).toDouble(text, &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int16_t> ToWholeNumber(const QString& text, const QLocale& locale) {
    const std::optional<double> real = ToRealNumber(text, locale);
    if (!real) {
        return std::nullopt;
    }
    const double rounded = RoundHalfToEven(*real);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace tallyworth
