#include "cli/command_options.h"

#include "core/number_conversion.h"
#include "core/operations.h"
#include "core/page_options.h"
#include "core/problem_rules.h"
#include "core/rule_words.h"
#include "core/settings_limits.h"
#include "core/sheet_code.h"
#include "core/sheet_composer.h"
#include "core/validation.h"
#include "core/worksheet_state.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

namespace tallyworth {

namespace {

constexpr const char* kContext = "tallyworth::CommandLine";

struct OptionEntry {
    const char* name;
    const char* shortName;  // nullptr when the option has none
    const char* valueName;  // nullptr for a switch
    const char* description;
    bool setting;  // one of the worksheet's settings, which a sheet code carries
};

// clang-format off
constexpr std::array kOptions{
    OptionEntry{"pdf", nullptr, "FILE", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Write the worksheets to the PDF file FILE; - writes them to standard output."), false},
    OptionEntry{"print", nullptr, nullptr, QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Print them as one job on the default printer."), false},
    OptionEntry{"printer", nullptr, "NAME", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Print on the printer NAME instead."), false},
    OptionEntry{"operation", nullptr, "+|-|*|/|mix", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "The operation (default +); ÷ is read as /, x as *."), true},
    OptionEntry{"lowest", nullptr, "N", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "The Lowest Number, %1 to %2 (default %3)."), true},
    OptionEntry{"highest", nullptr, "N", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "The Highest Number, %1 to %2 (default %3)."), true},
    OptionEntry{"problems", nullptr, "N", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "How many problems a sheet has, %1 to %2 (default %3)."), true},
    OptionEntry{"allow-negative", nullptr, nullptr, QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Subtractions may have negative results."), true},
    OptionEntry{"notation", nullptr, "sign|bracket", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Divisions with the division sign (default) or the long-division bracket."), true},
    OptionEntry{"no-trivial", nullptr, nullptr, QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Leave out problems that give their answer away: times 1, divided by 1 or by itself, minus itself."), true},
    OptionEntry{"fixed", nullptr, "F", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Practise the number F, %1 to %2: the second number of + and *, the number taken away in -, the divisor in /."), true},
    OptionEntry{"regrouping", nullptr, "any|never|always", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Carrying and borrowing in + and -: allowed (default), never, or in every problem."), true},
    OptionEntry{"no-repeats", nullptr, nullptr, QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "No problem comes twice on a sheet until every allowed problem has been used."), true},
    OptionEntry{"sheets", nullptr, "N", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "How many different sheets, %1 to %2 (default %3)."), false},
    OptionEntry{"answers", nullptr, "none|each|end", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Answer keys: none (default), each after its sheet, or all at the end."), false},
    OptionEntry{"no-header", nullptr, nullptr, QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Leave out the band with the Name and Date lines, the sheet number and the code."), false},
    OptionEntry{"paper", nullptr, "letter|a4", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "The paper: by default the system's for a PDF, the printer's own for a print."), false},
    // The page's options are the code's too, but only shape the page: given, they win.
    OptionEntry{"times-sign", nullptr, "cross|dot|asterisk", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "The multiplication sign: ×, ⋅ or *; by default the one taught in the user's language."), false},
    OptionEntry{"divide-sign", nullptr, "obelus|colon", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "The division sign written on a line: ÷ or :; by default the one taught in the user's language."), false},
    OptionEntry{"layout", nullptr, "stacked|line", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Each problem's numbers stacked in a column (default) or on one line."), false},
    OptionEntry{"size", nullptr, "normal|large|xlarge", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "How big the figures are printed: normal (default), large or extra large."), false},
    OptionEntry{"fill-page", nullptr, nullptr, QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Print a sheet of few problems as large as fills its page."), false},
    OptionEntry{"code", nullptr, "CODE", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Make the sheet of this code again, with its settings; with --sheets N, the set that starts with it. The sign, layout, size and fill-page options, when given, override the code's."), false},
    OptionEntry{"help", "h", nullptr, QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Show this help."), false},
    OptionEntry{"version", "v", nullptr, QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Show the version."), false},
};
// clang-format on

// The figures of the options whose descriptions give their range and default.
struct OptionFigures {
    const char* name;
    int least;
    int most;
    int byDefault;
};

constexpr std::array kFigures{
    OptionFigures{"lowest", kLeastNumber, kMostNumber, kStartLowest},
    OptionFigures{"highest", kLeastNumber, kMostNumber, kStartHighest},
    OptionFigures{"problems", kLeastProblems, kMostProblems, kStartProblems},
    OptionFigures{"fixed", kLeastFixed, kMostFixed, 0},
    OptionFigures{"sheets", kLeastSheets, kMostSheets, ClassSetRequest{}.sheets},
};

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
    "             [--code CODE]\n"
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

// Reads the options into a command, keeping a message for each thing it cannot use.
class CommandReader {
  public:
    CommandReader(const QCommandLineParser& parser, Command& command)
        : parser_(parser), command_(command) {}

    [[nodiscard]] bool IsSet(const char* name) const { return parser_.isSet(Name(name)); }
    [[nodiscard]] QString Value(const char* name) const { return parser_.value(Name(name)); }

    void Refuse(const QString& message) { command_.errors << message; }

    void NotOneOf(const char* name, const char* choices) {
        NotOneOf(name, QString::fromUtf8(choices));
    }
    void NotOneOf(const char* name, const QString& choices) {
        Refuse(QCoreApplication::translate("tallyworth::CommandLine",
                                           "--%1 takes one of %2, not \"%3\".")
                   .arg(Name(name), choices, Value(name)));
    }

    [[nodiscard]] Command& Target() { return command_; }

  private:
    const QCommandLineParser& parser_;
    Command& command_;
};

void ReadOutput(CommandReader& reader) {
    CommandOutput& output = reader.Target().output;
    output.print = reader.IsSet("print");
    if (reader.IsSet("pdf") == output.print) {
        reader.Refuse(output.print
                          ? Translated(QT_TRANSLATE_NOOP("tallyworth::CommandLine",
                                                         "Give either --pdf or --print, not both."))
                          : Translated(QT_TRANSLATE_NOOP(
                                "tallyworth::CommandLine",
                                "Say where the worksheets go: --pdf FILE or --print.")));
    }
    output.pdfFile = reader.Value("pdf");
    if (reader.IsSet("pdf") && output.pdfFile.isEmpty()) {
        reader.Refuse(
            Translated(QT_TRANSLATE_NOOP("tallyworth::CommandLine", "--pdf needs a file name.")));
    }
    // "--pdf --print" would otherwise write a file named --print.
    if (output.pdfFile.startsWith(u'-') && output.pdfFile != u"-") {
        reader.Refuse(QCoreApplication::translate(
                          "tallyworth::CommandLine",
                          "--pdf needs a file name, not the option \"%1\"; write ./%1 for a "
                          "file of that name.")
                          .arg(output.pdfFile));
    }
    output.printerName = reader.Value("printer");
    if (reader.IsSet("printer") && (!output.print || output.printerName.isEmpty())) {
        reader.Refuse(Translated(QT_TRANSLATE_NOOP(
            "tallyworth::CommandLine", "--printer needs a printer name, and --print with it.")));
    }
}

void ReadPaper(CommandReader& reader) {
    if (!reader.IsSet("paper")) {
        return;
    }
    const QString paper = reader.Value("paper").toLower();
    if (paper == u"letter") {
        reader.Target().output.paper = QPageSize(QPageSize::Letter);
    } else if (paper == u"a4") {
        reader.Target().output.paper = QPageSize(QPageSize::A4);
    } else {
        reader.NotOneOf("paper", "letter|a4");
    }
}

void ReadSheets(CommandReader& reader) {
    if (!reader.IsSet("sheets")) {
        return;
    }
    bool number = false;
    const int sheets = reader.Value("sheets").trimmed().toInt(&number);
    if (!number || sheets < kLeastSheets || sheets > kMostSheets) {
        reader.Refuse(QCoreApplication::translate(
                          "tallyworth::CommandLine",
                          "--sheets takes a number of sheets from 1 to %1, not \"%2\".")
                          .arg(kMostSheets)
                          .arg(reader.Value("sheets")));
        return;
    }
    reader.Target().request.sheets = sheets;
}

void ReadAnswers(CommandReader& reader) {
    if (!reader.IsSet("answers")) {
        return;
    }
    const QString answers = reader.Value("answers").toLower();
    AnswerKeys& keys = reader.Target().request.answerKeys;
    if (answers == u"none") {
        keys = AnswerKeys::None;
    } else if (answers == u"each") {
        keys = AnswerKeys::AfterEach;
    } else if (answers == u"end") {
        keys = AnswerKeys::AtEnd;
    } else {
        reader.NotOneOf("answers", "none|each|end");
    }
}

// Sets value to the option's word, when the option is given; a word not among names is
// reported with them.
template <typename Value>
void ReadWord(CommandReader& reader, const char* name, std::optional<Value> (*named)(QStringView),
              const QStringList& names, Value& value) {
    if (!reader.IsSet(name)) {
        return;
    }
    if (const std::optional<Value> read = named(reader.Value(name))) {
        value = *read;
    } else {
        reader.NotOneOf(name, names.join(u'|'));
    }
}

// The page options given replace those of page: the defaults without --code, the code's
// with it.
void ReadPage(CommandReader& reader, PageOptions& page) {
    ReadWord(reader, "times-sign", TimesSignNamed, TimesSignNames(), page.timesSign);
    ReadWord(reader, "divide-sign", DivideSignNamed, DivideSignNames(), page.divideSign);
    ReadWord(reader, "layout", LayoutNamed, LayoutNames(), page.layout);
    ReadWord(reader, "size", PrintSizeNamed, PrintSizeNames(), page.size);
    page.fillPage = page.fillPage || reader.IsSet("fill-page");
}

// The operation list's entry for a typed operation; empty when there is none.
QString OperationEntry(const QString& typed) {
    QString operation = typed.trimmed().toLower();
    if (operation == u"+" || operation == u"-") {
        return operation;
    }
    if (operation == u"*" || operation == u"x" || operation == u"\u00D7") {
        return QStringLiteral("*");
    }
    if (operation == u"/" || operation == DivideSignText()) {
        return DivideSignText();
    }
    return operation == u"mix" ? QStringLiteral("Mix") : QString();
}

OperationRow OperationRowOf(const QString& entry) {
    WorksheetState state;
    state.divideSign = DivideSignText();
    InitOperations(state);
    const auto* row =
        std::find_if(state.operations.begin() + 1, state.operations.end(),
                     [&entry](const auto& operation) { return operation.symbol == entry; });
    return RowOfNumber(static_cast<int>(row - state.operations.begin()));
}

// The rules the options ask for; nothing when one of their values is bad, which is reported.
std::optional<ProblemRules> ReadRules(CommandReader& reader) {
    ProblemRuleOptions options;
    options.noTrivial = reader.IsSet("no-trivial");
    options.noRepeats = reader.IsSet("no-repeats");
    if (reader.IsSet("fixed")) {
        options.fixed = reader.Value("fixed");
    }
    if (reader.IsSet("regrouping")) {
        options.regrouping = reader.Value("regrouping");
    }
    const RuleOptionsParse parsed = ProblemRulesFromOptions(options);
    if (const auto* error = std::get_if<RuleOptionError>(&parsed)) {
        reader.Refuse(error->message);
        return std::nullopt;
    }
    return std::get<ProblemRules>(parsed);
}

SheetCode FirstSheet(const SheetSettings& settings, std::uint64_t seed) {
    return SheetCodeOf(settings, CutSeedForCode(seed, settings));
}

void ReadSettings(CommandReader& reader, std::uint64_t seed, const QLocale& locale) {
    const QString entry =
        OperationEntry(reader.IsSet("operation") ? reader.Value("operation") : QStringLiteral("+"));
    const QString notation = reader.Value("notation").toLower();
    if (entry.isEmpty()) {
        reader.NotOneOf("operation", "+|-|*|/|mix");
    }
    if (reader.IsSet("notation") && notation != u"sign" && notation != u"bracket") {
        reader.NotOneOf("notation", "sign|bracket");
    }
    const std::optional<ProblemRules> rules = ReadRules(reader);
    PageOptions page;
    ReadPage(reader, page);
    if (!reader.Target().errors.isEmpty()) {
        return;
    }
    const auto text = [&reader](const char* name, int fallback) {
        return reader.IsSet(name) ? reader.Value(name) : QString::number(fallback);
    };
    const QString lowest = text("lowest", kStartLowest);
    const QString highest = text("highest", kStartHighest);
    const QString count = text("problems", kStartProblems);
    const ValidationResult checked = ValidateSettings(highest, lowest, count, entry, locale);
    for (const SettingsEffect& effect : checked.effects) {
        if (const auto* message = std::get_if<SettingsMessage>(&effect)) {
            reader.Refuse(message->text);
        }
    }
    if (!checked.verdict) {
        return;
    }
    const SheetSettings settings{OperationRowOf(entry),
                                 *ToWholeNumber(lowest, locale),
                                 *ToWholeNumber(highest, locale),
                                 *ToWholeNumber(count, locale),
                                 reader.IsSet("allow-negative"),
                                 notation == u"bracket",
                                 *rules,
                                 page};
    reader.Target().request.first = FirstSheet(settings, seed);
}

void ReadCode(CommandReader& reader) {
    for (const OptionEntry& entry : kOptions) {
        if (entry.setting && reader.IsSet(entry.name)) {
            reader.Refuse(QCoreApplication::translate(
                              "tallyworth::CommandLine",
                              "--code holds the worksheet's settings: leave out --%1.")
                              .arg(Name(entry.name)));
        }
    }
    const SheetCodeParse parsed = ParseSheetCode(reader.Value("code"));
    const auto* code = std::get_if<SheetCode>(&parsed);
    SheetCode first = code != nullptr ? *code : SheetCode{};
    // The seed and version stay the code's, so the sheet keeps its problems.
    ReadPage(reader, first.settings.page);
    if (const auto* error = std::get_if<SheetCodeError>(&parsed)) {
        reader.Refuse(error->message);
        return;
    }
    reader.Target().request.first = first;
}

// As in the windows: rules that no problem fits are a failure of the settings, fewer
// problems than a sheet asks for only mean repeats. A code's rules are checked too.
void CheckRules(CommandReader& reader) {
    const SheetSettings& settings = reader.Target().request.first.settings;
    if (!reader.Target().errors.isEmpty()) {
        return;
    }
    const RulesCheck check =
        CheckRulesFit(ProblemSettingsOf(settings), settings.count, settings.rules);
    switch (check.verdict) {
        case RulesVerdict::Fits:
            break;
        case RulesVerdict::NoneFits:
            reader.Refuse(NoProblemFitsMessage().text);
            break;
        case RulesVerdict::SomeRepeat:
            reader.Target().warnings << SomeWillRepeatNotice(check.possible);
            break;
    }
}

void RefuseRepeats(CommandReader& reader, const QCommandLineParser& parser) {
    for (const OptionEntry& entry : kOptions) {
        if (entry.valueName != nullptr && parser.values(Name(entry.name)).size() > 1) {
            reader.Refuse(QCoreApplication::translate("tallyworth::CommandLine",
                                                      "--%1 is given more than once.")
                              .arg(Name(entry.name)));
        }
    }
    for (const QString& argument : parser.positionalArguments()) {
        reader.Refuse(
            QCoreApplication::translate("tallyworth::CommandLine", "Unexpected argument \"%1\".")
                .arg(argument));
    }
}

void ReadCommand(CommandReader& reader, const QCommandLineParser& parser, std::uint64_t seed,
                 const QLocale& locale) {
    RefuseRepeats(reader, parser);
    ReadOutput(reader);
    ReadPaper(reader);
    ReadSheets(reader);
    ReadAnswers(reader);
    reader.Target().request.header = !reader.IsSet("no-header");
    if (reader.IsSet("code")) {
        ReadCode(reader);
    } else {
        ReadSettings(reader, seed, locale);
    }
    CheckRules(reader);
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

QString Description(const OptionEntry& entry) {
    QString text = Translated(entry.description);
    const auto* figures = std::ranges::find_if(kFigures, [&entry](const OptionFigures& option) {
        return std::string_view(option.name) == entry.name;
    });
    if (figures == kFigures.end()) {
        return text;
    }
    // A description without a default has no %3 to fill.
    const QString ranged = text.arg(figures->least).arg(figures->most);
    return figures->byDefault == 0 ? ranged : ranged.arg(figures->byDefault);
}

QString OptionsHelp() {
    qsizetype column = 0;
    for (const OptionEntry& entry : kOptions) {
        column = std::max(column, OptionLabel(entry).size());
    }
    // Two blanks before and after the option's name.
    const qsizetype indent = column + 4;
    QString help;
    for (const OptionEntry& entry : kOptions) {
        help += QStringLiteral("  %1  ").arg(OptionLabel(entry).leftJustified(column)) +
                Wrapped(Description(entry), kHelpWidth - indent, indent);
    }
    return help;
}

}  // namespace

Command ParseCommand(const QStringList& arguments, std::uint64_t clockSeed, const QLocale& locale) {
    QCommandLineParser parser;
    for (const OptionEntry& entry : kOptions) {
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
    CommandReader reader(parser, command);
    ReadCommand(reader, parser, clockSeed, locale);
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
