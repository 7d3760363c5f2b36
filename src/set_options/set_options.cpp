#include "set_options/set_options.h"

#include "core/operations.h"
#include "core/page_options.h"
#include "core/problem_rules.h"
#include "core/rule_words.h"
#include "core/settings_limits.h"
#include "core/sheet_code.h"
#include "core/sheet_composer.h"
#include "core/validation.h"
#include "core/worksheet_state.h"
#include "set_options/section_option.h"

#include <QCoreApplication>
#include <QUrl>

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace tallyworth {

namespace {

// The options of the set, in the order the help lists them.
// clang-format off
constexpr std::array kSetOptions{
    OptionEntry{"operation", nullptr, "+|-|*|/|mix", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "The operation (default +); ÷ is read as /, x as *."), true, true},
    OptionEntry{"lowest", nullptr, "N", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "The Lowest Number, %1 to %2 (default %3)."), true, true},
    OptionEntry{"highest", nullptr, "N", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "The Highest Number, %1 to %2 (default %3)."), true, true},
    OptionEntry{"problems", nullptr, "N", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "How many problems a sheet has, %1 to %2 (default %3)."), true, true},
    OptionEntry{"allow-negative", nullptr, nullptr, QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Subtractions may have negative results."), true, true},
    OptionEntry{"notation", nullptr, "sign|bracket", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Divisions with the division sign (default) or the long-division bracket."), true, true},
    OptionEntry{"no-trivial", nullptr, nullptr, QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Leave out problems that give their answer away: times 1, divided by 1 or by itself, minus itself."), true, true},
    OptionEntry{"fixed", nullptr, "F", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Practise the number F, %1 to %2: the second number of + and *, the number taken away in -, the divisor in /."), true, true},
    OptionEntry{"regrouping", nullptr, "any|never|always", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Carrying and borrowing in + and -: allowed (default), never, or in every problem."), true, true},
    OptionEntry{"no-repeats", nullptr, nullptr, QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "No problem comes twice on a sheet until every allowed problem has been used."), true, true},
    OptionEntry{"first", nullptr, "LOW-HIGH", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "The range of the first number (the dividend of a division), in place of --lowest and --highest."), true, true},
    OptionEntry{"second", nullptr, "LOW-HIGH", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "The range of the second number (the divisor of a division); the first's unless given."), true, true},
    OptionEntry{"section", nullptr, "FIELDS", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "One section of a sheet of several, given once for each, such as 'kind=missing operation=x first=2-12 problems=20 missing=either title=\"Times tables\"'. Kinds: facts, missing (missing=first|second|either), table-division, remainder (remainders=N for at least N %, or always), written (one operation; numbers of up to 6 digits; addends=2..4 for +, carrying=any|never|once for + and -, remainders=N or always for /). Other fields: operation (+, -, *, / or a list such as +,- or mix), first and second (LOW-HIGH), problems, no-trivial, fixed, regrouping, no-repeats, notation, allow-negative, title. In place of the options above."), true, true},
    OptionEntry{"sheets", nullptr, "N", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "How many different sheets, %1 to %2 (default %3)."), false, true},
    OptionEntry{"answers", nullptr, "none|each|end", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Answer keys: none (default), each after its sheet, or all at the end."), false, true},
    OptionEntry{"no-header", nullptr, nullptr, QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Leave out the band with the Name and Date lines, the sheet number and the code."), false, true},
    OptionEntry{"paper", nullptr, "letter|a4", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "The paper: by default the system's for a PDF, the printer's own for a print."), false, true},
    // The page's options are the code's too, but only shape the page: given, they win.
    OptionEntry{"times-sign", nullptr, "cross|dot|asterisk", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "The multiplication sign: ×, ⋅ or *; by default the one taught in the user's language."), false, true},
    OptionEntry{"divide-sign", nullptr, "obelus|colon", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "The division sign written on a line: obelus for the division sign ÷, colon for :; by default the one taught in the user's language."), false, true},
    OptionEntry{"layout", nullptr, "stacked|line", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Each problem's numbers stacked in a column (default) or on one line."), false, true},
    OptionEntry{"size", nullptr, "normal|large|xlarge", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "How big the figures are printed: normal (default), large or extra large."), false, true},
    OptionEntry{"fill-page", nullptr, nullptr, QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Print a sheet of few problems as large as fills its page."), false, true},
    OptionEntry{"method", nullptr, "us|uk|de|fr|es|mx|nl", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "How written methods are laid out, as the schools of a country write them; by default those of the user's language and country."), false, true},
    OptionEntry{"squares", nullptr, "on|off", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Squared paper behind written methods; by default as the method's country uses it."), false, true},
    OptionEntry{"key-working", nullptr, nullptr, QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Answer keys of written methods show the whole working, not the answers alone."), false, true},
    OptionEntry{"code", nullptr, "CODE", QT_TRANSLATE_NOOP("tallyworth::CommandLine",
        "Make the sheet of this code again, with its settings; with --sheets N, the set that starts with it. The sign, layout, size, fill-page, method, squares and key-working options, when given, override the code's."), false, true},
};
// clang-format on

QString Name(const char* name) {
    return QString::fromLatin1(name);
}

// Reads the options into a set, keeping a message for each thing it cannot use.
class CommandReader {
  public:
    CommandReader(const OptionValues& values, SetReading& reading)
        : values_(values), reading_(reading) {}

    [[nodiscard]] bool IsSet(const char* name) const { return values_.IsSet(Name(name)); }
    [[nodiscard]] QString Value(const char* name) const { return values_.Value(Name(name)); }
    [[nodiscard]] QStringList Values(const char* name) const { return values_.Values(Name(name)); }

    // option is the one the message is about, when it is about one.
    void Refuse(const QString& message, const QString& option = {}) {
        reading_.errors << message;
        reading_.faultOptions.resize(reading_.errors.size() - 1);
        reading_.faultOptions << option;
    }

    void NotOneOf(const char* name, const char* choices) {
        NotOneOf(name, QString::fromUtf8(choices));
    }
    void NotOneOf(const char* name, const QString& choices) {
        Refuse(QCoreApplication::translate("tallyworth::CommandLine",
                                           "--%1 takes one of %2, not \"%3\".")
                   .arg(Name(name), choices, Value(name)),
               Name(name));
    }

    [[nodiscard]] SetReading& Target() { return reading_; }

  private:
    const OptionValues& values_;
    SetReading& reading_;
};

void ReadPaper(CommandReader& reader) {
    if (!reader.IsSet("paper")) {
        return;
    }
    const QString paper = reader.Value("paper").toLower();
    if (paper == u"letter") {
        reader.Target().paper = Paper::Letter;
    } else if (paper == u"a4") {
        reader.Target().paper = Paper::A4;
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
                          .arg(reader.Value("sheets")),
                      QStringLiteral("sheets"));
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
    ReadWord(reader, "method", WrittenMethodNamed, WrittenMethodNames(), page.method);
    ReadWord(reader, "squares", SquaredPaperNamed, SquaredPaperNames(), page.squares);
    page.keyWorking = page.keyWorking || reader.IsSet("key-working");
}

// The operation list's entry for a typed operation; empty when there is none. --operation
// names one operation or mix, never a list.
QString OperationEntry(const QString& typed) {
    const std::optional<OperationSet> operations = OperationsNamed(typed);
    if (!operations || typed.contains(u',')) {
        return {};
    }
    if (*operations == kAllOperations) {
        return QStringLiteral("Mix");
    }
    const std::vector<OperationRow> rows = OperationsOf(*operations);
    return rows.size() == 1 ? OperationSymbol(rows.front()) : QString();
}

OperationRow OperationRowOf(const QString& entry) {
    const WorksheetState state = StateWithOperations();
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
        // The fixed number is read first: the fault is its, unless it reads alone.
        ProblemRuleOptions fixed;
        fixed.fixed = options.fixed;
        const bool fixedFails =
            std::holds_alternative<RuleOptionError>(ProblemRulesFromOptions(fixed));
        reader.Refuse(error->message,
                      fixedFails ? QStringLiteral("fixed") : QStringLiteral("regrouping"));
        return std::nullopt;
    }
    return std::get<ProblemRules>(parsed);
}

// A fresh sheet draws every allowed problem equally likely.
SheetCode FirstSheet(const SheetSettings& settings, std::uint64_t seed) {
    return FairSheetCode(settings, seed);
}

// The notation the options ask for; a section may ask for the bracket too.
bool BracketAsked(CommandReader& reader) {
    const QString notation = reader.Value("notation").toLower();
    if (reader.IsSet("notation") && notation != u"sign" && notation != u"bracket") {
        reader.NotOneOf("notation", "sign|bracket");
    }
    return notation == u"bracket";
}

// Each --section in turn; the first fault of one is reported, naming it.
void ReadSections(CommandReader& reader, std::uint64_t seed) {
    std::vector<SheetSection> sections;
    bool bracket = BracketAsked(reader);
    const QStringList texts = reader.Values("section");
    for (qsizetype index = 0; index < texts.size(); ++index) {
        const SectionParse parsed = ParseSectionText(texts[index], static_cast<int>(index) + 1);
        if (const auto* error = std::get_if<QString>(&parsed)) {
            reader.Refuse(*error, QStringLiteral("section"));
            continue;
        }
        const auto& read = std::get<SectionText>(parsed);
        sections.push_back(read.section);
        bracket = bracket || read.bracket;
    }
    PageOptions page;
    ReadPage(reader, page);
    if (!reader.Target().errors.isEmpty()) {
        return;
    }
    if (const auto fault = SectionsFault(sections)) {
        reader.Refuse(*fault);
        return;
    }
    reader.Target().request.first =
        FirstSheet(SettingsOfSections(std::move(sections), bracket, page), seed);
}

// --first and --second make the plain settings one section of facts with ranges apart.
std::optional<NumberRange> ReadRangeOption(CommandReader& reader, const char* name) {
    if (!reader.IsSet(name)) {
        return std::nullopt;
    }
    const SectionParse parsed =
        ParseSectionText(QStringLiteral("first=%1").arg(reader.Value(name)), 1);
    if (std::holds_alternative<QString>(parsed)) {
        reader.Refuse(QCoreApplication::translate("tallyworth::CommandLine",
                                                  "--%1 takes a range LOW-HIGH, not \"%2\".")
                          .arg(Name(name), reader.Value(name)),
                      Name(name));
        return std::nullopt;
    }
    return std::get<SectionText>(parsed).section.first;
}

void ApplyRanges(CommandReader& reader, SheetSettings& settings) {
    const std::optional<NumberRange> first = ReadRangeOption(reader, "first");
    const std::optional<NumberRange> second = ReadRangeOption(reader, "second");
    if (!first && !second) {
        return;
    }
    std::vector<SheetSection> sections = SectionsOf(settings);
    SheetSection& section = sections.front();
    section.first = first.value_or(section.first);
    section.second = second.value_or(section.first);
    if (const auto fault = SectionFault(section, 1)) {
        reader.Refuse(*fault);
        return;
    }
    settings = SettingsOfSections(std::move(sections), settings.upsideDownSeven, settings.page);
}

// The option of the main window's field.
QString OptionOf(SettingsField field) {
    switch (field) {
        case SettingsField::MaxValue:
            return QStringLiteral("highest");
        case SettingsField::MinValue:
            return QStringLiteral("lowest");
        case SettingsField::NoOfProblems:
            return QStringLiteral("problems");
    }
    return {};
}

void ReadSettings(CommandReader& reader, std::uint64_t seed, const QLocale& locale) {
    const QString entry =
        OperationEntry(reader.IsSet("operation") ? reader.Value("operation") : QStringLiteral("+"));
    if (entry.isEmpty()) {
        reader.NotOneOf("operation", "+|-|*|/|mix");
    }
    const bool bracket = BracketAsked(reader);
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
    // A message the main window follows with the focus is about the field focused; the
    // count's range, which moves no focus there, is about the count all the same.
    for (auto effect = checked.effects.begin(); effect != checked.effects.end(); ++effect) {
        if (const auto* message = std::get_if<SettingsMessage>(&*effect)) {
            const auto next = std::next(effect);
            const auto* focus =
                next != checked.effects.end() ? std::get_if<FocusMove>(&*next) : nullptr;
            const bool ofCount = message->text == RangeCheckMessage(RangeCheck::Count);
            reader.Refuse(message->text, focus != nullptr
                                             ? OptionOf(focus->field)
                                             : (ofCount ? QStringLiteral("problems") : QString()));
        }
    }
    if (!checked.verdict || !checked.numbers) {
        return;
    }
    SheetSettings settings{OperationRowOf(entry),
                           checked.numbers->lowest,
                           checked.numbers->highest,
                           checked.numbers->count,
                           reader.IsSet("allow-negative"),
                           bracket,
                           *rules,
                           page};
    ApplyRanges(reader, settings);
    if (reader.Target().errors.isEmpty()) {
        reader.Target().request.first = FirstSheet(settings, seed);
    }
}

// A sheet of sections takes its settings from them alone; the page's and the notation
// still hold for the whole sheet.
void RefuseBesideSections(CommandReader& reader) {
    for (const OptionEntry& entry : kSetOptions) {
        const std::string_view name(entry.name);
        if (entry.setting && name != "section" && name != "notation" && reader.IsSet(entry.name)) {
            reader.Refuse(QCoreApplication::translate(
                              "tallyworth::CommandLine",
                              "--section holds the worksheet's settings: leave out --%1.")
                              .arg(Name(entry.name)),
                          Name(entry.name));
        }
    }
}

void ReadCode(CommandReader& reader) {
    for (const OptionEntry& entry : kSetOptions) {
        if (entry.setting && reader.IsSet(entry.name)) {
            reader.Refuse(QCoreApplication::translate(
                              "tallyworth::CommandLine",
                              "--code holds the worksheet's settings: leave out --%1.")
                              .arg(Name(entry.name)),
                          Name(entry.name));
        }
    }
    const SheetCodeParse parsed = ParseSheetCode(reader.Value("code"));
    const auto* code = std::get_if<SheetCode>(&parsed);
    SheetCode first = code != nullptr ? *code : SheetCode{};
    // The seed and version stay the code's, so the sheet keeps its problems.
    ReadPage(reader, first.settings.page);
    if (const auto* error = std::get_if<SheetCodeError>(&parsed)) {
        reader.Refuse(error->message, QStringLiteral("code"));
        return;
    }
    // A code written before codes carried the page keeps its problems on the page asked
    // for; the code reported then stands for its problems (ReportedCode).
    reader.Target().request.first = first;
}

void Report(CommandReader& reader, const RulesCheck& check, const QString& section) {
    switch (check.verdict) {
        case RulesVerdict::Fits:
            break;
        case RulesVerdict::NoneFits:
            reader.Refuse(section + NoProblemFitsMessage().text);
            break;
        case RulesVerdict::SomeRepeat:
            reader.Target().warnings << section + SomeWillRepeatNotice(check.possible);
            break;
    }
}

// As in the windows: rules that no problem fits are a failure of the settings, fewer
// problems than a sheet asks for only mean repeats. A code's rules are checked too.
void CheckRules(CommandReader& reader) {
    const SheetSettings& settings = reader.Target().request.first.settings;
    if (!reader.Target().errors.isEmpty()) {
        return;
    }
    if (settings.sections.empty()) {
        Report(reader, CheckRulesFit(ProblemSettingsOf(settings), settings.count, settings.rules),
               QString());
        return;
    }
    for (std::size_t index = 0; index < settings.sections.size(); ++index) {
        const SheetSection& section = settings.sections[index];
        const QString title =
            section.title.isEmpty() ? SectionKindName(section.kind) : section.title;
        Report(reader, CheckSectionFit(section),
               QCoreApplication::translate("tallyworth::CommandLine", "Section %1 (%2): ")
                   .arg(index + 1)
                   .arg(title));
    }
}

}  // namespace

std::span<const OptionEntry> SetOptions() {
    return kSetOptions;
}

QString ReadPublicUrl(const OptionValues& values, QStringList& errors) {
    const QString name = QStringLiteral("public-url");
    if (!values.IsSet(name)) {
        return {};
    }
    const QString typed = values.Value(name);
    QUrl url(typed, QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (!url.isValid() || (scheme != u"http" && scheme != u"https") || url.host().isEmpty() ||
        url.hasQuery() || url.hasFragment()) {
        errors << QCoreApplication::translate("tallyworth::CommandLine",
                                              "--public-url takes an http or https address such as "
                                              "https://school.example/worksheets/, not \"%1\".")
                      .arg(typed);
        return {};
    }
    // The practice page's name is added after the address's last '/'.
    if (!url.path().endsWith(u'/')) {
        url.setPath(url.path(QUrl::FullyEncoded) + u'/', QUrl::StrictMode);
    }
    return url.toString(QUrl::FullyEncoded);
}

void ReadSetOptions(const OptionValues& values, std::uint64_t clockSeed, const QLocale& locale,
                    SetReading& reading) {
    CommandReader reader(values, reading);
    ReadPaper(reader);
    ReadSheets(reader);
    ReadAnswers(reader);
    reading.request.header = !reader.IsSet("no-header");
    if (reader.IsSet("code")) {
        ReadCode(reader);
    } else if (reader.IsSet("section")) {
        RefuseBesideSections(reader);
        ReadSections(reader, clockSeed);
    } else {
        ReadSettings(reader, clockSeed, locale);
    }
    CheckRules(reader);
}

}  // namespace tallyworth
