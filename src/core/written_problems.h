#pragma once

#include "core/problem.h"
#include "core/random_source.h"
#include "core/sheet_section.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace tallyworth {

// The numbers the written methods work on: sums and differences of up to six digits,
// a product of up to four digits by up to two, a quotient of up to five by up to two.
inline constexpr int kMostWrittenAddend = 999'999;
inline constexpr int kMostWrittenFactor = 9'999;
inline constexpr int kMostWrittenDividend = 99'999;
inline constexpr int kMostWrittenSmall = 99;  // a multiplier or a divisor
inline constexpr int kLeastAddends = 2;
inline constexpr int kMostAddends = 4;

// The largest first and second number a written section of the operation takes.
[[nodiscard]] NumberRange WrittenLimits(OperationRow operation);

// The one operation of a written section, if it names exactly one.
[[nodiscard]] std::optional<OperationRow> WrittenOperation(const SheetSection& section);

// How many columns of the numbers' sum carry, or of first minus second borrow, worked from
// the ones as a pupil does; a carry out of the highest column counts as one.
[[nodiscard]] int RegroupingColumns(OperationRow operation, const std::vector<int>& numbers);

// Why a written section's fields cannot make a sheet, in the settings checks' words;
// nothing when they can.
[[nodiscard]] std::optional<QString> WrittenFieldFault(const SheetSection& section);

// How many different problems a written section allows: ordered numbers from its ranges,
// under its carrying rule, no difference below 0, no dividend below its divisor, and
// quotients exact or not as its share of remainders says. Counted column by column, never
// by listing; at most the largest 64-bit number, which no sheet comes near.
[[nodiscard]] std::int64_t CountWrittenProblems(const SheetSection& section);

// Draws a written section's problems, each allowed one equally likely (to within 2^-48).
// Without the no-repeats rule a problem may come up again; with it, not while a fresh one
// is found in a few draws.
class WrittenDrawer {
  public:
    explicit WrittenDrawer(const SheetSection& section);
    ~WrittenDrawer();
    WrittenDrawer(const WrittenDrawer&) = delete;
    WrittenDrawer& operator=(const WrittenDrawer&) = delete;

    [[nodiscard]] bool HasProblems() const;
    // A problem; one leaving a remainder when asked and the section has any.
    Problem Draw(RandomSource& source, bool remainder);

    // The counts of a sum's or difference's digits, shared by the drawers of a section.
    class Columns;

  private:
    [[nodiscard]] Problem DrawOnce(RandomSource& source, bool remainder) const;
    [[nodiscard]] Problem DrawDivision(RandomSource& source, bool remainder) const;

    SheetSection section_;
    OperationRow operation_ = OperationRow::Add;
    std::shared_ptr<const Columns> columns_;
    std::vector<Problem> drawn_;
};

}  // namespace tallyworth
