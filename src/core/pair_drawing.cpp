#include "core/pair_drawing.h"

#include "core/composer.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace tallyworth {

namespace {

// Two fractions joined give a 48-bit fraction, fine enough that every unit of weight
// gets its due share (a single 24-bit fraction would favour some by up to 1/256).
double WideFraction(RandomSource& source) {
    constexpr double kLowPartScale = 1.0 / 16777216.0;  // 2^-24
    const double high = source.NextFraction();
    const double low = source.NextFraction();
    return high + low * kLowPartScale;
}

// Working out the odds takes a few nanoseconds per pair, about a quarter of a plain
// draw, so the plain draws stop once they have cost about as much. Any budget gives
// the same odds; it only decides how quickly an unlikely pair is found.
int BudgetForValues(int values) {
    constexpr int kFewestDraws = 8;
    constexpr int kMostDraws = 1024;
    return std::clamp(values * values / 4, kFewestDraws, kMostDraws);
}

// A draw from the quotient list costs about as much as summing a dozen of its weights.
int BudgetForQuotients(std::size_t pairs) {
    constexpr int kFewestDraws = 4;
    constexpr int kMostDraws = 64;
    constexpr std::size_t kPairsPerDraw = 12;
    return std::clamp(static_cast<int>(pairs / kPairsPerDraw), kFewestDraws, kMostDraws);
}

// A unit of weight in 0..total - 1, each equally likely to within 2^-48.
std::int64_t WeightUnit(RandomSource& source, std::int64_t total) {
    const auto scaled =
        static_cast<std::int64_t>(WideFraction(source) * static_cast<double>(total));
    return std::clamp<std::int64_t>(scaled, 0, std::max<std::int64_t>(total - 1, 0));
}

RepeatRule Loosened(RepeatRule rule) {
    return rule == RepeatRule::BothHalves ? RepeatRule::EitherHalf : RepeatRule::Waived;
}

// With only two numbers the repeat rule can rule out every pair: after 6 - 5 with
// lowest 5 and highest 6, a subtraction would need a first number other than 6, a
// second other than 5 and the first not below the second. Redrawing would never end,
// so the rule is loosened only as far as some pair can keep it: that one problem may
// share one number with its neighbour (5 - 5 or 6 - 6), but not both. Among the pairs
// left, the odds are those of a redraw loop that asks no more than that.
template <typename Weigh>
std::pair<PairRules, std::int64_t> LoosenedAsNeeded(PairRules rules, const Weigh& weigh) {
    std::int64_t total = weigh(rules);
    while (total == 0 && rules.repeatRule != RepeatRule::Waived) {
        rules.repeatRule = Loosened(rules.repeatRule);
        total = weigh(rules);
    }
    return {rules, total};
}

bool KeepsRepeatRule(int first, int second, const PairRules& rules) {
    const bool newFirst = first != rules.previousFirst;
    const bool newSecond = second != rules.previousSecond;
    switch (rules.repeatRule) {
        case RepeatRule::BothHalves:
            return newFirst && newSecond;
        case RepeatRule::EitherHalf:
            return newFirst || newSecond;
        case RepeatRule::Waived:
            break;
    }
    return true;
}

}  // namespace

bool PassesRules(int first, int second, const PairRules& rules) {
    if (rules.putLargerFirst && first < second) {
        return false;  // never the outcome of the exchange
    }
    if (rules.acceptEveryDraw) {
        return true;
    }
    if (rules.needWholeQuotient && (second == 0 || first % second != 0)) {
        return false;
    }
    return KeepsRepeatRule(first, second, rules);
}

PairDrawer::PairDrawer(std::int16_t lowest, std::int16_t highest, bool listQuotients)
    : lowest_(lowest),
      highest_(highest),
      plainDrawBudget_(BudgetForValues(highest - lowest + 1)),
      weights_(static_cast<std::size_t>(std::max(highest - lowest + 1, 1)), 0) {
    // u * highest rounds to 0 for u < 1/(2 highest), to highest for the last
    // 1/(2 highest), and to each value between for 1/highest; values below lowest
    // become lowest.
    for (int rounded = 0; rounded <= highest_; ++rounded) {
        const int value = std::max(rounded, static_cast<int>(lowest_));
        const bool halfStep = rounded == 0 || rounded == highest_;
        weights_[static_cast<std::size_t>(value - lowest_)] += halfStep ? 1 : 2;
    }
    if (!listQuotients || lowest_ < 1) {
        return;
    }
    // Divisors first, then their multiples: a few hundred pairs even for 1..99, where
    // only about one plain draw in twenty divides.
    std::int64_t total = 0;
    for (int second = lowest_; second <= highest_; ++second) {
        const int firstMultiple = (lowest_ + second - 1) / second * second;
        for (int first = firstMultiple; first <= highest_; first += second) {
            total += ValueWeight(first) * ValueWeight(second);
            quotientPairs_.push_back(
                {static_cast<std::int16_t>(first), static_cast<std::int16_t>(second)});
            quotientTotals_.push_back(total);
        }
    }
    quotientDrawBudget_ = BudgetForQuotients(quotientPairs_.size());
}

std::int64_t PairDrawer::ValueWeight(int value) const {
    if (value < lowest_ || value > highest_) {
        return 0;
    }
    return weights_[static_cast<std::size_t>(value - lowest_)];
}

DrawnPair PairDrawer::Draw(RandomSource& source, const PairRules& rules) const {
    return Draw(source, rules, DrawsFromQuotients(rules) ? quotientDrawBudget_ : plainDrawBudget_);
}

DrawnPair PairDrawer::Draw(RandomSource& source, const PairRules& rules,
                           int plainDrawBudget) const {
    if (DrawsFromQuotients(rules)) {
        return DrawQuotient(source, rules, plainDrawBudget);
    }
    for (int attempt = 0; attempt < plainDrawBudget; ++attempt) {
        const Pair pair = DrawOnce(source, rules);
        if (PassesRules(pair.first, pair.second, rules)) {
            return {pair.first, pair.second, rules.repeatRule};
        }
    }
    // Redraws are independent, so after any number of failures the loop would still
    // end on each acceptable pair with the same odds: draw from those odds directly.
    const auto [applied, total] =
        LoosenedAsNeeded(rules, [this](const PairRules& tried) { return TotalWeight(tried); });
    const Pair pair = DrawByWeight(source, applied, total);
    return {pair.first, pair.second, applied.repeatRule};
}

bool PairDrawer::AcceptablePairExists(const PairRules& rules) const {
    return TotalWeight(rules) > 0;
}

bool PairDrawer::DrawsFromQuotients(const PairRules& rules) const {
    return rules.needWholeQuotient && !rules.acceptEveryDraw && !rules.putLargerFirst &&
           !quotientPairs_.empty();
}

std::int64_t PairDrawer::QuotientWeight(std::size_t index) const {
    return quotientTotals_[index] - (index == 0 ? 0 : quotientTotals_[index - 1]);
}

// The plain loop ends on a pair that divides and keeps the repeat rule, with odds in
// proportion to its weight. Drawing from the dividing pairs by weight and redrawing
// only for the repeat rule ends on each such pair with exactly those odds.
DrawnPair PairDrawer::DrawQuotient(RandomSource& source, const PairRules& rules, int budget) const {
    for (int attempt = 0; attempt < budget; ++attempt) {
        const std::int64_t unit = WeightUnit(source, quotientTotals_.back());
        const auto found = std::upper_bound(quotientTotals_.begin(), quotientTotals_.end(), unit);
        const Pair pair = quotientPairs_[static_cast<std::size_t>(found - quotientTotals_.begin())];
        if (PassesRules(pair.first, pair.second, rules)) {
            return {pair.first, pair.second, rules.repeatRule};
        }
    }
    // Where no dividing pair keeps the repeat rule, it is loosened as in Draw.
    const auto [applied, total] = LoosenedAsNeeded(
        rules, [this](const PairRules& tried) { return AcceptableQuotientWeight(tried); });
    std::int64_t unit = WeightUnit(source, total);
    Pair chosen = quotientPairs_.front();
    for (std::size_t index = 0; index < quotientPairs_.size(); ++index) {
        if (!PassesRules(quotientPairs_[index].first, quotientPairs_[index].second, applied)) {
            continue;
        }
        chosen = quotientPairs_[index];
        const std::int64_t weight = QuotientWeight(index);
        if (unit < weight) {
            break;
        }
        unit -= weight;
    }
    return {chosen.first, chosen.second, applied.repeatRule};
}

std::int64_t PairDrawer::AcceptableQuotientWeight(const PairRules& rules) const {
    std::int64_t acceptable = 0;
    for (std::size_t index = 0; index < quotientPairs_.size(); ++index) {
        const Pair pair = quotientPairs_[index];
        if (PassesRules(pair.first, pair.second, rules)) {
            acceptable += QuotientWeight(index);
        }
    }
    return acceptable;
}

PairDrawer::Pair PairDrawer::DrawOnce(RandomSource& source, const PairRules& rules) const {
    std::int16_t first = RandomInRange(source, lowest_, highest_);
    std::int16_t second = RandomInRange(source, lowest_, highest_);
    if (rules.putLargerFirst && first < second) {
        std::swap(first, second);
    }
    return {first, second};
}

std::int64_t PairDrawer::PairWeight(int first, int second, const PairRules& rules) const {
    if (!PassesRules(first, second, rules)) {
        return 0;
    }
    const std::int64_t weight = ValueWeight(first) * ValueWeight(second);
    // Both orders of two different numbers end as this pair after the exchange.
    const bool reachedTwice = rules.putLargerFirst && first > second;
    return reachedTwice ? 2 * weight : weight;
}

std::int64_t PairDrawer::TotalWeight(const PairRules& rules) const {
    std::int64_t total = 0;
    for (int first = lowest_; first <= highest_; ++first) {
        for (int second = lowest_; second <= highest_; ++second) {
            total += PairWeight(first, second, rules);
        }
    }
    return total;
}

PairDrawer::Pair PairDrawer::DrawByWeight(RandomSource& source, const PairRules& rules,
                                          std::int64_t total) const {
    std::int64_t target = WeightUnit(source, total);
    Pair last{lowest_, lowest_};
    for (int first = lowest_; first <= highest_; ++first) {
        for (int second = lowest_; second <= highest_; ++second) {
            const std::int64_t weight = PairWeight(first, second, rules);
            if (weight == 0) {
                continue;
            }
            last = {static_cast<std::int16_t>(first), static_cast<std::int16_t>(second)};
            if (target < weight) {
                return last;
            }
            target -= weight;
        }
    }
    return last;
}

}  // namespace tallyworth
