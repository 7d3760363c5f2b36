#pragma once

#include "core/class_set.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <span>

namespace tallyworth {

// One of the options that ask for worksheets, as the command line names them (--name) and a
// web address does (name=value).
struct OptionEntry {
    const char* name;
    const char* shortName;  // nullptr when the option has none
    const char* valueName;  // nullptr for a switch
    const char* description;
    bool setting;   // one of the worksheet's settings, which a sheet code carries
    bool ofTheSet;  // read by ReadSetOptions; the others say where the sheets go, or ask for help
};

// Every option, in the order the help lists them.
[[nodiscard]] std::span<const OptionEntry> Options();

// The option's description in the user's language, its range and default filled in.
[[nodiscard]] QString OptionDescription(const OptionEntry& entry);

// The options as given, by their long names, wherever they come from.
class OptionValues {
  public:
    virtual ~OptionValues() = default;
    [[nodiscard]] virtual bool IsSet(const QString& name) const = 0;
    // The last value given; empty for a switch or an option not given.
    [[nodiscard]] virtual QString Value(const QString& name) const = 0;
    [[nodiscard]] virtual qsizetype Count(const QString& name) const = 0;
};

// A class set as its options ask for it; errors holds why it cannot be made, one message
// each, in the order of the options.
struct SetReading {
    ClassSetRequest request;
    std::optional<Paper> paper;
    // Why the set cannot be made: bad values, or the settings checks' own messages.
    QStringList errors;
    // What the user should know about a set that is made all the same, such as problem
    // rules that leave fewer different problems than a sheet asks for.
    QStringList warnings;
};

// A message for each option with a value that is given more than once.
void RefuseRepeatedOptions(const OptionValues& values, QStringList& errors);

// Reads the options of the set into reading, adding to its errors: the settings are checked
// as the main window checks them, their numbers read in locale, and then the problem rules,
// given as options or carried by a code, as View checks them; without a code the first
// sheet's seed is clockSeed, cut to the width its code carries.
void ReadSetOptions(const OptionValues& values, std::uint64_t clockSeed, const QLocale& locale,
                    SetReading& reading);

}  // namespace tallyworth
