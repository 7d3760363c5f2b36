#pragma once

#include "core/sheet_code.h"
#include "core/sheet_composer.h"
#include "core/sheet_section.h"

#include <QString>
#include <QStringList>

#include <array>

namespace tallyworth::sheet_golden {

// Codes whose sheets must never change; each has a file <name>.txt in
// tests/core/golden. Two-number ranges stay out: how they waive the neighbour rule may
// still change. Rewrite the files only for a deliberate change of a new code version:
//   cmake --build --preset dev --target tallyworth_sheet_goldens
//   build/dev/tests/tallyworth_sheet_goldens tests/core/golden
struct GoldenSheet {
    const char* name;
    SheetCode code;
};

// A sheet of each kind of section: Mix facts without repeats, missing numbers of two
// operations, divisions from the tables and remainders, 70 in a hundred of them leaving one.
inline SheetSettings GoldenSections() {
    const auto section = [](SectionKind kind, OperationSet operations, NumberRange first,
                            NumberRange second) {
        SheetSection made;
        made.kind = kind;
        made.operations = operations;
        made.first = first;
        made.second = second;
        made.count = 8;
        return made;
    };
    SheetSection facts = section(SectionKind::Facts, kAllOperations, {1, 12}, {1, 12});
    facts.rules.noRepeats = true;
    SheetSection remainders = section(SectionKind::Remainder, 0, {10, 60}, {2, 9});
    remainders.remainderPercent = 70;
    return SettingsOfSections(
        {facts,
         section(SectionKind::Missing,
                 OperationBit(OperationRow::Add) | OperationBit(OperationRow::Multiply), {2, 9},
                 {2, 9}),
         section(SectionKind::TableDivision, 0, {2, 10}, {2, 10}), remainders},
        false, {});
}

// clang-format off
inline const std::array kGoldenSheets{
    GoldenSheet{"addition", {{OperationRow::Add, 1, 9, 20, false, false}, 0x5EED}},
    GoldenSheet{"subtraction_negative", {{OperationRow::Subtract, 3, 40, 30, true, false}, 0x123456789}},
    GoldenSheet{"multiplication", {{OperationRow::Multiply, 2, 12, 100, false, false}, 0}},
    GoldenSheet{"division_two_pages", {{OperationRow::Divide, 1, 99, 100, false, false}, 0x7FFFFFFFF}},
    GoldenSheet{"division_upside_down_seven", {{OperationRow::Divide, 2, 30, 45, false, true}, 0x2A2A2A2A2}},
    GoldenSheet{"mix", {{OperationRow::Mix, 1, 20, 60, false, false}, 0x0C0FFEE}},
    // Version 2: sheets under problem rules.
    GoldenSheet{"ruled_addition_no_carrying", {{OperationRow::Add, 1, 40, 30, false, false, {true, 0, Regrouping::Never, true}}, 0x5EED, 2}},
    GoldenSheet{"ruled_times_table_seven", {{OperationRow::Multiply, 1, 12, 24, false, false, {true, 7, Regrouping::Any, true}}, 0x1234567, 2}},
    GoldenSheet{"ruled_subtraction_borrowing", {{OperationRow::Subtract, 10, 99, 40, false, false, {false, 0, Regrouping::Always, false}}, 0xABCDEF, 2}},
    GoldenSheet{"ruled_division_upside_down_seven", {{OperationRow::Divide, 2, 60, 50, false, true, {true, 0, Regrouping::Any, true}}, 42, 2}},
    GoldenSheet{"ruled_mix", {{OperationRow::Mix, 1, 20, 60, true, false, {true, 0, Regrouping::Any, true}}, 0x1FFFFFF, 2}},
    // Version 3: page options without rules draw as version 1 (the problems of "addition"),
    // rules draw every allowed problem equally likely.
    GoldenSheet{"addition_page_options", {{OperationRow::Add, 1, 9, 20, false, false, {}, {TimesSign::Dot, DivideSign::Colon, ProblemLayout::Line, PrintSize::Large, true}}, 0x5EED, 3}},
    GoldenSheet{"uniform_times_table_seven", {{OperationRow::Multiply, 1, 12, 24, false, false, {true, 7, Regrouping::Any, true}}, 0x12345, 3}},
    GoldenSheet{"uniform_mix", {{OperationRow::Mix, 1, 20, 60, true, false, {true, 0, Regrouping::Any, true}}, 0x3FFFF, 3}},
    // Version 5: sections, each drawn by its kind.
    GoldenSheet{"sections", {GoldenSections(), 0xBEEF5, kSectionsSheetCodeVersion}},
};
// clang-format on

// The first sheets of a class set, as codes, one per line.
inline constexpr int kClassSetSheets = 5;
inline QString ClassSetDump() {
    QString dump;
    for (int sheet = 0; sheet < kClassSetSheets; ++sheet) {
        dump += FormatSheetCode(SheetOfSet(kGoldenSheets.front().code, sheet)) + u'\n';
    }
    return dump;
}

// The code, then each problem: its numbers and solution, then the captions of its two
// number labels, which show the division notation; a number left out and a remainder
// asked for are marked after them.
inline QString SheetDump(const SheetCode& code) {
    QString dump = QStringLiteral("code %1\n").arg(FormatSheetCode(code));
    const ProblemSet set = ComposeSheet(code);
    for (std::size_t index = 0; index < set.problems.size(); ++index) {
        const Problem& problem = set.problems[index];
        const CellCaptions cell = OriginalCaptions(set, static_cast<int>(index));
        dump +=
            QStringLiteral("%1. %2 %3 %4 = %5 | %6 %7\n")
                .arg(QString::number(index + 1), QString::number(problem.first), cell.operatorSign,
                     QString::number(problem.second), cell.solution, cell.first, cell.second);
        if (problem.blank != BlankPlace::Answer) {
            dump.insert(dump.size() - 1,
                        QStringLiteral(" | blank %1").arg(static_cast<int>(problem.blank)));
        }
        if (problem.withRemainder) {
            dump.insert(dump.size() - 1, QStringLiteral(" | r %1").arg(RemainderOf(problem)));
        }
    }
    return dump;
}

}  // namespace tallyworth::sheet_golden
