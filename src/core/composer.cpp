#include "core/composer.h"

#include "core/pair_drawing.h"
#include "core/rounding.h"
#include "core/rule_drawing.h"
#include "core/settings_limits.h"
#include "core/sheet_code.h"

#include <QStringView>

#include <algorithm>
#include <array>
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

enum class Sign { Plus, Minus, Times, Divide, Other };

// The operator is told once per problem, then every step works with the result.
Sign SignOf(const QString& text, const QString& divideSign) {
    if (text.size() == 1) {
        switch (text.front().unicode()) {
            case u'+':
                return Sign::Plus;
            case u'-':
                return Sign::Minus;
            case u'*':
                return Sign::Times;
            default:
                break;
        }
    }
    return text == divideSign ? Sign::Divide : Sign::Other;
}

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

// The settings the composer relies on having been validated; anything else composes
// nothing rather than drawing from a range the draw rules are not made for.
bool ComposableSettings(const WorksheetState& state) {
    const int lowest = state.lowestNumber;
    const int highest = state.highestNumber;
    const int count = state.numberOfProblems;
    return kLeastNumber <= lowest && lowest < highest && highest <= kMostNumber &&
           kLeastProblems <= count && count <= kMostProblems &&
           !state.ChosenOperation().symbol.isEmpty();
}

// A whole quotient is written without a decimal point. Only the cell-numbering mode
// accepts pairs that do not divide; their quotient gets up to 15 significant digits,
// the precision a double reliably carries, in the program's fixed "." notation.
QString QuotientText(int dividend, int divisor) {
    if (divisor != 0 && dividend % divisor == 0) {
        return IntegerText(dividend / divisor);
    }
    const double quotient = static_cast<double>(dividend) / static_cast<double>(divisor);
    return QString::number(quotient, 'g', kQuotientDigits);
}

QString SolutionText(Sign sign, int first, int second) {
    switch (sign) {
        case Sign::Plus:
            return IntegerText(first + second);
        case Sign::Minus:
            return IntegerText(first - second);
        case Sign::Times:
            return IntegerText(first * second);
        case Sign::Divide:
            return QuotientText(first, second);
        case Sign::Other:
            break;
    }
    return {};
}

PairRules RulesFor(Sign sign, const WorksheetState& state, const ComposerHost& host) {
    PairRules rules;
    rules.putLargerFirst = sign == Sign::Minus && !host.AllowsNegativeResults();
    rules.needWholeQuotient = sign == Sign::Divide;
    rules.acceptEveryDraw = state.showCellNumbers;
    return rules;
}

// What stays the same for every problem of one composition.
struct Composition {
    bool cellNumbering = false;
    // The line-and-dots layout places the second label first, so the dividend goes there.
    bool exchangeTexts = false;
};

Composition CompositionOf(const WorksheetState& state) {
    const bool lineAndDots =
        state.divisionSymbol.size() == 1 && state.divisionSymbol.front() == kLineAndDotsMarker;
    return {state.showCellNumbers, state.IsDivisionWorksheet() && lineAndDots};
}

void SetNumberTexts(ProblemEntry& entry, const Composition& composition, int cell) {
    if (composition.cellNumbering) {
        // The labels show their own numbers, counted from 1.
        entry.firstNumberText = IntegerText(2 * cell + 1);
        entry.secondNumberText = IntegerText(2 * cell + 2);
        return;
    }
    entry.firstNumberText = IntegerText(entry.first);
    entry.secondNumberText = IntegerText(entry.second);
    if (composition.exchangeTexts) {
        std::swap(entry.firstNumberText, entry.secondNumberText);
    }
}

void FillEntry(ProblemEntry& entry, const QString& sign, Sign kind, const DrawnPair& pair,
               const Composition& composition, int cell) {
    entry.operatorSign = sign;
    entry.first = pair.first;
    entry.second = pair.second;
    SetNumberTexts(entry, composition, cell);
    entry.solutionText = SolutionText(kind, entry.first, entry.second);
}

// Divisions are drawn from a prepared list of dividing pairs; worth preparing only when
// the worksheet can divide.
bool MayDivide(const WorksheetState& state) {
    return state.ChosenOperation().isMix || state.IsDivisionWorksheet();
}

// The row of a "Mix" problem's operation, 1 to 4.
int RandomMixRow(RandomSource& source) {
    for (int attempt = 0; attempt < kMixRedraws; ++attempt) {
        // Truncation is the whole part here: u * 5 is never negative.
        const auto row = static_cast<int>(static_cast<double>(source.NextFraction()) * kMixRows);
        if (row >= 1 && row < kMixRows) {
            return row;
        }
    }
    const auto row =
        1 + static_cast<int>(static_cast<double>(source.NextFraction()) * (kMixRows - 1));
    return std::min(row, kMixRows - 1);
}

// Problem rules decide which pairs may be drawn; the cell-numbering mode shows no drawn
// numbers, so it keeps accepting every draw.
bool RulesApply(const WorksheetState& state, const ProblemRules& problemRules) {
    return problemRules.AnyOn() && !state.showCellNumbers;
}

// The allowed problems depend on the negative-results switch, so it is read once, before
// any is drawn. Operations are told by their rows 1 to 4, as RandomMixRow gives them: a
// "Mix" problem's operation is drawn as without rules, each a quarter of the problems,
// whichever way the problems are drawn, and a uniform draw makes every allowed problem of
// that operation equally likely. Weighing the operations by their counts of allowed
// problems instead would let one with many (as + has over /) crowd the others out.
ProblemSet ComposeWithRules(WorksheetState& state, RandomSource& source, ComposerHost& host,
                            const ProblemRules& problemRules, RuledDraw draw) {
    ProblemSet set;
    const ProblemSettings settings{RowOfNumber(state.operation), state.lowestNumber,
                                   state.highestNumber, host.AllowsNegativeResults()};
    RuledDrawer drawer(settings, problemRules, draw);
    if (!drawer.HasProblems()) {
        return set;
    }
    const int count = state.numberOfProblems;
    host.SetProgressRange(1, count);
    source.Reseed(problemRules, state.pageOptions);
    const bool mix = state.ChosenOperation().isMix;
    const Composition composition = CompositionOf(state);
    DrawnPair previous{-1, -1};
    set.problems.resize(static_cast<std::size_t>(count));
    for (int number = 1; number <= count; ++number) {
        const int drawnRow = mix ? RandomMixRow(source) : state.operation;
        const OperationRow operation = drawer.ChooseOperation(RowOfNumber(drawnRow), source);
        state.currentOperator = state.operations[static_cast<std::size_t>(operation)].symbol;
        host.SetProgressValue(number);
        previous = drawer.Draw(operation, source, previous.first, previous.second);
        FillEntry(set.problems[static_cast<std::size_t>(number - 1)], state.currentOperator,
                  SignOf(state.currentOperator, state.divideSign), previous, composition,
                  number - 1);
    }
    return set;
}

}  // namespace

std::int16_t RandomInRange(RandomSource& source, std::int16_t lowest, std::int16_t highest) {
    // The product of a float and a 16-bit number is exact in double precision.
    const double product = static_cast<double>(source.NextFraction()) * highest;
    const double rounded = RoundHalfToEven(product);
    if (!(rounded >= lowest)) {
        return lowest;
    }
    // Only a source breaking its promise of u < 1 could get past highest.
    return rounded > highest ? highest : static_cast<std::int16_t>(rounded);
}

QString RandomMixOperator(RandomSource& source, const WorksheetState& state) {
    return state.operations[static_cast<std::size_t>(RandomMixRow(source))].symbol;
}

ProblemSet ComposeProblems(WorksheetState& state, RandomSource& source, ComposerHost& host,
                           const ProblemRules& problemRules, RuledDraw draw) {
    ProblemSet set;
    set.cellNumbering = state.showCellNumbers;
    if (!ComposableSettings(state)) {
        return set;
    }
    if (RulesApply(state, problemRules)) {
        return ComposeWithRules(state, source, host, problemRules, draw);
    }
    const int count = state.numberOfProblems;
    host.SetProgressRange(1, count);
    source.Reseed(problemRules, state.pageOptions);
    const OperationEntry& chosen = state.ChosenOperation();
    const Composition composition = CompositionOf(state);
    const PairDrawer drawer(state.lowestNumber, state.highestNumber, MayDivide(state));
    int previousFirst = -1;
    int previousSecond = -1;
    set.problems.resize(static_cast<std::size_t>(count));
    for (int number = 1; number <= count; ++number) {
        state.currentOperator = chosen.isMix ? RandomMixOperator(source, state) : chosen.symbol;
        host.SetProgressValue(number);
        const Sign sign = SignOf(state.currentOperator, state.divideSign);
        PairRules rules = RulesFor(sign, state, host);
        rules.previousFirst = previousFirst;
        rules.previousSecond = previousSecond;
        const DrawnPair pair = drawer.Draw(source, rules);
        previousFirst = pair.first;
        previousSecond = pair.second;
        FillEntry(set.problems[static_cast<std::size_t>(number - 1)], state.currentOperator, sign,
                  pair, composition, number - 1);
    }
    return set;
}

ProblemSet ComposeProblems(WorksheetState& state, RandomSource& source, ComposerHost& host,
                           const ProblemRules& problemRules) {
    const int version = SheetCodeVersionFor(problemRules, state.pageOptions);
    return ComposeProblems(state, source, host, problemRules, RuledDrawOf(version));
}

ProblemSet ComposeProblems(WorksheetState& state, RandomSource& source, ComposerHost& host) {
    return ComposeProblems(state, source, host, state.problemRules);
}

}  // namespace tallyworth
