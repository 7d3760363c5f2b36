#pragma once

#include "core/page_options.h"
#include "core/problem_rules.h"
#include "core/settings_limits.h"
#include "core/sheet_section.h"
#include "core/worksheet_state.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace tallyworth {

// The settings a sheet code carries: everything besides the seed that decides a sheet.
struct SheetSettings {
    OperationRow operation = OperationRow::Add;
    int lowest = kStartLowest;
    int highest = kStartHighest;
    int count = kStartProblems;
    bool allowNegative = false;    // subtraction may give negative results
    bool upsideDownSeven = false;  // division notation; line-and-dots otherwise
    ProblemRules rules{};          // all off in a code of version 1
    PageOptions page{};            // all defaults in a code of version 1 or 2
    // A sheet of sections other than the one the settings above make (SectionsOf): then
    // count is their problems in all and the settings above it are not read.
    std::vector<SheetSection> sections{};
    friend bool operator==(const SheetSettings&, const SheetSettings&) = default;
};

// The sections of the sheet: its own, or the one section of facts its settings make.
[[nodiscard]] std::vector<SheetSection> SectionsOf(const SheetSettings& settings);
// The settings of a sheet of these sections. One section that the plain settings can say
// (facts of one operation or of all four from one range, untitled) is said by them, so
// that its code is as short as a plain sheet's. The fields a section's kind does not read
// are left at their defaults (a division kind's operations: the division), as the code
// brings them back.
[[nodiscard]] SheetSettings SettingsOfSections(std::vector<SheetSection> sections,
                                               bool upsideDownSeven, const PageOptions& page);

// The format versions of the codes this program writes. Each version fixes both the
// layout of its codes and how its sheets are composed; older versions stay readable.
// A sheet without problem rules and with the default page keeps version 1, so its code
// reads as it always has. Any other sheet is written in version 3, which carries the
// rules and the page options in place of seventeen bits of the seed. Version 2 carried
// the rules alone and drew ruled problems with the odds of the plain redraw loop; it is
// no longer written, but its codes still bring back their sheets.
inline constexpr int kSheetCodeVersion = 1;
inline constexpr int kRulesSheetCodeVersion = 2;
inline constexpr int kPageSheetCodeVersion = 3;
// Version 4 is version 3's layout for sheets drawn fairly with or without rules: every
// allowed problem equally likely. Version 5 carries a sheet of sections, as long a code as
// its sections need. Fresh sheets outside the main window's plain composition take them.
inline constexpr int kFairSheetCodeVersion = 4;
inline constexpr int kSectionsSheetCodeVersion = 5;
// Version 6 is version 5 widened for written methods: their sections, numbers of up to six
// digits, and how the page lays them out. Only a sheet with a written section takes it.
inline constexpr int kWrittenSheetCodeVersion = 6;
[[nodiscard]] constexpr bool IsSectionsVersion(int version) {
    return version == kSectionsSheetCodeVersion || version == kWrittenSheetCodeVersion;
}

// The version a sheet with these settings, or under these rules and page options, is
// written in: a sheet of sections always in version 5, or 6 with a written section.
[[nodiscard]] int SheetCodeVersionFor(const SheetSettings& settings);
[[nodiscard]] int SheetCodeVersionFor(const ProblemRules& rules, const PageOptions& page);

// How a code's version draws problems under rules: by the odds of the plain redraw loop
// (version 2), or each allowed problem equally likely (every later version). Fresh
// sheets and the sheets of codes both draw as this says, so a code brings its sheet back.
[[nodiscard]] RuledDraw RuledDrawOf(int version);

// A worksheet brought back by its code: its settings, the seed its problems are drawn
// from, and the version it was made with.
struct SheetCode {
    SheetSettings settings;
    std::uint64_t seed = 0;
    int version = kSheetCodeVersion;
    friend bool operator==(const SheetCode&, const SheetCode&) = default;
};

// The code of the sheet with these settings and seed, in the version it is written in.
[[nodiscard]] SheetCode SheetCodeOf(const SheetSettings& settings, std::uint64_t seed);
// The code of a fresh sheet drawn fairly, in version 4 or, for sections, 5, with the seed
// cut to the bits that version carries.
[[nodiscard]] SheetCode FairSheetCode(const SheetSettings& settings, std::uint64_t seed);

// How many low bits of a seed a code of this version carries; 0 for an unknown version.
[[nodiscard]] int SheetSeedBits(int version);
// A fresh seed cut to the bits the code of a sheet under these rules and page options
// carries: all of version 1's for a plain sheet, version 3's fewer for any other, version
// 5's for sections. Every fresh sheet's seed goes through it, so that its code brings the
// sheet back.
[[nodiscard]] std::uint64_t CutSeedForCode(std::uint64_t seed, const ProblemRules& rules,
                                           const PageOptions& page);
[[nodiscard]] std::uint64_t CutSeedForCode(std::uint64_t seed, const SheetSettings& settings);

// Why the settings cannot make a worksheet, in the words of the settings checks
// (1 <= lowest < highest <= 99, 1 <= count <= 100, operation 1 to 5, a fixed number of 0
// to 99); nothing when they can.
[[nodiscard]] std::optional<QString> SheetSettingsFault(const SheetSettings& settings);

// The code as shown, "1ABCD-EFGHJ-KMNP": 14 symbols of Crockford's base 32 in groups of
// 5, 5 and 4, the last one the check symbol. Empty when the version is unknown, the
// settings fail SheetSettingsFault, the version cannot carry the settings' rules (version
// 1 carries none) or page options (versions 1 and 2 carry only the defaults) or the seed
// needs more bits than the version carries.
[[nodiscard]] QString FormatSheetCode(const SheetCode& code);

// The code that brings back the code's problems: FormatSheetCode, or for a code of a
// version that carries no page options but was given some, the code without them (its
// page then follows the defaults).
[[nodiscard]] QString FormatProblemsCode(const SheetCode& code);

enum class SheetCodeFault {
    BadCharacter,    // a character no sheet code uses
    WrongLength,     // not 14 letters and digits
    WrongCheck,      // the check symbol does not match the others
    UnknownVersion,  // made by a version of the program this one does not know
    BadSettings,     // the settings fail the settings checks
};

struct SheetCodeError {
    SheetCodeFault fault = SheetCodeFault::WrongLength;
    QString message;  // for the user, in plain words
    friend bool operator==(const SheetCodeError&, const SheetCodeError&) = default;
};

using SheetCodeParse = std::variant<SheetCode, SheetCodeError>;

// Reads a typed code. Case, blanks and dashes do not matter, and I, L and O are read
// as 1, 1 and 0. The first fault found is reported, in the order of SheetCodeFault.
[[nodiscard]] SheetCodeParse ParseSheetCode(const QString& typed);

// The seed of sheet sheetIndex (0 for the first) of a class set whose first sheet has
// firstSeed; seeds of one set never repeat. Seeds are of the given version's width.
[[nodiscard]] std::uint64_t SheetSeed(std::uint64_t firstSeed, int sheetIndex,
                                      int version = kSheetCodeVersion);
// The code of sheet sheetIndex of the set that starts with first.
[[nodiscard]] SheetCode SheetOfSet(const SheetCode& first, int sheetIndex);

}  // namespace tallyworth
