#include "cli/command_options.h"

#include "render/pdf_output.h"
#include "serve/listen_address.h"
#include "set_options/set_options.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstdint>
#include <variant>

namespace tallyworth {

namespace {

constexpr const char* kContext = "tallyworth::CommandLine";

// The synopsis names the options, which stay the same in every language.
constexpr const char* kSynopsis =
    "  tallyworth\n"
    "  tallyworth (--pdf FILE | --print [--printer NAME]) [--operation +|-|*|/|mix]\n"
    "             [--lowest N] [--highest N] [--problems N] [--allow-negative]\n"
    "             [--notation sign|bracket] [--no-trivial] [--fixed F]\n"
    "             [--regrouping any|never|always] [--no-repeats] [--sheets N]\n"
    "             [--answers none|each|end] [--no-header] [--paper letter|a4]\n"
    "             [--times-sign cross|dot|asterisk] [--divide-sign obelus|colon]\n"
    "             [--layout stacked|line] [--size normal|large|xlarge] [--fill-page]\n"
    "             [--method us|uk|de|fr|es|mx|nl] [--squares on|off] [--key-working]\n"
    "             [--code CODE] [--public-url URL]\n"
    "  tallyworth --serve [--listen ADDRESS:PORT] [--base-path PATH] [--sets N]\n"
    "             [--queue N] [--per-client N] [--public-url URL]\n"
    "  tallyworth --help | --version\n";

// The commands of an example stay the same in every language, as the synopsis does.
constexpr const char* kRulesExample =
    "  tallyworth --pdf sevens.pdf --operation x --highest 12 --fixed 7 \\\n"
    "             --no-trivial --sheets 30 --answers each\n";
constexpr const char* kDivisionExample =
    "  tallyworth --pdf by7.pdf --operation / --lowest 7 --highest 84 --fixed 7\n";

// Under the 80 columns of a terminal, which wraps a line that fills them.
constexpr qsizetype kHelpWidth = 79;

QString Translated(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

QString Name(const char* name) {
    return QString::fromLatin1(name);
}

QString OptionLabel(const OptionEntry& entry) {
    QString label = entry.shortName != nullptr
                        ? QStringLiteral("-%1, --%2").arg(Name(entry.shortName), Name(entry.name))
                        : QStringLiteral("--%1").arg(Name(entry.name));
    if (entry.valueName != nullptr) {
        label += u' ' + QString::fromUtf8(entry.valueName);
    }
    return label;
}

QCommandLineOption ToOption(const OptionEntry& entry) {
    QStringList names{Name(entry.name)};
    if (entry.shortName != nullptr) {
        names.prepend(Name(entry.shortName));
    }
    return entry.valueName == nullptr
               ? QCommandLineOption(names)
               : QCommandLineOption(names, QString(), QString::fromUtf8(entry.valueName));
}

// The command line's options as the set's reading takes them.
class ParsedOptions final : public OptionValues {
  public:
    explicit ParsedOptions(const QCommandLineParser& parser) : parser_(parser) {}
    [[nodiscard]] bool IsSet(const QString& name) const override { return parser_.isSet(name); }
    [[nodiscard]] QString Value(const QString& name) const override { return parser_.value(name); }
    [[nodiscard]] QStringList Values(const QString& name) const override {
        return parser_.values(name);
    }

  private:
    const QCommandLineParser& parser_;
};

void ReadOutput(const QCommandLineParser& parser, Command& command) {
    CommandOutput& output = command.output;
    const auto isSet = [&parser](const char* name) { return parser.isSet(Name(name)); };
    const auto value = [&parser](const char* name) { return parser.value(Name(name)); };
    output.print = isSet("print");
    if (isSet("pdf") == output.print) {
        command.errors << (output.print
                               ? Translated(
                                     QT_TRANSLATE_NOOP("tallyworth::CommandLine",
                                                       "Give either --pdf or --print, not both."))
                               : Translated(QT_TRANSLATE_NOOP(
                                     "tallyworth::CommandLine",
                                     "Say where the worksheets go: --pdf FILE or --print.")));
    }
    output.pdfFile = value("pdf");
    if (isSet("pdf") && output.pdfFile.isEmpty()) {
        command.errors << (Translated(
            QT_TRANSLATE_NOOP("tallyworth::CommandLine", "--pdf needs a file name.")));
    }
    // "--pdf --print" would otherwise write a file named --print.
    if (output.pdfFile.startsWith(u'-') && output.pdfFile != u"-") {
        command.errors << (QCoreApplication::translate(
                               "tallyworth::CommandLine",
                               "--pdf needs a file name, not the option \"%1\"; write ./%1 for a "
                               "file of that name.")
                               .arg(output.pdfFile));
    }
    output.printerName = value("printer");
    if (isSet("printer") && (!output.print || output.printerName.isEmpty())) {
        command.errors << (Translated(QT_TRANSLATE_NOOP(
            "tallyworth::CommandLine", "--printer needs a printer name, and --print with it.")));
    }
}

// How many sets the server draws or lets wait, when the option is given.
void ReadServeCount(const QCommandLineParser& parser, const char* name, int& count,
                    QStringList& errors) {
    constexpr int kMostSets = 1000;
    if (!parser.isSet(Name(name))) {
        return;
    }
    bool number = false;
    const int read = parser.value(Name(name)).trimmed().toInt(&number);
    if (!number || read < 1 || read > kMostSets) {
        errors << QCoreApplication::translate("tallyworth::CommandLine",
                                              "--%1 takes a whole number from 1 to %2, not \"%3\".")
                      .arg(Name(name))
                      .arg(kMostSets)
                      .arg(parser.value(Name(name)));
        return;
    }
    count = read;
}

// The server takes its settings from each request: only where it listens, and where its
// sheets' practice pages are, are its own.
void ReadServe(const QCommandLineParser& parser, Command& command) {
    const QStringList own{QStringLiteral("serve"),     QStringLiteral("listen"),
                          QStringLiteral("base-path"), QStringLiteral("sets"),
                          QStringLiteral("queue"),     QStringLiteral("per-client"),
                          QStringLiteral("public-url")};
    for (const QString& name : parser.optionNames()) {
        if (!own.contains(name)) {
            command.errors << QCoreApplication::translate(
                                  "tallyworth::CommandLine",
                                  "--serve takes only --listen, --base-path, --sets, --queue, "
                                  "--per-client and --public-url, not --%1.")
                                  .arg(name);
        }
    }
    command.serve.publicUrl = ReadPublicUrl(ParsedOptions(parser), command.errors);
    ReadServeCount(parser, "sets", command.serve.sets, command.errors);
    ReadServeCount(parser, "queue", command.serve.queue, command.errors);
    ReadServeCount(parser, "per-client", command.serve.perClient, command.errors);
    if (parser.isSet(QStringLiteral("listen"))) {
        command.serve.listen = parser.value(QStringLiteral("listen"));
        const auto read = ReadListenAddress(command.serve.listen);
        if (const auto* fault = std::get_if<QString>(&read)) {
            command.errors << *fault;
        }
    }
    QString base = parser.value(QStringLiteral("base-path"));
    while (base.endsWith(u'/')) {
        base.chop(1);
    }
    if (!base.isEmpty() && !base.startsWith(u'/')) {
        base.prepend(u'/');
    }
    command.serve.basePath = base;
    command.action = command.errors.isEmpty() ? CommandAction::Serve : CommandAction::Refuse;
}

void ReadCommand(const QCommandLineParser& parser, std::uint64_t seed, const QLocale& locale,
                 Command& command) {
    const ParsedOptions values(parser);
    RefuseRepeatedOptions(values, command.errors);
    for (const QString& argument : parser.positionalArguments()) {
        command.errors << QCoreApplication::translate("tallyworth::CommandLine",
                                                      "Unexpected argument \"%1\".")
                              .arg(argument);
    }
    ReadOutput(parser, command);
    SetReading reading;
    ReadSetOptions(values, seed, locale, reading);
    command.request = reading.request;
    command.request.publicUrl = ReadPublicUrl(values, command.errors);
    if (reading.paper) {
        command.output.paper = PageSizeOf(*reading.paper);
    }
    command.errors << reading.errors;
    command.warnings << reading.warnings;
}

// Breaks a paragraph into lines of at most width characters, between words; lines after
// the first are indented.
QString Wrapped(const QString& paragraph, qsizetype width, qsizetype indent = 0) {
    QString wrapped;
    qsizetype lineLength = 0;
    for (const QString& word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
        if (lineLength > 0 && lineLength + 1 + word.size() > width) {
            wrapped += u'\n' + QString(indent, u' ');
            lineLength = 0;
        } else if (lineLength > 0) {
            wrapped += u' ';
            ++lineLength;
        }
        wrapped += word;
        lineLength += word.size();
    }
    return wrapped + u'\n';
}

QString OptionsHelp() {
    qsizetype column = 0;
    for (const OptionEntry& entry : Options()) {
        column = std::max(column, OptionLabel(entry).size());
    }
    // Two blanks before and after the option's name.
    const qsizetype indent = column + 4;
    QString help;
    for (const OptionEntry& entry : Options()) {
        help += QStringLiteral("  %1  ").arg(OptionLabel(entry).leftJustified(column)) +
                Wrapped(OptionDescription(entry), kHelpWidth - indent, indent);
    }
    return help;
}

}  // namespace

Command ParseCommand(const QStringList& arguments, std::uint64_t clockSeed, const QLocale& locale) {
    QCommandLineParser parser;
    for (const OptionEntry& entry : Options()) {
        parser.addOption(ToOption(entry));
    }
    Command command;
    if (!parser.parse(QStringList{QStringLiteral("tallyworth")} + arguments)) {
        command.errors << parser.errorText();
        return command;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        command.action = CommandAction::Help;
        return command;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        command.action = CommandAction::Version;
        return command;
    }
    if (parser.isSet(QStringLiteral("serve"))) {
        ReadServe(parser, command);
        return command;
    }
    ReadCommand(parser, clockSeed, locale, command);
    command.action = command.errors.isEmpty() ? CommandAction::Make : CommandAction::Refuse;
    return command;
}

QString CommandHelp() {
    return Translated(QT_TRANSLATE_NOOP("tallyworth::CommandLine", "Usage:")) + u'\n' +
           QString::fromLatin1(kSynopsis) + u'\n' +
           Wrapped(Translated(QT_TRANSLATE_NOOP(
                       "tallyworth::CommandLine",
                       "Without arguments Tallyworth opens its windows. With them it makes "
                       "worksheets without any window: one sheet, or a class set of different "
                       "sheets, each with its own sheet code, written to a PDF or printed as one "
                       "job. The first sheet's code is written to standard output; --code with it "
                       "and --sheets makes the same sheets again.")),
                   kHelpWidth) +
           u'\n' + Translated(QT_TRANSLATE_NOOP("tallyworth::CommandLine", "Options:")) + u'\n' +
           OptionsHelp() + u'\n' +
           Wrapped(Translated(QT_TRANSLATE_NOOP(
                       "tallyworth::CommandLine",
                       "Example: 30 different sheets of the 7 times table without trivial facts, "
                       "each followed by its answer key:")),
                   kHelpWidth) +
           QString::fromLatin1(kRulesExample) + u'\n' +
           Wrapped(Translated(QT_TRANSLATE_NOOP(
                       "tallyworth::CommandLine",
                       "A fixed divisor takes its dividends from the range, so the range must "
                       "reach its multiples: sheets of 7 ÷ 7 to 84 ÷ 7:")),
                   kHelpWidth) +
           QString::fromLatin1(kDivisionExample) + u'\n' +
           Wrapped(Translated(QT_TRANSLATE_NOOP("tallyworth::CommandLine",
                                                "Exit status: 0 when done, 1 when the worksheets "
                                                "could not be written or printed, 2 for bad "
                                                "options or settings.")),
                   kHelpWidth);
}

}  // namespace tallyworth
