#include "core/written_working.h"

#include <QString>

#include <algorithm>
#include <cstddef>

namespace tallyworth {

namespace {

constexpr int kBase = 10;

int DigitCount(int number) {
    return static_cast<int>(QString::number(number).size());
}

}  // namespace

int DigitInColumn(int number, int column) {
    for (int place = 0; place < column; ++place) {
        number /= kBase;
    }
    return number % kBase;
}

std::vector<int> ColumnCarries(const std::vector<int>& numbers) {
    std::vector<int> carries{0};
    std::vector<int> rest = numbers;
    do {
        int column = carries.back();
        for (int& number : rest) {
            column += number % kBase;
            number /= kBase;
        }
        carries.push_back(column / kBase);
    } while (std::any_of(rest.begin(), rest.end(), [](int number) { return number > 0; }) ||
             carries.back() > 0);
    return carries;
}

std::vector<int> ColumnBorrows(int first, int second) {
    std::vector<int> borrows{0};
    const int columns = DigitCount(first);
    for (int column = 1; column < columns; ++column) {
        const int taken = second % kBase + borrows.back();
        borrows.push_back(first % kBase < taken ? 1 : 0);
        first /= kBase;
        second /= kBase;
    }
    return borrows;
}

std::vector<int> PartialProducts(int multiplicand, int multiplier) {
    std::vector<int> partials;
    do {
        partials.push_back(multiplicand * (multiplier % kBase));
        multiplier /= kBase;
    } while (multiplier > 0);
    return partials;
}

std::vector<DivisionStep> DivisionSteps(int dividend, int divisor) {
    std::vector<DivisionStep> steps;
    if (divisor <= 0) {
        return steps;
    }
    const QString digits = QString::number(dividend);
    int partial = 0;
    for (int end = 0; end < static_cast<int>(digits.size()); ++end) {
        partial = partial * kBase + digits[end].digitValue();
        const bool last = end + 1 == static_cast<int>(digits.size());
        if (steps.empty() && partial < divisor && !last) {
            continue;
        }
        const int digit = partial / divisor;
        steps.push_back({end, partial, digit, digit * divisor, partial - digit * divisor});
        partial = steps.back().difference;
    }
    return steps;
}

}  // namespace tallyworth
