#pragma once

#include "core/sheet_section.h"

#include <QString>

#include <optional>
#include <vector>

namespace tallyworth {

// The edits of the sections dialog, on its plain list: each returns the place of the
// section current after it, and leaves the list as it was where the edit cannot be made
// (a seventh section, the last one removed, the first moved up).
[[nodiscard]] int AddSection(std::vector<SheetSection>& sections, int current);
[[nodiscard]] int RemoveSection(std::vector<SheetSection>& sections, int current);
[[nodiscard]] int MoveSection(std::vector<SheetSection>& sections, int current, int step);

// The fields of a section that a check can find at fault, in the order the checks read
// them.
enum class SectionField : std::uint8_t {
    Operations,
    First,
    Second,
    Count,
    Fixed,
    Remainder,
    Title
};

// Where the sections fail the checks: the section (from 0), its field and the checks'
// message. A sheet of too many problems is told at the count of the last section.
struct SectionsFaultPlace {
    int section = 0;
    SectionField field = SectionField::Count;
    QString message;
};
[[nodiscard]] std::optional<SectionsFaultPlace> FindSectionsFault(
    const std::vector<SheetSection>& sections);

// Whether the main window's own fields say these sections: one section of facts, plain
// enough for a code of the main window's.
[[nodiscard]] bool MainWindowSays(const std::vector<SheetSection>& sections);

// What the section's count allows, in the problem rules dialog's words, as a sentence.
[[nodiscard]] QString SectionFitText(const SheetSection& section);
// The section in the dialog's list: "2. Missing numbers: 81 different problems", its
// title in place of its kind where it has one.
[[nodiscard]] QString SectionEntryText(const SheetSection& section, int number);
// The main window's line while sections are in use.
[[nodiscard]] QString SectionsInUseText(int sections);

}  // namespace tallyworth
