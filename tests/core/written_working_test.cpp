#include "core/written_working.h"

#include <gtest/gtest.h>

#include <QString>

#include <cstddef>
#include <vector>

namespace tallyworth {
namespace {

// Numbers spread over every length up to six digits, with runs of nines and zeros that
// carry and borrow through several columns.
std::vector<int> SampleNumbers() {
    std::vector<int> numbers{0, 1, 9, 10, 99, 100, 909, 999, 1000, 9999, 10001, 99999, 999999};
    for (int number = 7; number < 999'999; number = number * 7 + 3) {
        numbers.push_back(number);
    }
    return numbers;
}

int Power(int exponent) {
    int power = 1;
    for (int index = 0; index < exponent; ++index) {
        power *= 10;
    }
    return power;
}

// What reaches the column of 10^k from the columns below it: the lower parts' sum over 10^k.
TEST(WrittenWorkingTest, CarriesAreWhatTheLowerColumnsSumPast) {
    for (const int first : SampleNumbers()) {
        for (const int second : {0, 1, 9, 99, 4711, 99999}) {
            const std::vector<int> numbers{first, second, second / 3};
            const std::vector<int> carries = ColumnCarries(numbers);
            const int sum = first + second + second / 3;
            ASSERT_EQ(carries.size(), static_cast<std::size_t>(QString::number(sum).size() + 1));
            for (std::size_t column = 0; column < carries.size() && column < 7; ++column) {
                const int power = Power(static_cast<int>(column));
                int lower = 0;
                for (const int number : numbers) {
                    lower += number % power;
                }
                EXPECT_EQ(carries[column], lower / power) << first << " + " << second;
            }
        }
    }
}

// A column pays back a borrow where the digits below it take away more than they have.
TEST(WrittenWorkingTest, BorrowsAreWhereTheLowerColumnsFallShort) {
    for (const int first : SampleNumbers()) {
        for (const int second : SampleNumbers()) {
            if (second > first) {
                continue;
            }
            const std::vector<int> borrows = ColumnBorrows(first, second);
            ASSERT_EQ(borrows.size(), static_cast<std::size_t>(QString::number(first).size()));
            for (std::size_t column = 0; column < borrows.size(); ++column) {
                const int power = Power(static_cast<int>(column));
                EXPECT_EQ(borrows[column], first % power < second % power ? 1 : 0)
                    << first << " - " << second;
            }
        }
    }
}

TEST(WrittenWorkingTest, PartialProductsAddUpShiftedToTheProduct) {
    for (const int first : {0, 7, 423, 9999}) {
        for (int second = 0; second <= 99; ++second) {
            const std::vector<int> partials = PartialProducts(first, second);
            EXPECT_EQ(partials.size(), second < 10 ? 1U : 2U);
            EXPECT_EQ(partials.front(), first * (second % 10));
            EXPECT_EQ(partials.front() + (partials.size() > 1 ? 10 * partials.back() : 0),
                      first * second);
        }
    }
}

// The steps as a pupil checks them: each brings the next digit down to what was left, takes
// away the most multiples of the divisor it can, and the digits read the quotient.
TEST(WrittenWorkingTest, DivisionStepsBringEachDigitDown) {
    for (const int dividend : SampleNumbers()) {
        for (int divisor = 1; divisor <= 99; divisor += 7) {
            const QString digits = QString::number(dividend);
            const std::vector<DivisionStep> steps = DivisionSteps(dividend, divisor);
            ASSERT_FALSE(steps.empty());
            EXPECT_EQ(steps.back().end, digits.size() - 1);
            EXPECT_TRUE(steps.front().partial >= divisor || steps.size() == 1);
            EXPECT_EQ(steps.front().partial, digits.left(steps.front().end + 1).toInt());
            QString quotient;
            for (std::size_t index = 0; index < steps.size(); ++index) {
                const DivisionStep& step = steps[index];
                if (index > 0) {
                    EXPECT_EQ(step.end, steps[index - 1].end + 1);
                    EXPECT_EQ(step.partial,
                              steps[index - 1].difference * 10 + digits[step.end].digitValue());
                }
                EXPECT_EQ(step.product, step.digit * divisor);
                EXPECT_EQ(step.difference, step.partial - step.product);
                EXPECT_TRUE(step.difference >= 0 && step.difference < divisor);
                quotient += QString::number(step.digit);
            }
            EXPECT_EQ(quotient.toInt(), dividend / divisor) << dividend << " / " << divisor;
            EXPECT_EQ(steps.back().difference, dividend % divisor);
        }
    }
    EXPECT_TRUE(DivisionSteps(8520, 0).empty());
}

}  // namespace
}  // namespace tallyworth
