#pragma once

// Failed comparisons of the core's values show their fields, not their bytes. GoogleTest
// finds these by argument-dependent lookup.

#include "core/operations.h"
#include "core/problem_rules.h"
#include "core/sheet_code.h"

#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tallyworth {

inline void PrintTo(const ProblemRules& rules, std::ostream* out) {
    *out << "{noTrivial " << rules.noTrivial << ", fixed " << rules.fixedNumber << ", regrouping "
         << static_cast<int>(rules.regrouping) << ", noRepeats " << rules.noRepeats << "}";
}
inline void PrintTo(const PageOptions& page, std::ostream* out) {
    *out << "{times " << static_cast<int>(page.timesSign) << ", divide "
         << static_cast<int>(page.divideSign) << ", layout " << static_cast<int>(page.layout)
         << ", size " << static_cast<int>(page.size) << ", fill " << page.fillPage << "}";
}
inline void PrintTo(const SheetSection& section, std::ostream* out) {
    *out << "{kind " << static_cast<int>(section.kind) << ", operations "
         << static_cast<int>(section.operations) << ", " << section.first.lowest << ".."
         << section.first.highest << " by " << section.second.lowest << ".."
         << section.second.highest << ", count " << section.count << ", negative "
         << section.allowNegative << ", missing " << static_cast<int>(section.missing)
         << ", remainders " << section.remainderPercent << " %, title \""
         << section.title.toStdString() << "\", rules ";
    PrintTo(section.rules, out);
    *out << "}";
}
inline void PrintTo(const SheetSettings& settings, std::ostream* out) {
    *out << "{operation " << RowNumber(settings.operation) << ", " << settings.lowest << ".."
         << settings.highest << ", count " << settings.count << ", negative "
         << settings.allowNegative << ", upsideDownSeven " << settings.upsideDownSeven
         << ", rules ";
    PrintTo(settings.rules, out);
    *out << ", page ";
    PrintTo(settings.page, out);
    for (const SheetSection& section : settings.sections) {
        *out << ", section ";
        PrintTo(section, out);
    }
    *out << "}";
}
inline void PrintTo(const SheetCode& code, std::ostream* out) {
    PrintTo(code.settings, out);
    *out << " seed " << code.seed << " version " << code.version;
}

}  // namespace tallyworth
