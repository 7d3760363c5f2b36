#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace tallyworth {

// The divide sign, U+00F7. It is the division row's symbol and the marker of the
// upside-down-seven notation.
inline const QString& DivideSignText() {
    static const QString sign(QChar(0x00F7));
    return sign;
}

// The marker of the line-and-dots notation; never shown.
inline constexpr char16_t kLineAndDotsMarker = u'%';

struct OperationEntry {
    QString Symbol;
    std::uint8_t ProblemsPerPage = 0;
    bool IsMix = false;
};

// Row 0 is never filled; rows 1 to 5 are "+", "-", "*", the divide sign and "Mix".
inline constexpr int kOperationRows = 6;
using OperationTable = std::array<OperationEntry, kOperationRows>;

// The one description of the worksheet being made. A single instance lives for the
// whole run and is handed to whoever reads or writes it. Member names follow the
// names used throughout the program's documentation of the worksheet.
struct WorksheetState {
    std::int16_t gLowestNumber = 0;
    std::int16_t gHighestNumber = 0;
    std::int16_t gNumberOfProblems = 0;
    std::int16_t gOperation = 0;
    QString gCurrentOperator;
    bool gShowCellNumbers = false;
    bool gShowSolutions = false;
    std::int16_t gCurrentPage = 0;
    std::int16_t gProblemsPerPage = 0;
    QString gDivideSign;
    QString gDivisionSymbol;
    OperationTable gOperations{};

    // Written only by the page layout.
    std::int16_t gGridColumns = 0;
    std::int16_t gGridRows = 0;

    // The chosen row; a gOperation outside 1..5 yields the empty row 0.
    [[nodiscard]] const OperationEntry& ChosenOperation() const;
    // True when the chosen row's symbol is the divide sign ("Mix" never is).
    [[nodiscard]] bool IsDivisionWorksheet() const;
    // True when the upside-down-seven notation is chosen.
    [[nodiscard]] bool UsesUpsideDownSeven() const;
};

}  // namespace tallyworth
