#pragma once

#include "core/worksheet_state.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace tallyworth {

// Which place of a problem the pupil fills in: the answer, as in "7 + 5 = __", or one of
// the numbers, as in "__ + 5 = 12" and "7 + __ = 12".
enum class BlankPlace : std::uint8_t { Answer, First, Second };

// One problem as plain numbers, whatever page or text shows it.
struct Problem {
    OperationRow operation = OperationRow::Add;  // one of the four, never Mix
    std::int32_t first = 0;                      // the dividend of a division
    std::int32_t second = 0;                     // the divisor of a division
    BlankPlace blank = BlankPlace::Answer;
    // A division answered as a whole quotient and what remains: "23 ÷ 5 = 4 r 3".
    bool withRemainder = false;
    // Worked out in columns on paper, as the written methods are taught.
    bool written = false;
    // A written sum of more than two numbers: the third and fourth, 0 where there are fewer.
    std::array<std::int32_t, 2> more{};
    friend bool operator==(const Problem&, const Problem&) = default;
};

// The numbers the problem works on, in order: two, or up to four for a written sum.
[[nodiscard]] std::vector<int> NumbersOf(const Problem& problem);

// The answer: the sum, difference or product, or the whole quotient of a division (the
// quotient rounded towards zero; 0 for a divisor of 0).
[[nodiscard]] int AnswerOf(const Problem& problem);
// What a division leaves over its whole quotient; 0 for the other operations.
[[nodiscard]] int RemainderOf(const Problem& problem);
// The answer as the page writes it. Only the cell-numbering mode composes divisions that
// do not come out whole; theirs is written with up to 15 significant digits and a ".".
[[nodiscard]] QString AnswerText(const Problem& problem);
// The operation table's sign of the problem's operation: "+", "-", "*" or the divide sign.
[[nodiscard]] QString OperationSymbol(OperationRow operation);

struct ProblemSet {
    std::vector<Problem> problems;  // problem 1 first
    bool cellNumbering = false;     // composed in the cell-numbering mode
    // A division sheet in the line-and-dots notation: the original page's layout places
    // the second number's label first, so the dividend is written there.
    bool numbersExchanged = false;
};

// What the original page's cell of a problem shows: the captions of its two number labels,
// its operator and its solution. Cell k of a set composed in the cell-numbering mode shows
// the labels' own numbers, 2k + 1 and 2k + 2.
struct CellCaptions {
    QString first;
    QString second;
    QString operatorSign;
    QString solution;
};
[[nodiscard]] CellCaptions OriginalCaptions(const ProblemSet& set, int cell);

}  // namespace tallyworth
