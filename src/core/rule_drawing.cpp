#include "core/rule_drawing.h"

#include <algorithm>
#include <cstddef>

namespace tallyworth {

namespace {

constexpr std::size_t kOperations = 4;

// A draw from the list costs about as much as looking at sixteen pairs one by one, so
// the draws stop once they have cost about as much as working out the odds would.
int BudgetFor(std::size_t pairs) {
    constexpr int kFewestDraws = 2;
    constexpr int kMostDraws = 64;
    constexpr std::size_t kPairsPerDraw = 16;
    return static_cast<int>(
        std::clamp<std::size_t>(pairs / kPairsPerDraw, kFewestDraws, kMostDraws));
}

// 0: both numbers differ from the neighbour's; 1: one of them does; 2: neither.
int NeighbourClashes(const WeightedPair& pair, int previousFirst, int previousSecond) {
    return (pair.first == previousFirst ? 1 : 0) + (pair.second == previousSecond ? 1 : 0);
}

}  // namespace

RuledDrawer::RuledDrawer(const ProblemSettings& settings, const ProblemRules& rules, RuledDraw draw)
    : noRepeats_(rules.noRepeats), draw_(draw) {
    for (const OperationRow operation : OperationsOfRow(settings.operationRow)) {
        Space& space = SpaceOf(operation);
        space.pairs = AllowedPairs(operation, settings, rules);
        if (draw == RuledDraw::Uniform) {
            // Every pair weighs 1, so a unit of weight is its pair's index: no totals.
            for (WeightedPair& pair : space.pairs) {
                pair.weight = 1;
            }
        } else {
            std::uint32_t total = 0;
            space.totals.reserve(space.pairs.size());
            for (const WeightedPair& pair : space.pairs) {
                total += pair.weight;
                space.totals.push_back(total);
            }
        }
        space.used.assign(space.pairs.size(), 0);
        space.open = space.pairs.size();
        space.drawBudget = BudgetFor(space.pairs.size());
        space.fixedSecond = rules.fixedNumber;
    }
}

bool RuledDrawer::HasProblems() const {
    return std::any_of(spaces_.begin(), spaces_.end(),
                       [](const Space& space) { return !space.pairs.empty(); });
}

OperationRow RuledDrawer::ChooseOperation(OperationRow drawn, RandomSource& source) {
    const auto isOpen = [](const Space& space) { return space.open > 0; };
    if (std::none_of(spaces_.begin(), spaces_.end(), isOpen)) {
        StartOver();
    }
    if (SpaceOf(drawn).open > 0) {
        return drawn;
    }
    std::array<OperationRow, kOperations> candidates{};
    std::size_t count = 0;
    for (std::size_t index = 0; index < kOperations; ++index) {
        if (isOpen(spaces_[index])) {
            candidates[count++] = RowOfNumber(static_cast<int>(index) + 1);
        }
    }
    if (count == 0) {
        return drawn;  // no problem at all: Draw is not to be called
    }
    const auto pick = static_cast<std::size_t>(static_cast<double>(source.NextFraction()) *
                                               static_cast<double>(count));
    return candidates[std::min(pick, count - 1)];
}

DrawnPair RuledDrawer::Draw(OperationRow operation, RandomSource& source, int previousFirst,
                            int previousSecond) {
    Space& space = SpaceOf(operation);
    if (space.pairs.empty()) {
        return {0, 0, RepeatRule::Waived};
    }
    if (space.open == 0) {
        StartOver();  // only when ChooseOperation was passed by
    }
    // A fixed number is every problem's second, so it always meets the neighbour's.
    const bool fixedMeets = draw_ == RuledDraw::RedrawOdds && space.fixedSecond != 0 &&
                            space.fixedSecond == previousSecond;
    const int unavoidable = fixedMeets ? 1 : 0;
    // Independent redraws end on each acceptable pair with odds in proportion to its
    // weight, as the plain loop does; DrawFromOdds gives the same odds directly.
    DrawnPair drawn{};
    bool found = false;
    for (int attempt = 0; attempt < space.drawBudget && !found; ++attempt) {
        const std::uint64_t total =
            space.totals.empty() ? space.pairs.size() : std::uint64_t{space.totals.back()};
        const auto unit = static_cast<std::uint32_t>(RandomBelow(source, total));
        const std::size_t index = IndexOfUnit(space, unit);
        found = space.used[index] == 0 && Clashes(operation, space.pairs[index], previousFirst,
                                                  previousSecond) == unavoidable;
        if (found) {
            drawn = Take(space, index, unavoidable);
        }
    }
    if (!found) {
        drawn = DrawFromOdds(operation, source, previousFirst, previousSecond);
    }
    lastOperation_ = operation;
    return drawn;
}

RuledDrawer::Space& RuledDrawer::SpaceOf(OperationRow operation) {
    return spaces_[static_cast<std::size_t>(operation) - 1];
}

void RuledDrawer::StartOver() {
    for (Space& space : spaces_) {
        std::fill(space.used.begin(), space.used.end(), std::uint8_t{0});
        space.open = space.pairs.size();
    }
}

std::size_t RuledDrawer::IndexOfUnit(const Space& space, std::uint32_t unit) {
    if (space.totals.empty()) {
        return unit;  // a uniform draw's
    }
    const auto found = std::upper_bound(space.totals.begin(), space.totals.end(), unit);
    return static_cast<std::size_t>(found - space.totals.begin());
}

DrawnPair RuledDrawer::Take(Space& space, std::size_t index, int clashes) const {
    if (noRepeats_) {
        space.used[index] = 1;
        --space.open;
    }
    const WeightedPair& pair = space.pairs[index];
    constexpr std::array<RepeatRule, 3> kKept = {RepeatRule::BothHalves, RepeatRule::EitherHalf,
                                                 RepeatRule::Waived};
    return {pair.first, pair.second, kKept[static_cast<std::size_t>(clashes)]};
}

int RuledDrawer::Clashes(OperationRow operation, const WeightedPair& pair, int previousFirst,
                         int previousSecond) const {
    if (draw_ == RuledDraw::RedrawOdds) {
        return NeighbourClashes(pair, previousFirst, previousSecond);
    }
    const bool twin =
        operation == lastOperation_ && pair.first == previousFirst && pair.second == previousSecond;
    return twin ? 2 : 0;
}

// Among the open pairs, those with the fewest clashes with the neighbour, by their odds.
DrawnPair RuledDrawer::DrawFromOdds(OperationRow operation, RandomSource& source, int previousFirst,
                                    int previousSecond) {
    Space& space = SpaceOf(operation);
    std::array<std::uint64_t, 3> byClashes{};
    for (std::size_t index = 0; index < space.pairs.size(); ++index) {
        if (space.used[index] == 0) {
            const WeightedPair& pair = space.pairs[index];
            byClashes[static_cast<std::size_t>(
                Clashes(operation, pair, previousFirst, previousSecond))] += pair.weight;
        }
    }
    const int fewest = byClashes[0] > 0 ? 0 : (byClashes[1] > 0 ? 1 : 2);
    std::uint64_t unit = RandomBelow(source, byClashes[static_cast<std::size_t>(fewest)]);
    std::size_t chosen = 0;
    for (std::size_t index = 0; index < space.pairs.size(); ++index) {
        const WeightedPair& pair = space.pairs[index];
        if (space.used[index] != 0 ||
            Clashes(operation, pair, previousFirst, previousSecond) != fewest) {
            continue;
        }
        chosen = index;
        if (unit < pair.weight) {
            break;
        }
        unit -= pair.weight;
    }
    return Take(space, chosen, fewest);
}

}  // namespace tallyworth
