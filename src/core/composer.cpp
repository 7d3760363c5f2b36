#include "core/composer.h"

#include "core/pair_drawing.h"
#include "core/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace tallyworth {

namespace {

constexpr int kMixRows = 5;  // "Mix" draws among rows 1 to 4: floor(u * 5), never 0
// After this many draws of row 0 the choice among rows 1 to 4 is made from one more
// fraction; they are equally likely either way, and a source stuck below 0.2 cannot
// hold the composition up.
constexpr int kMixRedraws = 64;
constexpr int kQuotientDigits = 15;

const QString& Plus() {
    static const QString sign(QStringLiteral("+"));
    return sign;
}
const QString& Minus() {
    static const QString sign(QStringLiteral("-"));
    return sign;
}
const QString& Times() {
    static const QString sign(QStringLiteral("*"));
    return sign;
}

// The settings the composer relies on having been validated; anything else composes
// nothing rather than drawing from a range the draw rules are not made for.
bool ComposableSettings(const WorksheetState& state) {
    const int lowest = state.gLowestNumber;
    const int highest = state.gHighestNumber;
    const int count = state.gNumberOfProblems;
    return 1 <= lowest && lowest < highest && highest <= 99 && 1 <= count && count <= 100 &&
           !state.ChosenOperation().Symbol.isEmpty();
}

// A whole quotient is written without a decimal point. Only the cell-numbering mode
// accepts pairs that do not divide; their quotient gets up to 15 significant digits,
// the precision a double reliably carries, in the program's fixed "." notation.
QString QuotientText(int dividend, int divisor) {
    const double quotient = static_cast<double>(dividend) / static_cast<double>(divisor);
    if (std::isfinite(quotient) && quotient == std::trunc(quotient)) {
        return QString::number(static_cast<qlonglong>(quotient));
    }
    return QString::number(quotient, 'g', kQuotientDigits);
}

QString SolutionText(const QString& sign, int first, int second, const QString& divideSign) {
    if (sign == Plus()) {
        return QString::number(first + second);
    }
    if (sign == Minus()) {
        return QString::number(first - second);
    }
    if (sign == Times()) {
        return QString::number(first * second);
    }
    if (sign == divideSign) {
        return QuotientText(first, second);
    }
    return {};
}

PairRules RulesFor(const QString& sign, const WorksheetState& state, const ComposerHost& host) {
    PairRules rules;
    rules.putLargerFirst = sign == Minus() && !host.AllowsNegativeResults();
    rules.needWholeQuotient = sign == state.gDivideSign;
    rules.acceptEveryDraw = state.gShowCellNumbers;
    return rules;
}

void SetNumberTexts(ProblemEntry& entry, const WorksheetState& state, int cell) {
    if (state.gShowCellNumbers) {
        // The labels show their own numbers, counted from 1.
        entry.FirstNumberText = QString::number(2 * cell + 1);
        entry.SecondNumberText = QString::number(2 * cell + 2);
        return;
    }
    entry.FirstNumberText = QString::number(entry.First);
    entry.SecondNumberText = QString::number(entry.Second);
    // The line-and-dots layout places the second label first, so the dividend goes there.
    const bool lineAndDots = state.gDivisionSymbol == QString(QChar(kLineAndDotsMarker));
    if (state.IsDivisionWorksheet() && lineAndDots) {
        std::swap(entry.FirstNumberText, entry.SecondNumberText);
    }
}

ProblemEntry MakeEntry(const WorksheetState& state, const DrawnPair& pair, int cell) {
    ProblemEntry entry;
    entry.Operator = state.gCurrentOperator;
    entry.First = pair.first;
    entry.Second = pair.second;
    SetNumberTexts(entry, state, cell);
    entry.SolutionText = SolutionText(entry.Operator, entry.First, entry.Second, state.gDivideSign);
    return entry;
}

}  // namespace

std::int16_t RandomInRange(RandomSource& source, std::int16_t lowest, std::int16_t highest) {
    const double product = static_cast<double>(source.NextFraction()) * highest;
    const double rounded = RoundHalfToEven(product);
    if (!(rounded >= lowest)) {
        return lowest;
    }
    // Only a source breaking its promise of u < 1 could get past highest.
    return rounded > highest ? highest : static_cast<std::int16_t>(rounded);
}

QString RandomMixOperator(RandomSource& source, const WorksheetState& state) {
    for (int attempt = 0; attempt < kMixRedraws; ++attempt) {
        const auto row =
            static_cast<int>(std::floor(static_cast<double>(source.NextFraction()) * kMixRows));
        if (row >= 1 && row < kMixRows) {
            return state.gOperations[static_cast<std::size_t>(row)].Symbol;
        }
    }
    const auto row =
        1 +
        static_cast<int>(std::floor(static_cast<double>(source.NextFraction()) * (kMixRows - 1)));
    return state.gOperations[static_cast<std::size_t>(std::min(row, kMixRows - 1))].Symbol;
}

ProblemSet ComposeProblems(WorksheetState& state, RandomSource& source, ComposerHost& host) {
    ProblemSet set;
    set.cellNumbering = state.gShowCellNumbers;
    if (!ComposableSettings(state)) {
        return set;
    }
    const int count = state.gNumberOfProblems;
    host.SetProgressRange(1, count);
    source.Reseed();
    const OperationEntry& chosen = state.ChosenOperation();
    const PairDrawer drawer(state.gLowestNumber, state.gHighestNumber);
    int previousFirst = -1;
    int previousSecond = -1;
    set.problems.reserve(static_cast<std::size_t>(count));
    for (int number = 1; number <= count; ++number) {
        state.gCurrentOperator = chosen.IsMix ? RandomMixOperator(source, state) : chosen.Symbol;
        host.SetProgressValue(number);
        PairRules rules = RulesFor(state.gCurrentOperator, state, host);
        rules.previousFirst = previousFirst;
        rules.previousSecond = previousSecond;
        const DrawnPair pair = drawer.Draw(source, rules);
        previousFirst = pair.first;
        previousSecond = pair.second;
        set.problems.push_back(MakeEntry(state, pair, number - 1));
    }
    return set;
}

}  // namespace tallyworth
