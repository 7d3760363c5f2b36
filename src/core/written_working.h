#pragma once

#include <vector>

namespace tallyworth {

// The working a pupil writes down for the written methods, worked as on paper: column by
// column from the ones, digit by digit from the dividend's highest.

// The digit of the number in the column of 10^column: 0 past its highest digit.
[[nodiscard]] int DigitInColumn(int number, int column);

// The small digit each column of a sum receives from the column on its right: element k
// for the column of 10^k, 0 for the ones and wherever nothing carries. One element past
// the highest column of the sum.
[[nodiscard]] std::vector<int> ColumnCarries(const std::vector<int>& numbers);

// For first minus second: element k is 1 where the column of 10^k pays back what the
// column on its right borrowed, else 0; as long as first has digits.
[[nodiscard]] std::vector<int> ColumnBorrows(int first, int second);

// The multiplicand times each digit of the multiplier, ones digit first.
[[nodiscard]] std::vector<int> PartialProducts(int multiplicand, int multiplier);

// One step of a long division: the partial dividend taken down to the dividend's digit at
// index end (0 for its highest), the quotient digit written over it, what that digit
// takes away, and what is left.
struct DivisionStep {
    int end = 0;
    int partial = 0;
    int digit = 0;
    int product = 0;
    int difference = 0;
    friend bool operator==(const DivisionStep&, const DivisionStep&) = default;
};

// The steps of dividing, from the first partial dividend no smaller than the divisor (the
// whole dividend when it is smaller) to the dividend's last digit. A divisor of 0 has none.
[[nodiscard]] std::vector<DivisionStep> DivisionSteps(int dividend, int divisor);

}  // namespace tallyworth
