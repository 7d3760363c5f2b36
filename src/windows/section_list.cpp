#include "windows/section_list.h"

#include "core/problem_rules.h"
#include "core/sheet_code.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <utility>

namespace tallyworth {

namespace {

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}

// A field put right: a value that passes its check.
struct FieldMend {
    SectionField field;
    std::function<void(SheetSection&)> mend;
};

const std::array<FieldMend, 7>& FieldMends() {
    static const std::array<FieldMend, 7> kMends{{
        // A written section takes one operation, the others any.
        {SectionField::Operations,
         [](SheetSection& s) {
             s.operations =
                 s.kind == SectionKind::Written ? OperationBit(OperationRow::Add) : kAllOperations;
         }},
        {SectionField::First, [](SheetSection& s) { s.first = {}; }},
        {SectionField::Second, [](SheetSection& s) { s.second = {}; }},
        {SectionField::Count, [](SheetSection& s) { s.count = kStartProblems; }},
        {SectionField::Fixed, [](SheetSection& s) { s.rules.fixedNumber = 0; }},
        {SectionField::Remainder, [](SheetSection& s) { s.remainderPercent = 0; }},
        {SectionField::Title, [](SheetSection& s) { s.title.clear(); }},
    }};
    return kMends;
}

// The checks tell the first field at fault; the field is the one whose mending changes
// what they tell, so the dialog follows the checks without repeating them.
SectionField FieldAtFault(const SheetSection& section, const QString& message, int number) {
    for (const FieldMend& field : FieldMends()) {
        SheetSection mended = section;
        field.mend(mended);
        if (SectionFault(mended, number) != message) {
            return field.field;
        }
    }
    return SectionField::Count;
}

}  // namespace

int AddSection(std::vector<SheetSection>& sections, int current) {
    if (sections.size() >= At(kMostSections)) {
        return current;
    }
    // A copy of the current section is the likeliest start of the next: the same numbers,
    // another kind or operation.
    const bool copies = current >= 0 && At(current) < sections.size();
    SheetSection added = copies ? sections[At(current)] : SheetSection{};
    added.title.clear();
    const int place = copies ? current + 1 : static_cast<int>(sections.size());
    sections.insert(sections.begin() + place, std::move(added));
    return place;
}

int RemoveSection(std::vector<SheetSection>& sections, int current) {
    if (sections.size() <= 1 || current < 0 || At(current) >= sections.size()) {
        return current;
    }
    sections.erase(sections.begin() + current);
    return std::min(current, static_cast<int>(sections.size()) - 1);
}

int MoveSection(std::vector<SheetSection>& sections, int current, int step) {
    const int target = current + step;
    if (current < 0 || target < 0 || At(current) >= sections.size() ||
        At(target) >= sections.size()) {
        return current;
    }
    std::swap(sections[At(current)], sections[At(target)]);
    return target;
}

std::optional<SectionsFaultPlace> FindSectionsFault(const std::vector<SheetSection>& sections) {
    const std::optional<QString> message = SectionsFault(sections);
    if (!message) {
        return std::nullopt;
    }
    for (std::size_t index = 0; index < sections.size(); ++index) {
        const int number = static_cast<int>(index) + 1;
        if (SectionFault(sections[index], number) == message) {
            return SectionsFaultPlace{static_cast<int>(index),
                                      FieldAtFault(sections[index], *message, number), *message};
        }
    }
    const int last = std::max(static_cast<int>(sections.size()) - 1, 0);
    return SectionsFaultPlace{last, SectionField::Count, *message};
}

bool MainWindowSays(const std::vector<SheetSection>& sections) {
    return SettingsOfSections(sections, false, {}).sections.empty();
}

QString SectionFitText(const SheetSection& section) {
    QString text = PossibleProblemsText(CheckSectionFit(section).possible, section.count);
    if (!text.isEmpty()) {
        text.front() = text.front().toUpper();
    }
    return text;
}

QString SectionEntryText(const SheetSection& section, int number) {
    const QString name = section.title.isEmpty() ? SectionKindName(section.kind) : section.title;
    //: The dialog's list of sections: its number, kind or title, and what its count allows.
    return QCoreApplication::translate("tallyworth::SectionsDialog", "%1. %2: %3")
        .arg(number)
        .arg(name, PossibleProblemsText(CheckSectionFit(section).possible, section.count));
}

QString SectionsInUseText(int sections) {
    return QCoreApplication::translate("tallyworth::SectionsDialog",
                                       "Sheet of %n section(s) (Options > Sections)", nullptr,
                                       sections);
}

}  // namespace tallyworth
