#include "core/composer.h"

#include "core/pair_drawing.h"
#include "core/rounding.h"
#include "core/rule_drawing.h"
#include "core/settings_limits.h"
#include "core/sheet_code.h"

#include <algorithm>
#include <cstddef>

namespace tallyworth {

namespace {

constexpr int kMixRows = 5;  // "Mix" draws among rows 1 to 4: floor(u * 5), never 0
// After this many draws of row 0 the choice among rows 1 to 4 is made from one more
// fraction; they are equally likely either way, and a source stuck below 0.2 cannot
// hold the composition up.
constexpr int kMixRedraws = 64;

// The operator is told once per problem, then every step works with its row.
OperationRow RowOfSymbol(const QString& text, const QString& divideSign) {
    if (text.size() == 1) {
        switch (text.front().unicode()) {
            case u'+':
                return OperationRow::Add;
            case u'-':
                return OperationRow::Subtract;
            case u'*':
                return OperationRow::Multiply;
            default:
                break;
        }
    }
    return text == divideSign ? OperationRow::Divide : OperationRow::Mix;
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

PairRules RulesFor(OperationRow operation, const WorksheetState& state, const ComposerHost& host) {
    PairRules rules;
    rules.putLargerFirst = operation == OperationRow::Subtract && !host.AllowsNegativeResults();
    rules.needWholeQuotient = operation == OperationRow::Divide;
    rules.acceptEveryDraw = state.showCellNumbers;
    return rules;
}

ProblemSet EmptySetFor(const WorksheetState& state) {
    ProblemSet set;
    set.cellNumbering = state.showCellNumbers;
    set.numbersExchanged = ExchangesNumbers(state);
    return set;
}

Problem ProblemOf(OperationRow operation, const DrawnPair& pair) {
    return {operation, pair.first, pair.second};
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
    ProblemSet set = EmptySetFor(state);
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
    DrawnPair previous{-1, -1};
    set.problems.resize(static_cast<std::size_t>(count));
    for (int number = 1; number <= count; ++number) {
        const int drawnRow = mix ? RandomMixRow(source) : state.operation;
        const OperationRow operation = drawer.ChooseOperation(RowOfNumber(drawnRow), source);
        state.currentOperator = state.operations[static_cast<std::size_t>(operation)].symbol;
        host.SetProgressValue(number);
        previous = drawer.Draw(operation, source, previous.first, previous.second);
        set.problems[static_cast<std::size_t>(number - 1)] = ProblemOf(operation, previous);
    }
    return set;
}

}  // namespace

bool ExchangesNumbers(const WorksheetState& state) {
    const bool lineAndDots =
        state.divisionSymbol.size() == 1 && state.divisionSymbol.front() == kLineAndDotsMarker;
    return state.IsDivisionWorksheet() && lineAndDots;
}

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
    ProblemSet set = EmptySetFor(state);
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
    const PairDrawer drawer(state.lowestNumber, state.highestNumber, MayDivide(state));
    int previousFirst = -1;
    int previousSecond = -1;
    set.problems.resize(static_cast<std::size_t>(count));
    for (int number = 1; number <= count; ++number) {
        state.currentOperator = chosen.isMix ? RandomMixOperator(source, state) : chosen.symbol;
        host.SetProgressValue(number);
        const OperationRow operation = RowOfSymbol(state.currentOperator, state.divideSign);
        PairRules rules = RulesFor(operation, state, host);
        rules.previousFirst = previousFirst;
        rules.previousSecond = previousSecond;
        const DrawnPair pair = drawer.Draw(source, rules);
        previousFirst = pair.first;
        previousSecond = pair.second;
        set.problems[static_cast<std::size_t>(number - 1)] = ProblemOf(operation, pair);
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
