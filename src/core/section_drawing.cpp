#include "core/section_drawing.h"

#include "core/written_problems.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <optional>
#include <utility>

namespace tallyworth {

namespace {

// The allowed problems of one operation of a section, and which of them are used. A pool
// is listed only when it must be: without the no-repeats rule problems are drawn from the
// section's grid, each allowed one equally likely, and the list waits for a grid so sparse
// that a few draws find nothing.
struct Pool {
    OperationRow operation = OperationRow::Add;
    bool listed = false;
    std::vector<Problem> problems;
    std::vector<std::uint8_t> used;
    std::size_t open = 0;
};

// What a draw may take: open problems only, and one leaving a remainder where asked.
struct Wanted {
    bool remainder = false;
    bool openOnly = true;
    const Problem* previous = nullptr;
};

bool Wants(const Wanted& wanted, const Problem& problem) {
    return (!wanted.remainder || RemainderOf(problem) != 0) &&
           (wanted.previous == nullptr || !(problem == *wanted.previous));
}

bool Takes(const Pool& pool, std::size_t index, const Wanted& wanted) {
    return (!wanted.openOnly || pool.used[index] == 0U) && Wants(wanted, pool.problems[index]);
}

std::size_t CountTaken(const Pool& pool, const Wanted& wanted) {
    std::size_t count = 0;
    for (std::size_t index = 0; index < pool.problems.size(); ++index) {
        count += Takes(pool, index, wanted) ? 1U : 0U;
    }
    return count;
}

// Draws from the grid before listing: a grid of few allowed problems is listed soon.
constexpr int kGridDraws = 48;

class SectionDrawer {
  public:
    explicit SectionDrawer(const SheetSection& section)
        : section_(section),
          second_(SecondRangeOf(section)),
          places_(BlankPlacesOf(section)),
          noRepeats_(section.rules.noRepeats) {
        for (const OperationRow operation : SectionOperations(section)) {
            Pool pool;
            pool.operation = operation;
            if (noRepeats_) {
                List(pool);
            }
            if (pool.listed ? !pool.problems.empty() : GridHasProblem(operation)) {
                pools_.push_back(std::move(pool));
            }
        }
    }

    [[nodiscard]] bool HasProblems() const { return !pools_.empty(); }

    Problem Draw(RandomSource& source, bool remainder) {
        Pool& pool = ChoosePool(source);
        Wanted wanted{remainder, true, previous_ ? &*previous_ : nullptr};
        if (!pool.listed) {
            if (const std::optional<Problem> drawn = DrawFromGrid(pool.operation, wanted, source)) {
                previous_ = *drawn;
                return *drawn;
            }
            List(pool);
        }
        // Each wish is given up in turn while no problem keeps it: an open problem first, so
        // that a share of remainders outlasting the open ones still avoids the neighbour;
        // with all given up every problem of the pool is taken.
        std::size_t count = CountTaken(pool, wanted);
        for (int step = 0; count == 0; ++step) {
            GiveUp(wanted, step);
            count = CountTaken(pool, wanted);
        }
        return Take(pool, wanted, RandomBelow(source, count));
    }

  private:
    static void GiveUp(Wanted& wanted, int step) {
        switch (step) {
            case 0:
                wanted.openOnly = false;
                break;
            case 1:
                wanted.previous = nullptr;
                break;
            default:
                wanted.remainder = false;
                break;
        }
    }

    void List(Pool& pool) const {
        pool.problems = AllowedSectionProblems(section_, pool.operation);
        pool.used.assign(pool.problems.size(), 0U);
        pool.open = pool.problems.size();
        pool.listed = true;
    }

    [[nodiscard]] bool GridHasProblem(OperationRow operation) const {
        for (int second = second_.lowest; second <= second_.highest; ++second) {
            for (int first = section_.first.lowest; first <= section_.first.highest; ++first) {
                for (const BlankPlace place : places_) {
                    if (SectionAllows(section_, SectionProblemAt(section_, operation, first, second,
                                                                 place))) {
                        return true;
                    }
                }
            }
        }
        return false;
    }

    // A draw from the grid, each place equally likely, kept when allowed and wanted: so each
    // allowed and wanted problem is equally likely. Nothing after kGridDraws misses.
    std::optional<Problem> DrawFromGrid(OperationRow operation, const Wanted& wanted,
                                        RandomSource& source) const {
        const auto span = [](const NumberRange& range) {
            return static_cast<std::uint64_t>(range.highest) + 1U -
                   static_cast<std::uint64_t>(range.lowest);
        };
        for (int draw = 0; draw < kGridDraws; ++draw) {
            const auto first =
                section_.first.lowest + static_cast<int>(RandomBelow(source, span(section_.first)));
            const auto second =
                second_.lowest + static_cast<int>(RandomBelow(source, span(second_)));
            const BlankPlace place = places_.size() == 1
                                         ? places_.front()
                                         : places_[RandomBelow(source, places_.size())];
            const Problem problem = SectionProblemAt(section_, operation, first, second, place);
            if (SectionAllows(section_, problem) && Wants(wanted, problem)) {
                return problem;
            }
        }
        return std::nullopt;
    }

    // Among the operations with open problems, each equally likely; all are open again
    // once none is. A pool not listed never runs out.
    Pool& ChoosePool(RandomSource& source) {
        const auto isOpen = [](const Pool& pool) { return !pool.listed || pool.open > 0; };
        if (std::none_of(pools_.begin(), pools_.end(), isOpen)) {
            for (Pool& pool : pools_) {
                std::fill(pool.used.begin(), pool.used.end(), 0U);
                pool.open = pool.problems.size();
            }
        }
        std::vector<Pool*> open;
        for (Pool& pool : pools_) {
            if (isOpen(pool)) {
                open.push_back(&pool);
            }
        }
        return open.size() == 1 ? *open.front() : *open[RandomBelow(source, open.size())];
    }

    Problem Take(Pool& pool, const Wanted& wanted, std::uint64_t nth) {
        std::size_t index = 0;
        for (; index < pool.problems.size(); ++index) {
            if (Takes(pool, index, wanted) && nth-- == 0) {
                break;
            }
        }
        if (noRepeats_ && pool.used[index] == 0U) {
            pool.used[index] = 1U;
            --pool.open;
        }
        previous_ = pool.problems[index];
        return pool.problems[index];
    }

    const SheetSection& section_;
    NumberRange second_;
    std::vector<BlankPlace> places_;
    std::vector<Pool> pools_;
    bool noRepeats_ = false;
    std::optional<Problem> previous_;
};

// Which of the section's places must leave a remainder: the share asked for, rounded up,
// at places drawn at random.
std::vector<bool> RemainderPlaces(const SheetSection& section, RandomSource& source) {
    const auto count = static_cast<std::size_t>(section.count);
    std::vector<bool> places(count, false);
    const bool shares =
        section.kind == SectionKind::Remainder ||
        (section.kind == SectionKind::Written && WrittenOperation(section) == OperationRow::Divide);
    if (!shares || section.remainderPercent <= 0) {
        return places;
    }
    const auto needed = static_cast<std::size_t>(
        (section.remainderPercent * section.count + kHundredPercent - 1) / kHundredPercent);
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    for (std::size_t taken = 0; taken < needed; ++taken) {
        const auto pick = taken + RandomBelow(source, count - taken);
        std::swap(order[taken], order[pick]);
        places[order[taken]] = true;
    }
    return places;
}

}  // namespace

ProblemSet ComposeSections(const std::vector<SheetSection>& sections, RandomSource& source) {
    ProblemSet set;
    for (const SheetSection& section : sections) {
        if (section.kind == SectionKind::Written) {
            WrittenDrawer drawer(section);
            if (!drawer.HasProblems()) {
                return {};
            }
            for (const bool remainder : RemainderPlaces(section, source)) {
                set.problems.push_back(drawer.Draw(source, remainder));
            }
            continue;
        }
        SectionDrawer drawer(section);
        if (!drawer.HasProblems()) {
            return {};
        }
        const std::vector<bool> remainders = RemainderPlaces(section, source);
        for (const bool remainder : remainders) {
            set.problems.push_back(drawer.Draw(source, remainder));
        }
    }
    return set;
}

}  // namespace tallyworth
