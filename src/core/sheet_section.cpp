#include "core/sheet_section.h"

#include "core/sheet_code.h"
#include "core/written_problems.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <utility>

namespace tallyworth {

namespace {

constexpr const char* kSectionsContext = "tallyworth::Sections";

QString SectionsText(const char* text) {
    return QCoreApplication::translate(kSectionsContext, text);
}

// A remainder problem gives its answer away with a divisor of 1 or a quotient under 2.
bool AllowedRemainder(int dividend, int divisor, const SheetSection& section) {
    if (section.remainderPercent >= kHundredPercent && dividend % divisor == 0) {
        return false;
    }
    return !section.rules.noTrivial || (divisor > 1 && dividend >= 2 * divisor);
}

// A range's fault in the settings checks' words.
std::optional<QString> RangeFault(const NumberRange& range) {
    SheetSettings settings;
    settings.lowest = range.lowest;
    settings.highest = range.highest;
    return SheetSettingsFault(settings);
}

std::optional<QString> CountFault(int count) {
    SheetSettings settings;
    settings.count = count;
    return SheetSettingsFault(settings);
}

// Control characters, and the line and paragraph separators that break a line as "\n" does.
bool HasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar character) {
        const QChar::Category category = character.category();
        return category == QChar::Other_Control || category == QChar::Separator_Line ||
               category == QChar::Separator_Paragraph;
    });
}

std::optional<QString> TitleFault(const QString& title) {
    // Characters, not UTF-16 units: a letter or an emoji beyond the first 65,536 is one.
    const auto characters = title.toUcs4().size();
    if (characters > kMostTitleCharacters || HasControlCharacter(title)) {
        return SectionsText(QT_TRANSLATE_NOOP("tallyworth::Sections",
                                              "title: at most %1 characters on one line, please."))
            .arg(kMostTitleCharacters);
    }
    return std::nullopt;
}

std::optional<QString> WrittenSectionFault(const SheetSection& section) {
    if (auto fault = WrittenFieldFault(section)) {
        return fault;
    }
    if (const auto fault = CountFault(section.count)) {
        return SectionsText(QT_TRANSLATE_NOOP("tallyworth::Sections", "problems: %1")).arg(*fault);
    }
    if (section.remainderPercent < 0 || section.remainderPercent > kHundredPercent) {
        return SectionsText(QT_TRANSLATE_NOOP(
            "tallyworth::Sections", "remainders: the share must be between 0 and 100 %."));
    }
    return TitleFault(section.title);
}

std::optional<QString> FieldFault(const SheetSection& section) {
    if (section.kind == SectionKind::Written) {
        return WrittenSectionFault(section);
    }
    const bool divides = IsDivisionKind(section.kind);
    if (!divides && (section.operations == 0 || (section.operations & ~kAllOperations) != 0)) {
        return SectionsText(QT_TRANSLATE_NOOP("tallyworth::Sections",
                                              "operation: choose at least one of +, -, * and /."));
    }
    if (const auto fault = RangeFault(section.first)) {
        return SectionsText(QT_TRANSLATE_NOOP("tallyworth::Sections", "first: %1")).arg(*fault);
    }
    if (const auto fault = RangeFault(section.second)) {
        return SectionsText(QT_TRANSLATE_NOOP("tallyworth::Sections", "second: %1")).arg(*fault);
    }
    if (const auto fault = CountFault(section.count)) {
        return SectionsText(QT_TRANSLATE_NOOP("tallyworth::Sections", "problems: %1")).arg(*fault);
    }
    if (section.rules.fixedNumber < 0 || section.rules.fixedNumber > kMostFixed) {
        return SectionsText(QT_TRANSLATE_NOOP("tallyworth::Sections",
                                              "fixed: the fixed number must be between 1 and 99."));
    }
    if (section.remainderPercent < 0 || section.remainderPercent > kHundredPercent) {
        return SectionsText(QT_TRANSLATE_NOOP(
            "tallyworth::Sections", "remainders: the share must be between 0 and 100 %."));
    }
    return TitleFault(section.title);
}

}  // namespace

std::vector<OperationRow> OperationsOf(OperationSet operations) {
    std::vector<OperationRow> rows;
    for (const OperationRow row : {OperationRow::Add, OperationRow::Subtract,
                                   OperationRow::Multiply, OperationRow::Divide}) {
        if ((operations & OperationBit(row)) != 0) {
            rows.push_back(row);
        }
    }
    return rows;
}

OperationSet OperationSetOfRow(OperationRow row) {
    if (row == OperationRow::Mix) {
        return kAllOperations;
    }
    return IsOperationRow(row) ? OperationBit(row) : OperationSet{0};
}

NumberRange SecondRangeOf(const SheetSection& section) {
    const int fixed = section.rules.fixedNumber;
    return fixed != 0 ? NumberRange{fixed, fixed} : section.second;
}

std::vector<BlankPlace> BlankPlacesOf(const SheetSection& section) {
    if (section.kind != SectionKind::Missing) {
        return {BlankPlace::Answer};
    }
    switch (section.missing) {
        case MissingPlace::First:
            return {BlankPlace::First};
        case MissingPlace::Second:
            return {BlankPlace::Second};
        case MissingPlace::Either:
            break;
    }
    return {BlankPlace::First, BlankPlace::Second};
}

Problem SectionProblemAt(const SheetSection& section, OperationRow operation, int first, int second,
                         BlankPlace blank) {
    const bool table = section.kind == SectionKind::TableDivision;
    Problem problem{operation, table ? first * second : first, second, blank};
    problem.withRemainder = section.kind == SectionKind::Remainder;
    return problem;
}

bool SectionAllows(const SheetSection& section, const Problem& problem) {
    switch (section.kind) {
        case SectionKind::Remainder:
            return AllowedRemainder(problem.first, problem.second, section);
        case SectionKind::TableDivision:
            return IsAllowedFact(OperationRow::Divide, problem.first, problem.second, false,
                                 section.rules);
        case SectionKind::Facts:
        case SectionKind::Missing:
        case SectionKind::Written:
            break;
    }
    return IsAllowedFact(problem.operation, problem.first, problem.second, section.allowNegative,
                         section.rules);
}

std::vector<OperationRow> SectionOperations(const SheetSection& section) {
    if (IsDivisionKind(section.kind)) {
        return {OperationRow::Divide};
    }
    return OperationsOf(section.operations);
}

std::vector<Problem> AllowedSectionProblems(const SheetSection& section, OperationRow operation) {
    std::vector<Problem> problems;
    if (section.kind == SectionKind::Written) {
        return problems;  // far too many to list; WrittenDrawer draws them
    }
    const NumberRange second = SecondRangeOf(section);
    const std::vector<BlankPlace> places = BlankPlacesOf(section);
    for (int divisor = second.lowest; divisor <= second.highest; ++divisor) {
        for (int first = section.first.lowest; first <= section.first.highest; ++first) {
            for (const BlankPlace place : places) {
                const Problem problem = SectionProblemAt(section, operation, first, divisor, place);
                if (SectionAllows(section, problem)) {
                    problems.push_back(problem);
                }
            }
        }
    }
    return problems;
}

std::int64_t CountSectionProblems(const SheetSection& section) {
    if (section.kind == SectionKind::Written) {
        return CountWrittenProblems(section);
    }
    std::int64_t count = 0;
    for (const OperationRow operation : SectionOperations(section)) {
        count += static_cast<std::int64_t>(AllowedSectionProblems(section, operation).size());
    }
    return count;
}

RulesCheck CheckSectionFit(const SheetSection& section) {
    const std::int64_t possible = CountSectionProblems(section);
    if (possible == 0) {
        return {RulesVerdict::NoneFits, possible};
    }
    return {possible < section.count ? RulesVerdict::SomeRepeat : RulesVerdict::Fits, possible};
}

std::optional<QString> SectionFault(const SheetSection& section, int number) {
    if (const auto fault = FieldFault(section)) {
        return SectionsText(QT_TRANSLATE_NOOP("tallyworth::Sections", "Section %1, %2"))
            .arg(number)
            .arg(*fault);
    }
    return std::nullopt;
}

std::optional<QString> SectionsFault(const std::vector<SheetSection>& sections) {
    if (sections.empty() || sections.size() > static_cast<std::size_t>(kMostSections)) {
        return SectionsText(
                   QT_TRANSLATE_NOOP("tallyworth::Sections", "A sheet holds 1 to %1 sections."))
            .arg(kMostSections);
    }
    int problems = 0;
    for (std::size_t index = 0; index < sections.size(); ++index) {
        if (auto fault = SectionFault(sections[index], static_cast<int>(index) + 1)) {
            return fault;
        }
        problems += sections[index].count;
    }
    if (problems > kMostProblems) {
        return SectionsText(QT_TRANSLATE_NOOP("tallyworth::Sections",
                                              "The sections hold %1 problems in all, but a sheet "
                                              "holds at most %2."))
            .arg(problems)
            .arg(kMostProblems);
    }
    return std::nullopt;
}

QString SectionKindName(SectionKind kind) {
    static constexpr std::array<const char*, kSectionKinds> kNames{
        QT_TRANSLATE_NOOP("tallyworth::Sections", "Facts"),
        QT_TRANSLATE_NOOP("tallyworth::Sections", "Missing numbers"),
        QT_TRANSLATE_NOOP("tallyworth::Sections", "Division from the times tables"),
        QT_TRANSLATE_NOOP("tallyworth::Sections", "Division with remainders"),
        QT_TRANSLATE_NOOP("tallyworth::Sections", "Written methods")};
    return SectionsText(kNames[static_cast<std::size_t>(kind)]);
}

std::vector<SheetSection> SectionsOf(const SheetSettings& settings) {
    if (!settings.sections.empty()) {
        return settings.sections;
    }
    SheetSection section;
    section.operations = OperationSetOfRow(settings.operation);
    section.first = section.second = {settings.lowest, settings.highest};
    section.count = settings.count;
    section.allowNegative = settings.allowNegative;
    section.rules = settings.rules;
    return {section};
}

namespace {

// The row of the operation table a plain sheet of the operations is, if any.
std::optional<OperationRow> PlainRow(OperationSet operations) {
    if (operations == kAllOperations) {
        return OperationRow::Mix;
    }
    const std::vector<OperationRow> rows = OperationsOf(operations);
    return rows.size() == 1 ? std::optional(rows.front()) : std::nullopt;
}

// The section with the fields its kind does not read as its code brings them back, so that
// the code of a sheet reads back as the same settings.
SheetSection WithUnreadFieldsCleared(SheetSection section) {
    if (IsDivisionKind(section.kind)) {
        section.operations = OperationBit(OperationRow::Divide);
    }
    if (section.kind != SectionKind::Missing) {
        section.missing = MissingPlace::Either;
    }
    const bool written = section.kind == SectionKind::Written;
    const std::optional<OperationRow> operation = WrittenOperation(section);
    const bool writtenDivision = written && operation == OperationRow::Divide;
    if (section.kind != SectionKind::Remainder && !writtenDivision) {
        section.remainderPercent = 0;
    }
    if (!written || operation != OperationRow::Add) {
        section.addends = kLeastAddends;
    }
    if (!written) {
        section.carrying = Carrying::Any;
    }
    return section;
}

}  // namespace

SheetSettings SettingsOfSections(std::vector<SheetSection> sections, bool upsideDownSeven,
                                 const PageOptions& page) {
    std::transform(sections.begin(), sections.end(), sections.begin(), WithUnreadFieldsCleared);
    SheetSettings settings;
    settings.upsideDownSeven = upsideDownSeven;
    settings.page = page;
    const SheetSection* only = sections.size() == 1 ? &sections.front() : nullptr;
    const std::optional<OperationRow> row =
        only != nullptr ? PlainRow(only->operations) : std::nullopt;
    if (only != nullptr && only->kind == SectionKind::Facts && only->first == only->second &&
        only->title.isEmpty() && row) {
        settings.operation = *row;
        settings.lowest = only->first.lowest;
        settings.highest = only->first.highest;
        settings.count = only->count;
        settings.allowNegative = only->allowNegative;
        settings.rules = only->rules;
        return settings;
    }
    settings.count = 0;
    for (SheetSection& section : sections) {
        settings.count += section.count;
        // The division kinds divide whatever was chosen, and their codes say no more.
        if (IsDivisionKind(section.kind)) {
            section.operations = OperationBit(OperationRow::Divide);
        }
    }
    settings.sections = std::move(sections);
    return settings;
}

}  // namespace tallyworth
