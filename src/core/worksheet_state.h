#pragma once

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

// The row as the number the worksheet state stores.
constexpr std::int16_t RowNumber(OperationRow row) {
    return static_cast<std::int16_t>(row);
}
using OperationTable = std::array<OperationEntry, kOperationRows>;

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
