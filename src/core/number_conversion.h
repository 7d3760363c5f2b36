#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace tallyworth {

// Whole-number conversion of typed text: locale notation with optional sign, digits,
// decimal fraction and exponent, blanks around allowed; rounded half to even; must
// lie in -32768..32767. Empty or blank text fails.
std::optional<std::int16_t> ToWholeNumber(const QString& text, const QLocale& locale = QLocale());

// The same syntax read as a double without rounding. A number too small for a double
// ("1e-330") reads as 0; one too large fails. Empty or blank text fails.
std::optional<double> ToRealNumber(const QString& text, const QLocale& locale = QLocale());

}  // namespace tallyworth
