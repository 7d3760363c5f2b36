#pragma once

#include "core/problem.h"
#include "core/problem_rules.h"
#include "core/settings_limits.h"
#include "core/worksheet_state.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tallyworth {

// What a section asks of the pupil.
enum class SectionKind : std::uint8_t {
    Facts,          // "7 + 5 = __"
    Missing,        // "7 + __ = 12", "__ × 8 = 56"
    TableDivision,  // "56 ÷ 7 = __": divisor and quotient from the ranges
    Remainder,      // "23 ÷ 5 = __ r __"
    Written,        // worked in columns: "4527 + 3896", long division of "8520 : 4"
};
inline constexpr int kSectionKinds = 5;

// Which columns of a written sum or difference may carry or borrow: any, none, or at most
// one of them.
enum class Carrying : std::uint8_t { Any, Never, Once };
inline constexpr int kCarryings = 3;

inline bool IsDivisionKind(SectionKind kind) {
    return kind == SectionKind::TableDivision || kind == SectionKind::Remainder;
}

// Which number a missing-number problem leaves out: always the first, always the second,
// or either, each equally likely.
enum class MissingPlace : std::uint8_t { First, Second, Either };
inline constexpr int kMissingPlaces = 3;

// The operations a section draws from, one bit each: bit 0 for "+" up to bit 3 for the
// division. One bit is a sheet of that operation; all four are today's "Mix".
using OperationSet = std::uint8_t;
inline constexpr OperationSet kAllOperations = 0xF;
[[nodiscard]] constexpr OperationSet OperationBit(OperationRow operation) {
    return static_cast<OperationSet>(1U << static_cast<unsigned>(RowNumber(operation) - 1));
}
// The operations of the set in row order: "+", "-", "*", then the division.
[[nodiscard]] std::vector<OperationRow> OperationsOf(OperationSet operations);
// The set a row of the operation table draws from: its one operation, or all four for Mix.
[[nodiscard]] OperationSet OperationSetOfRow(OperationRow row);

struct NumberRange {
    int lowest = kStartLowest;
    int highest = kStartHighest;
    friend bool operator==(const NumberRange&, const NumberRange&) = default;
};

// The most sections a sheet holds, and the longest title of one, in characters.
inline constexpr int kMostSections = 6;
inline constexpr int kMostTitleCharacters = 40;

// One part of a sheet: its problems start on a row of their own, under its title.
// A remainderPercent of every problem.
inline constexpr int kHundredPercent = 100;

struct SheetSection {
    SectionKind kind = SectionKind::Facts;
    // The division kinds always divide, whatever is set here.
    OperationSet operations = OperationBit(OperationRow::Add);
    // Missing numbers and facts: the first number (the dividend of a division) and the
    // second. Division from the tables: the quotient and the divisor. Division with a
    // remainder: the dividend and the divisor. Written methods: the first number and every
    // further one, up to six digits (limits in written_problems.h).
    NumberRange first;
    NumberRange second;
    int count = kStartProblems;
    bool allowNegative = false;  // subtraction may give negative results
    ProblemRules rules{};
    MissingPlace missing = MissingPlace::Either;  // missing numbers only
    // Division with a remainder: at least this many in a hundred of the section's problems
    // leave one; 100 lets only such problems be drawn. A written division with 0 comes out
    // whole; with more it is answered with a remainder, at least this share leaving one.
    int remainderPercent = 0;
    // Written methods: one operation; a sum of this many numbers, and its columns' carries.
    int addends = 2;
    Carrying carrying = Carrying::Any;
    QString title;  // printed above the section; none when empty
    friend bool operator==(const SheetSection&, const SheetSection&) = default;
};

// The operations the section's kind draws from.
[[nodiscard]] std::vector<OperationRow> SectionOperations(const SheetSection& section);

// A section's problems of an operation come from a grid: a first number from its range, a
// second from its range or the fixed number of the rules, and a blank's place, each
// problem on the grid allowed or not.
[[nodiscard]] NumberRange SecondRangeOf(const SheetSection& section);
[[nodiscard]] std::vector<BlankPlace> BlankPlacesOf(const SheetSection& section);
// The problem at a place of the grid: for division from the tables the first number is the
// quotient, and the problem's dividend the product.
[[nodiscard]] Problem SectionProblemAt(const SheetSection& section, OperationRow operation,
                                       int first, int second, BlankPlace blank);
// Whether the section allows the problem: its kind's rules and the problem rules.
[[nodiscard]] bool SectionAllows(const SheetSection& section, const Problem& problem);

// Every different problem of the operation that the section allows, each once, in a fixed
// order: by second number, then first, then the blank's place.
[[nodiscard]] std::vector<Problem> AllowedSectionProblems(const SheetSection& section,
                                                          OperationRow operation);
// How many different problems the section allows: the sizes of its operations' lists.
[[nodiscard]] std::int64_t CountSectionProblems(const SheetSection& section);
// The verdict on the section's count against the problems it allows.
[[nodiscard]] RulesCheck CheckSectionFit(const SheetSection& section);

// Why a section cannot be part of a sheet, in the settings checks' words, naming the
// section (1 for the first) and its field; nothing when it can.
[[nodiscard]] std::optional<QString> SectionFault(const SheetSection& section, int number);
// The same for the sections of a sheet: 1 to kMostSections of them, at most kMostProblems
// problems in all.
[[nodiscard]] std::optional<QString> SectionsFault(const std::vector<SheetSection>& sections);

// The kind's name in the user's language, as lists and messages show it: "Facts",
// "Missing numbers", "Division from the times tables", "Division with remainders",
// "Written methods".
[[nodiscard]] QString SectionKindName(SectionKind kind);

}  // namespace tallyworth
