#pragma once

#include "core/pair_drawing.h"
#include "core/problem_rules.h"
#include "core/random_source.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tallyworth {

// Draws the problems of one sheet under problem rules, in one of two ways (RuledDraw).
// With the redraw loop's odds, each allowed problem comes up with the odds the plain
// redraw loop would give it, restricted to the problems still open, and among those one
// keeping both numbers apart from its neighbour's is preferred, then one keeping either
// apart, then any (the drawn pair tells when its neighbour's rule was waived). Uniformly,
// every open problem is equally likely but the one just drawn: preferring problems apart
// from their neighbour would favour those that have more such neighbours.
// Either way, without repeats a problem already on the sheet is not open until every
// allowed problem has been used; then they all are again. Every allowed problem can come
// up, and every draw ends after a bounded amount of work.
class RuledDrawer {
  public:
    // Lists the allowed problems of every operation the settings' row draws from.
    RuledDrawer(const ProblemSettings& settings, const ProblemRules& rules, RuledDraw draw);

    // False when no problem is allowed at all: nothing can be drawn.
    [[nodiscard]] bool HasProblems() const;

    // The operation of the next problem: the drawn one while it has open problems; else,
    // with one more fraction, one of the operations that have, each equally likely.
    [[nodiscard]] OperationRow ChooseOperation(OperationRow drawn, RandomSource& source);

    // Draws an open problem of the operation chosen by ChooseOperation and, without
    // repeats, marks it used. Expects HasProblems().
    DrawnPair Draw(OperationRow operation, RandomSource& source, int previousFirst,
                   int previousSecond);

  private:
    struct Space {
        std::vector<WeightedPair> pairs;
        // totals[i]: the weights of pairs 0 to i; none for a uniform draw
        std::vector<std::uint32_t> totals;
        std::vector<std::uint8_t> used;
        std::size_t open = 0;
        int drawBudget = 0;
        int fixedSecond = 0;  // the fixed number, shared by every pair; 0 when none
    };

    [[nodiscard]] Space& SpaceOf(OperationRow operation);
    void StartOver();
    [[nodiscard]] static std::size_t IndexOfUnit(const Space& space, std::uint32_t unit);
    // How far a pair of the operation falls short of keeping apart from its neighbour:
    // 0 (fully apart) to 2 (the same numbers).
    [[nodiscard]] int Clashes(OperationRow operation, const WeightedPair& pair, int previousFirst,
                              int previousSecond) const;
    DrawnPair Take(Space& space, std::size_t index, int clashes) const;
    DrawnPair DrawFromOdds(OperationRow operation, RandomSource& source, int previousFirst,
                           int previousSecond);

    std::array<Space, 4> spaces_;  // index: the operation's row - 1
    bool noRepeats_ = false;
    RuledDraw draw_ = RuledDraw::RedrawOdds;
    OperationRow lastOperation_ = OperationRow::Mix;  // Mix before the first draw
};

}  // namespace tallyworth
