#include "set_options/section_option.h"

#include "core/rule_words.h"
#include "core/worksheet_state.h"
#include "core/written_problems.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

#include <array>
#include <optional>

namespace tallyworth {

namespace {

constexpr int kAlways = 100;

struct KindWord {
    const char16_t* word;
    SectionKind kind;
};
constexpr std::array kKindWords{
    KindWord{u"facts", SectionKind::Facts}, KindWord{u"missing", SectionKind::Missing},
    KindWord{u"table-division", SectionKind::TableDivision},
    KindWord{u"remainder", SectionKind::Remainder}, KindWord{u"written", SectionKind::Written}};
constexpr std::array kMissingWords{u"first", u"second", u"either"};
constexpr std::array kCarryingWords{u"any", u"never", u"once"};

// Collects what is wrong with the fields, naming the section and field.
class FieldReader {
  public:
    explicit FieldReader(int number) : number_(number) {}

    void Refuse(const QString& field, const QString& takes, const QString& value) {
        if (error_.isEmpty()) {
            error_ = QCoreApplication::translate("tallyworth::CommandLine",
                                                 "Section %1: %2 takes %3, not \"%4\".")
                         .arg(number_)
                         .arg(field, takes, value);
        }
    }
    void NotAField(const QString& word) {
        if (error_.isEmpty()) {
            error_ = QCoreApplication::translate(
                         "tallyworth::CommandLine",
                         "Section %1: \"%2\" is not a field. Write each field as name=value, "
                         "a value with blanks in double quotes: title=\"Times tables\".")
                         .arg(number_)
                         .arg(word);
        }
    }
    [[nodiscard]] const QString& Error() const { return error_; }

  private:
    int number_;
    QString error_;
};

std::optional<int> WholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

std::optional<NumberRange> RangeOf(const QString& text) {
    const QStringList parts = text.split(u'-');
    if (parts.size() != 2) {
        return std::nullopt;
    }
    const auto lowest = WholeNumber(parts.front());
    const auto highest = WholeNumber(parts.back());
    if (!lowest || !highest) {
        return std::nullopt;
    }
    return NumberRange{*lowest, *highest};
}

class SectionReader {
  public:
    explicit SectionReader(int number) : fields_(number) {}

    void Read(const QString& name, const QString& value, bool hasValue) {
        if (name == u"no-trivial" || name == u"no-repeats" || name == u"allow-negative") {
            ReadSwitch(name, value, hasValue);
        } else if (!hasValue) {
            fields_.NotAField(name);
        } else {
            ReadValue(name, value);
        }
    }

    [[nodiscard]] SectionParse Result() {
        if (!fields_.Error().isEmpty()) {
            return fields_.Error();
        }
        if (!secondGiven_) {
            read_.section.second = read_.section.first;
        }
        return read_;
    }

  private:
    void ReadSwitch(const QString& name, const QString& value, bool hasValue) {
        if (hasValue && value != u"yes" && value != u"no") {
            fields_.Refuse(name, QStringLiteral("yes|no"), value);
            return;
        }
        const bool on = !hasValue || value == u"yes";
        SheetSection& section = read_.section;
        if (name == u"no-trivial") {
            section.rules.noTrivial = on;
        } else if (name == u"no-repeats") {
            section.rules.noRepeats = on;
        } else {
            section.allowNegative = on;
        }
    }

    void ReadValue(const QString& name, const QString& value) {
        SheetSection& section = read_.section;
        if (name == u"kind") {
            ReadKind(value);
        } else if (name == u"operation") {
            ReadOperation(value);
        } else if (name == u"first" || name == u"second") {
            ReadRange(name, value);
        } else if (name == u"problems") {
            ReadNumber(name, value, section.count);
        } else if (name == u"fixed") {
            ReadNumber(name, value, section.rules.fixedNumber);
        } else if (name == u"addends") {
            ReadNumber(name, value, section.addends);
        } else if (name == u"carrying") {
            ReadCarrying(value);
        } else if (name == u"missing") {
            ReadMissing(value);
        } else if (name == u"remainders") {
            ReadRemainders(value);
        } else if (name == u"regrouping") {
            ReadRegrouping(value);
        } else if (name == u"notation") {
            ReadNotation(value);
        } else if (name == u"title") {
            section.title = value;
        } else {
            fields_.NotAField(name);
        }
    }

    void ReadKind(const QString& value) {
        for (const KindWord& entry : kKindWords) {
            if (value == QStringView(entry.word)) {
                read_.section.kind = entry.kind;
                return;
            }
        }
        fields_.Refuse(QStringLiteral("kind"),
                       QStringLiteral("facts|missing|table-division|remainder|written"), value);
    }

    void ReadOperation(const QString& value) {
        if (const auto operations = OperationsNamed(value)) {
            read_.section.operations = *operations;
        } else {
            fields_.Refuse(QStringLiteral("operation"), QStringLiteral("+|-|*|/|mix|+,-"), value);
        }
    }

    void ReadRange(const QString& name, const QString& value) {
        const auto range = RangeOf(value);
        if (!range) {
            fields_.Refuse(name, QStringLiteral("LOW-HIGH"), value);
            return;
        }
        (name == u"first" ? read_.section.first : read_.section.second) = *range;
        secondGiven_ = secondGiven_ || name == u"second";
    }

    void ReadNumber(const QString& name, const QString& value, int& target) {
        if (const auto number = WholeNumber(value)) {
            target = *number;
        } else {
            fields_.Refuse(name,
                           QCoreApplication::translate("tallyworth::CommandLine", "a whole number"),
                           value);
        }
    }

    void ReadMissing(const QString& value) {
        for (std::size_t index = 0; index < kMissingWords.size(); ++index) {
            if (value == QStringView(kMissingWords[index])) {
                read_.section.missing = static_cast<MissingPlace>(index);
                return;
            }
        }
        fields_.Refuse(QStringLiteral("missing"), QStringLiteral("first|second|either"), value);
    }

    void ReadCarrying(const QString& value) {
        for (std::size_t index = 0; index < kCarryingWords.size(); ++index) {
            if (value == QStringView(kCarryingWords[index])) {
                read_.section.carrying = static_cast<Carrying>(index);
                return;
            }
        }
        fields_.Refuse(QStringLiteral("carrying"), QStringLiteral("any|never|once"), value);
    }

    void ReadRemainders(const QString& value) {
        if (value == u"always") {
            read_.section.remainderPercent = kAlways;
            return;
        }
        QString share = value;
        share.remove(u'%');
        if (const auto percent = WholeNumber(share)) {
            read_.section.remainderPercent = *percent;
        } else {
            fields_.Refuse(QStringLiteral("remainders"), QStringLiteral("0-100|always"), value);
        }
    }

    void ReadRegrouping(const QString& value) {
        ProblemRuleOptions options;
        options.regrouping = value;
        const RuleOptionsParse parsed = ProblemRulesFromOptions(options);
        if (const auto* rules = std::get_if<ProblemRules>(&parsed)) {
            read_.section.rules.regrouping = rules->regrouping;
        } else {
            fields_.Refuse(QStringLiteral("regrouping"), QStringLiteral("any|never|always"), value);
        }
    }

    void ReadNotation(const QString& value) {
        if (value != u"sign" && value != u"bracket") {
            fields_.Refuse(QStringLiteral("notation"), QStringLiteral("sign|bracket"), value);
        }
        read_.bracket = value == u"bracket";
    }

    FieldReader fields_;
    SectionText read_;
    bool secondGiven_ = false;
};

QString OperationsText(OperationSet operations) {
    if (operations == kAllOperations) {
        return QStringLiteral("mix");
    }
    QStringList names;
    for (const OperationRow row : OperationsOf(operations)) {
        names << (row == OperationRow::Divide ? QStringLiteral("/") : OperationSymbol(row));
    }
    return names.join(u',');
}

bool WrittenOperationIs(const SheetSection& section, OperationRow operation) {
    return section.kind == SectionKind::Written && WrittenOperation(section) == operation;
}

QString RangeText(const NumberRange& range) {
    return QStringLiteral("%1-%2").arg(range.lowest).arg(range.highest);
}

}  // namespace

std::optional<OperationSet> OperationsNamed(const QString& text) {
    const QString lower = text.trimmed().toLower();
    if (lower == u"mix") {
        return kAllOperations;
    }
    OperationSet operations = 0;
    for (const QString& part : lower.split(u',')) {
        if (part == u"+") {
            operations |= OperationBit(OperationRow::Add);
        } else if (part == u"-") {
            operations |= OperationBit(OperationRow::Subtract);
        } else if (part == u"*" || part == u"x" || part == u"\u00D7") {
            operations |= OperationBit(OperationRow::Multiply);
        } else if (part == u"/" || part == DivideSignText()) {
            operations |= OperationBit(OperationRow::Divide);
        } else {
            return std::nullopt;
        }
    }
    return operations;
}

SectionParse ParseSectionText(const QString& typed, int number) {
    SectionReader reader(number);
    for (const QString& field : QProcess::splitCommand(typed)) {
        const qsizetype equals = field.indexOf(u'=');
        const QString name = (equals < 0 ? field : field.left(equals)).toLower();
        reader.Read(name, equals < 0 ? QString() : field.mid(equals + 1), equals >= 0);
    }
    return reader.Result();
}

QString SectionTextOf(const SheetSection& section, bool bracket) {
    QStringList fields;
    fields << QStringLiteral("kind=%1").arg(
        QStringView(kKindWords[static_cast<std::size_t>(section.kind)].word));
    fields << QStringLiteral("operation=%1").arg(OperationsText(section.operations));
    fields << QStringLiteral("first=%1").arg(RangeText(section.first));
    fields << QStringLiteral("second=%1").arg(RangeText(section.second));
    fields << QStringLiteral("problems=%1").arg(section.count);
    if (section.kind == SectionKind::Missing) {
        fields << QStringLiteral("missing=%1")
                      .arg(QStringView(kMissingWords[static_cast<std::size_t>(section.missing)]));
    }
    if (section.kind == SectionKind::Remainder ||
        WrittenOperationIs(section, OperationRow::Divide)) {
        fields << QStringLiteral("remainders=%1").arg(section.remainderPercent);
    }
    if (WrittenOperationIs(section, OperationRow::Add)) {
        fields << QStringLiteral("addends=%1").arg(section.addends);
    }
    if (WrittenOperationIs(section, OperationRow::Add) ||
        WrittenOperationIs(section, OperationRow::Subtract)) {
        fields << QStringLiteral("carrying=%1")
                      .arg(QStringView(kCarryingWords[static_cast<std::size_t>(section.carrying)]));
    }
    if (section.rules.noTrivial) {
        fields << QStringLiteral("no-trivial");
    }
    if (section.rules.fixedNumber != 0) {
        fields << QStringLiteral("fixed=%1").arg(section.rules.fixedNumber);
    }
    if (section.rules.regrouping != Regrouping::Any) {
        fields << QStringLiteral("regrouping=%1")
                      .arg(section.rules.regrouping == Regrouping::Never ? u"never" : u"always");
    }
    if (section.rules.noRepeats) {
        fields << QStringLiteral("no-repeats");
    }
    if (section.allowNegative) {
        fields << QStringLiteral("allow-negative");
    }
    if (bracket) {
        fields << QStringLiteral("notation=bracket");
    }
    if (!section.title.isEmpty()) {
        QString title = section.title;
        fields << QStringLiteral("title=\"%1\"").arg(title.replace(u'"', QStringLiteral("\"\"\"")));
    }
    return fields.join(u' ');
}

}  // namespace tallyworth
