#pragma once

#include "core/class_set.h"
#include "set_options/option_list.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <span>

namespace tallyworth {

// The options of the set, those ReadSetOptions reads, in the order the help lists them.
[[nodiscard]] std::span<const OptionEntry> SetOptions();

// A class set as its options ask for it; errors holds why it cannot be made, one message
// each, in the order of the options.
struct SetReading {
    ClassSetRequest request;
    std::optional<Paper> paper;
    // Why the set cannot be made: bad values, or the settings checks' own messages.
    QStringList errors;
    // For each of errors, the option it is about, named as a web address names it
    // ("lowest"); empty where it is about the set as a whole. May stop short of errors.
    QStringList faultOptions;
    // What the user should know about a set that is made all the same, such as problem
    // rules that leave fewer different problems than a sheet asks for.
    QStringList warnings;
};

// Reads the options of the set into reading, adding to its errors: the settings are checked
// as the main window checks them, their numbers read in locale, and then the problem rules,
// given as options or carried by a code, as View checks them; without a code the first
// sheet's seed is clockSeed, cut to the width its code carries.
void ReadSetOptions(const OptionValues& values, std::uint64_t clockSeed, const QLocale& locale,
                    SetReading& reading);

// The address --public-url gives the sheets' practice pages under, for the command line
// and the server alike: an absolute http or https address without a query, given a final
// '/' when it lacks one. Empty when the option is not given; a bad address is refused in
// errors.
[[nodiscard]] QString ReadPublicUrl(const OptionValues& values, QStringList& errors);

}  // namespace tallyworth
