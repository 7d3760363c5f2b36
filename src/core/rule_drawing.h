#pragma once

#include "core/pair_drawing.h"
#include "core/problem_rules.h"
#include "core/random_source.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tallyworth {

// Draws the problems of one sheet under problem rules. Each allowed problem comes up with
// the odds the plain redraw loop would give it, restricted to the problems still open:
//  - without repeats, a problem already on the sheet is not open until every allowed
//    problem has been used; then they all are again;
//  - among the open problems, one keeping both numbers apart from its neighbour's is
//    preferred, then one keeping either apart, then any (the drawn pair tells when its
//    neighbour's rule was waived).
// Every allowed problem can come up, and every draw ends after a bounded amount of work.
class RuledDrawer {
  public:
    // Lists the allowed problems of every operation the settings' row draws from.
    RuledDrawer(const ProblemSettings& settings, const ProblemRules& rules);

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
        std::vector<std::uint32_t> totals;  // totals[i]: the weights of pairs 0 to i
        std::vector<std::uint8_t> used;
        std::size_t open = 0;
        int drawBudget = 0;
        int fixedSecond = 0;  // the fixed number, shared by every pair; 0 when none
    };

    [[nodiscard]] Space& SpaceOf(OperationRow operation);
    void StartOver();
    [[nodiscard]] static std::size_t IndexOfUnit(const Space& space, std::uint32_t unit);
    // clashes: how many numbers the pair shares with its neighbour (0 to 2).
    DrawnPair Take(Space& space, std::size_t index, int clashes) const;
    DrawnPair DrawFromOdds(Space& space, RandomSource& source, int previousFirst,
                           int previousSecond) const;

    std::array<Space, 4> spaces_;  // index: the operation's row - 1
    bool noRepeats_ = false;
};

}  // namespace tallyworth
