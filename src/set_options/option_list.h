#pragma once

#include <QString>
#include <QStringList>

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
    // Every value given, in order.
    [[nodiscard]] virtual QStringList Values(const QString& name) const = 0;
    [[nodiscard]] qsizetype Count(const QString& name) const { return Values(name).size(); }
};

// A message for each option with a value that is given more than once.
void RefuseRepeatedOptions(const OptionValues& values, QStringList& errors);

}  // namespace tallyworth
