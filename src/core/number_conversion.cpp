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

// The locale conversion refuses a number too small for a double ("1e-330") just as it
// refuses a misspelt one, with 0 for both (an overflow gives an infinity instead).
// Zeroing every digit keeps the notation and drops the value: that text reads exactly
// when the notation was right and only the value was too small.
bool Underflows(const QString& text, const QLocale& locale) {
    QString zeroed = text;
    for (QChar& character : zeroed) {
        if (character.isDigit()) {
            // Every script's decimal digits run from its zero in order.
            character = QChar(character.unicode() - character.digitValue());
        }
    }
    bool ok = false;
    static_cast<void>(locale.toDouble(zeroed, &ok));
    return ok;
}

}  // namespace

std::optional<double> ToRealNumber(const QString& text, const QLocale& locale) {
    // QLocale skips white space around the number and fails on empty or blank text;
    // it also reads "inf" and "nan", which are no numbers a worksheet can use.
    const QLocale strict = WithoutGrouping(locale);
    bool ok = false;
    const double value = strict.toDouble(text, &ok);
    if (!ok && value == 0.0 && Underflows(text, strict)) {
        return 0.0;  // as near as a double comes to it
    }
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
