#pragma once

#include "set_options/set_options.h"

#include <QList>
#include <QPair>
#include <QString>

#include <cstdint>

namespace tallyworth {

// Reads a class set from a web address's parameters, named as the command line's long
// options without dashes, through the command line's own reading: a message for each name
// that is not one of the set's options, each given more than once, and each bad value. A
// value left empty counts as not given, as a form's empty field means; a switch is on
// with any value but 0.
[[nodiscard]] SetReading ReadQueryOptions(const QList<QPair<QString, QString>>& query,
                                          std::uint64_t clockSeed, const QLocale& locale);

}  // namespace tallyworth
