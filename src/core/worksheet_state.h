#pragma once

#include "core/page_options.h"

#include <QString>

#include <array>
#include <cstdint>

namespace tallyworth {

// The divide sign, U+00F7. It is the division row's symbol and the marker of the
// upside-down-seven notation.
inline const QString& DivideSignText() {
    static const QString kSign(QChar(0x00F7));
    return kSign;
}

// The marker of the line-and-dots notation; never shown.
inline constexpr char16_t kLineAndDotsMarker = u'%';

struct OperationEntry {
    QString symbol;
    std::uint8_t problemsPerPage = 0;
    bool isMix = false;
};

// The rows of the operation table, in the order the operation list shows them. Row 0
// is never filled.
enum class OperationRow : std::int16_t { Add = 1, Subtract, Multiply, Divide, Mix };
inline constexpr int kOperationRows = 6;

// The row as the number the worksheet state stores, and back: the one conversion between
// the two. A number outside 1..5 gives a row no operation has, which every check refuses.
constexpr std::int16_t RowNumber(OperationRow row) {
    return static_cast<std::int16_t>(row);
}
constexpr OperationRow RowOfNumber(int number) {
    return static_cast<OperationRow>(number);
}
// Whether the row is one of the table's five operations.
constexpr bool IsOperationRow(OperationRow row) {
    return row >= OperationRow::Add && row <= OperationRow::Mix;
}
// The choices that only some operations' sheets use, offered by the served page only with
// them: negative results where a sheet subtracts, mixed in or not; the notation where a
// sheet only divides, as a mixed sheet writes its divisions on a line. (The main window
// keeps its own design: its check box shows for "-" alone, and keeps its state, which a
// mixed sheet reads, while hidden.)
constexpr bool OffersNegativeResults(OperationRow row) {
    return row == OperationRow::Subtract || row == OperationRow::Mix;
}
constexpr bool OffersDivisionNotation(OperationRow row) {
    return row == OperationRow::Divide;
}
using OperationTable = std::array<OperationEntry, kOperationRows>;

// Whether the additions and subtractions of a sheet carry or borrow in some column.
enum class Regrouping { Any, Never, Always };

// Rules on top of the operation's own: which of the problems it could draw are allowed.
// All off by default, and then the composer draws exactly as it always has.
struct ProblemRules {
    // No problem whose answer is given away: a * 1, 1 * b, a / 1, a / a, a - a, and
    // anything with 0.
    bool noTrivial = false;
    // 0 = off, else 1..99: the second number of "+" and "*", the number taken away of
    // "-", the divisor of a division. The other number comes from the range.
    int fixedNumber = 0;
    // For "+" and "-" only; see CarriesOrBorrows (problem_rules.h).
    Regrouping regrouping = Regrouping::Any;
    // No two problems of a sheet alike until every allowed problem has been used.
    bool noRepeats = false;

    [[nodiscard]] bool AnyOn() const;
    friend bool operator==(const ProblemRules&, const ProblemRules&) = default;
};

// The one description of the worksheet being made. A single instance lives for the
// whole run and is handed to whoever reads or writes it.
struct WorksheetState {
    std::int16_t lowestNumber = 0;
    std::int16_t highestNumber = 0;
    std::int16_t numberOfProblems = 0;
    std::int16_t operation = 0;
    QString currentOperator;
    bool showCellNumbers = false;
    bool showSolutions = false;
    std::int16_t currentPage = 0;
    std::int16_t problemsPerPage = 0;
    QString divideSign;
    QString divisionSymbol;
    OperationTable operations{};
    // Set in the problem rules dialog; every composition of the run draws under them.
    ProblemRules problemRules{};
    // Set in the page dialog: signs, layout and print size of the printed page.
    PageOptions pageOptions{};

    // Written only by the page layout.
    std::int16_t gridColumns = 0;
    std::int16_t gridRows = 0;

    // The chosen row; a operation outside 1..5 yields the empty row 0.
    [[nodiscard]] const OperationEntry& ChosenOperation() const;
    // True when the chosen row's symbol is the divide sign ("Mix" never is).
    [[nodiscard]] bool IsDivisionWorksheet() const;
    // True when the upside-down-seven notation is chosen.
    [[nodiscard]] bool UsesUpsideDownSeven() const;
};

}  // namespace tallyworth
