#include "core/problem.h"

#include <QStringView>

#include <array>
#include <cstddef>
#include <utility>

namespace tallyworth {

namespace {

constexpr int kQuotientDigits = 15;

// Plain decimal digits with a leading minus sign, built in place so that the caption
// is the only allocation.
QString IntegerText(int value) {
    constexpr int kMostChars = 11;  // "-2147483648"
    std::array<char16_t, kMostChars> chars{};
    auto magnitude = static_cast<unsigned>(value < 0 ? -static_cast<long long>(value) : value);
    std::size_t start = chars.size();
    do {
        chars[--start] = static_cast<char16_t>(u'0' + magnitude % 10U);
        magnitude /= 10U;
    } while (magnitude != 0U);
    if (value < 0) {
        chars[--start] = u'-';
    }
    return QStringView(chars.data() + start, static_cast<qsizetype>(chars.size() - start))
        .toString();
}

}  // namespace

std::vector<int> NumbersOf(const Problem& problem) {
    std::vector<int> numbers{problem.first, problem.second};
    for (const std::int32_t number : problem.more) {
        if (number != 0) {
            numbers.push_back(number);
        }
    }
    return numbers;
}

int AnswerOf(const Problem& problem) {
    switch (problem.operation) {
        case OperationRow::Add:
            return problem.first + problem.second + problem.more[0] + problem.more[1];
        case OperationRow::Subtract:
            return problem.first - problem.second;
        case OperationRow::Multiply:
            return problem.first * problem.second;
        case OperationRow::Divide:
            return problem.second == 0 ? 0 : problem.first / problem.second;
        case OperationRow::Mix:
            break;
    }
    return 0;
}

int RemainderOf(const Problem& problem) {
    if (problem.operation != OperationRow::Divide || problem.second == 0) {
        return 0;
    }
    return problem.first % problem.second;
}

QString AnswerText(const Problem& problem) {
    if (problem.operation == OperationRow::Mix) {
        return {};
    }
    if (problem.withRemainder || RemainderOf(problem) == 0) {
        return IntegerText(AnswerOf(problem));
    }
    const double quotient =
        static_cast<double>(problem.first) / static_cast<double>(problem.second);
    return QString::number(quotient, 'g', kQuotientDigits);
}

QString OperationSymbol(OperationRow operation) {
    switch (operation) {
        case OperationRow::Add:
            return QStringLiteral("+");
        case OperationRow::Subtract:
            return QStringLiteral("-");
        case OperationRow::Multiply:
            return QStringLiteral("*");
        case OperationRow::Divide:
            return DivideSignText();
        case OperationRow::Mix:
            break;
    }
    return {};
}

CellCaptions OriginalCaptions(const ProblemSet& set, int cell) {
    const Problem& problem = set.problems[static_cast<std::size_t>(cell)];
    CellCaptions captions{IntegerText(problem.first), IntegerText(problem.second),
                          OperationSymbol(problem.operation), AnswerText(problem)};
    if (set.cellNumbering) {
        captions.first = IntegerText(2 * cell + 1);
        captions.second = IntegerText(2 * cell + 2);
    } else if (set.numbersExchanged) {
        std::swap(captions.first, captions.second);
    }
    return captions;
}

}  // namespace tallyworth
