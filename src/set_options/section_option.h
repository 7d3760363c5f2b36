#pragma once

#include "core/sheet_section.h"

#include <QString>

#include <optional>
#include <variant>

namespace tallyworth {

// A section as typed: "kind=missing operation=x first=2-12 second=2-12 problems=20
// missing=either title=\"Times tables\"", its fields the command line's own option names
// without dashes, each "name=value" or a switch's bare name, a value with blanks in quotes.
// Kinds: facts, missing, table-division, remainder, written. "operation" takes one of
// + - * / or a list of them such as "+,-", or mix for all four; "first" and "second" a range
// LOW-HIGH ("second" is the first's unless given); "remainders" a share of 0 to 100 or
// always, for a written division too. A written sum takes "addends" (2 to 4) and a written
// sum or difference "carrying" (any, never, once).
struct SectionText {
    SheetSection section;
    bool bracket = false;  // notation=bracket, which holds for the whole sheet
};
using SectionParse = std::variant<SectionText, QString>;

// The operations a typed operation names: one of + - * / (x and × for *, ÷ for /), a
// list of them such as "+,-", or mix for all four; nothing for any other text.
[[nodiscard]] std::optional<OperationSet> OperationsNamed(const QString& typed);

// Reads section number (1 for the first) of a sheet, or says what is wrong with it,
// naming the section and the field. The settings checks are SectionFault's.
[[nodiscard]] SectionParse ParseSectionText(const QString& typed, int number);

// The text that reads back as the section.
[[nodiscard]] QString SectionTextOf(const SheetSection& section, bool bracket);

}  // namespace tallyworth
