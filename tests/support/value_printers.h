#pragma once

// Failed comparisons of the core's values show their fields, not their bytes. GoogleTest
// finds these by argument-dependent lookup.

#include "core/class_set.h"
#include "core/operations.h"
#include "core/problem_rules.h"
#include "core/rule_words.h"
#include "core/sheet_code.h"
#include "core/validation.h"

#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tallyworth {

inline void PrintTo(OperationRow row, std::ostream* out) {
    *out << "row " << RowNumber(row);
}
inline void PrintTo(const ProblemRules& rules, std::ostream* out) {
    *out << "{noTrivial " << rules.noTrivial << ", fixed " << rules.fixedNumber << ", regrouping "
         << static_cast<int>(rules.regrouping) << ", noRepeats " << rules.noRepeats << "}";
}
inline void PrintTo(const PageOptions& page, std::ostream* out) {
    *out << "{times " << static_cast<int>(page.timesSign) << ", divide "
         << static_cast<int>(page.divideSign) << ", layout " << static_cast<int>(page.layout)
         << ", size " << static_cast<int>(page.size) << ", fill " << page.fillPage << "}";
}
inline void PrintTo(const SheetSettings& settings, std::ostream* out) {
    *out << "{operation " << RowNumber(settings.operation) << ", " << settings.lowest << ".."
         << settings.highest << ", count " << settings.count << ", negative "
         << settings.allowNegative << ", upsideDownSeven " << settings.upsideDownSeven
         << ", rules ";
    PrintTo(settings.rules, out);
    *out << ", page ";
    PrintTo(settings.page, out);
    *out << "}";
}
inline void PrintTo(const SheetCode& code, std::ostream* out) {
    PrintTo(code.settings, out);
    *out << " seed " << code.seed << " version " << code.version;
}
inline void PrintTo(const SheetCodeError& error, std::ostream* out) {
    *out << "fault " << static_cast<int>(error.fault) << ": " << error.message.toStdString();
}
inline void PrintTo(const ClassSetRequest& request, std::ostream* out) {
    PrintTo(request.first, out);
    *out << ", " << request.sheets << " sheets, keys " << static_cast<int>(request.answerKeys)
         << ", header " << request.header;
}
inline void PrintTo(const SetPage& page, std::ostream* out) {
    *out << "sheet " << page.sheetIndex << " page " << page.pageNo
         << (page.answerKey ? " key" : "");
}
inline void PrintTo(const WeightedPair& pair, std::ostream* out) {
    *out << pair.first << ", " << pair.second << " weight " << pair.weight;
}
inline void PrintTo(const SettingsMessage& message, std::ostream* out) {
    *out << message.text.toStdString() << " (icon " << static_cast<int>(message.icon) << ")";
}
inline void PrintTo(const FocusMove& move, std::ostream* out) {
    *out << "focus field " << static_cast<int>(move.field);
}
inline void PrintTo(const RuleOptionError& error, std::ostream* out) {
    *out << error.message.toStdString();
}

}  // namespace tallyworth
