#pragma once

#include "core/class_set.h"
#include "serve/serve_run.h"

#include <QLocale>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace tallyworth {

// What the command line asks for.
enum class CommandAction { Make, Serve, Help, Version, Refuse };

// Where the worksheets go: a PDF file, or a printer (the default one when printerName is
// empty). Without a paper of its own a PDF takes the system's paper and a printer its own.
struct CommandOutput {
    bool print = false;
    QString pdfFile;
    QString printerName;
    std::optional<QPageSize> paper;
};

struct Command {
    CommandAction action = CommandAction::Refuse;
    CommandOutput output;
    ServeOptions serve;
    ClassSetRequest request;
    // Why the command cannot run, one message a line: bad usage, or the settings checks'
    // own messages in their order.
    QStringList errors;
    // What the user should know about a command that runs all the same, such as problem
    // rules that leave fewer different problems than a sheet asks for.
    QStringList warnings;
};

// Reads the program's arguments (without the program's name). The settings are checked
// as the main window checks them, their numbers read in locale, and then the problem
// rules, given as options or carried by --code's code, as View checks them; without
// --code the first sheet's seed is clockSeed, cut to the width its code carries.
[[nodiscard]] Command ParseCommand(const QStringList& arguments, std::uint64_t clockSeed,
                                   const QLocale& locale = QLocale());

// The text of --help, in the user's language.
[[nodiscard]] QString CommandHelp();

}  // namespace tallyworth
