#pragma once

#include "core/random_source.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tallyworth {

// How much of the repeat rule a pair must keep: the first number differs from the
// previous first and the second from the previous second (both halves), at least one
// of the two, or neither.
enum class RepeatRule { BothHalves, EitherHalf, Waived };

// What makes a drawn pair of numbers acceptable for one problem.
struct PairRules {
    // Subtraction without negative results: a smaller first number is exchanged with
    // the second before the pair is checked.
    bool putLargerFirst = false;
    // Division: the second number must divide the first.
    bool needWholeQuotient = false;
    // Cell-numbering mode: every draw is accepted (the exchange still applies).
    bool acceptEveryDraw = false;
    // The repeat rule, against previousFirst and previousSecond.
    RepeatRule repeatRule = RepeatRule::BothHalves;
    int previousFirst = -1;
    int previousSecond = -1;
};

struct DrawnPair {
    std::int16_t first = 0;
    std::int16_t second = 0;
    // Less than the rules asked for only where no pair could keep that much.
    RepeatRule repeatRuleKept = RepeatRule::BothHalves;
};

// Draws pairs of numbers between lowest and highest with RandomInRange, redrawing until
// a pair is acceptable. The result follows exactly the distribution of an unbounded
// redraw loop, but the work per pair is bounded.
class PairDrawer {
  public:
    // Expects 1 <= lowest <= highest. listQuotients prepares the pairs with a whole
    // quotient, from which divisions are drawn; without it divisions are drawn like the
    // other operations, only more slowly.
    PairDrawer(std::int16_t lowest, std::int16_t highest, bool listQuotients = true);

    // Tries plain draws first, as many as working out the odds of every pair would cost.
    // Divisions are drawn from the listed pairs with a whole quotient instead, by their
    // odds, and redrawn only for the repeat rule.
    DrawnPair Draw(RandomSource& source, const PairRules& rules) const;
    // The same with a given number of draws before the odds are worked out.
    DrawnPair Draw(RandomSource& source, const PairRules& rules, int plainDrawBudget) const;

    // Plain draws Draw tries before working out the odds pair by pair.
    [[nodiscard]] int PlainDrawBudget() const { return plainDrawBudget_; }

    // Relative chance of RandomInRange(lowest, highest) giving value, in units of
    // 1 / (2 * highest); 0 outside the range.
    [[nodiscard]] std::int64_t ValueWeight(int value) const;

    // True when some pair satisfies every rule, the repeat rule as far as it is asked for.
    [[nodiscard]] bool AcceptablePairExists(const PairRules& rules) const;

  private:
    struct Pair {
        std::int16_t first = 0;
        std::int16_t second = 0;
    };

    [[nodiscard]] Pair DrawOnce(RandomSource& source, const PairRules& rules) const;
    [[nodiscard]] bool DrawsFromQuotients(const PairRules& rules) const;
    DrawnPair DrawQuotient(RandomSource& source, const PairRules& rules, int budget) const;
    [[nodiscard]] std::int64_t QuotientWeight(std::size_t index) const;
    [[nodiscard]] std::int64_t AcceptableQuotientWeight(const PairRules& rules) const;
    [[nodiscard]] std::int64_t PairWeight(int first, int second, const PairRules& rules) const;
    [[nodiscard]] std::int64_t TotalWeight(const PairRules& rules) const;
    Pair DrawByWeight(RandomSource& source, const PairRules& rules, std::int64_t total) const;

    std::int16_t lowest_;
    std::int16_t highest_;
    int plainDrawBudget_;
    int quotientDrawBudget_ = 0;
    std::vector<std::int64_t> weights_;  // index value - lowest_
    // Every pair whose second number divides the first, with the running total of
    // their weights: quotientTotals_[i] sums the weights of pairs 0 to i.
    std::vector<Pair> quotientPairs_;
    std::vector<std::int64_t> quotientTotals_;
};

// Whether a pair, already exchanged if the rules ask for it, is acceptable.
bool PassesRules(int first, int second, const PairRules& rules);

}  // namespace tallyworth
