#include "core/written_problems.h"

#include "core/written_working.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <map>
#include <mutex>
#include <tuple>
#include <utility>

namespace tallyworth {

namespace {

// Counts of problems past 2^64: four six-digit numbers make about 10^24 sums.
__extension__ using WideCount = unsigned __int128;

constexpr int kTen = 10;
constexpr int kDigitsOfAddend = 6;
// A draw for a fresh problem gives up after this many repeats and takes the repeat.
constexpr int kFreshDraws = 48;
constexpr std::uint64_t kFractionSteps = std::uint64_t{1} << 48U;

QString WrittenText(const char* text) {
    return QCoreApplication::translate("tallyworth::Sections", text);
}

int PowerOfTen(int column) {
    int power = 1;
    for (int place = 0; place < column; ++place) {
        power *= kTen;
    }
    return power;
}

std::uint64_t Span(const NumberRange& range) {
    return static_cast<std::uint64_t>(range.highest - range.lowest) + 1U;
}

bool IsColumnWork(OperationRow operation) {
    return operation == OperationRow::Add || operation == OperationRow::Subtract;
}

std::optional<QString> WrittenRangeFault(const char* field, const NumberRange& range, int most) {
    if (range.lowest < 1 || range.highest < range.lowest || range.highest > most) {
        return WrittenText(QT_TRANSLATE_NOOP("tallyworth::Sections",
                                             "%1: give the lowest and highest number from 1 to "
                                             "%2, the lowest first."))
            .arg(QLatin1String(field))
            .arg(most);
    }
    return std::nullopt;
}

std::optional<QString> WrittenRulesFault(const SheetSection& section, OperationRow operation) {
    const ProblemRules& rules = section.rules;
    if (rules.noTrivial || rules.fixedNumber != 0 || rules.regrouping != Regrouping::Any ||
        section.allowNegative) {
        return WrittenText(QT_TRANSLATE_NOOP(
            "tallyworth::Sections",
            "rules: a written section takes no-repeats and carrying, no other rule."));
    }
    if (section.carrying != Carrying::Any && !IsColumnWork(operation)) {
        return WrittenText(QT_TRANSLATE_NOOP("tallyworth::Sections",
                                             "carrying: only written sums and differences carry."));
    }
    if (section.remainderPercent != 0 && operation != OperationRow::Divide) {
        return WrittenText(QT_TRANSLATE_NOOP(
            "tallyworth::Sections", "remainders: only a written division leaves remainders."));
    }
    return std::nullopt;
}

}  // namespace

// The sums or differences of numbers from their ranges under a carrying rule, counted and
// drawn digit by digit from the ones up: each state holds the column's running sum, how
// each number's digits so far compare with its range's bounds, and the columns carried.
class WrittenDrawer::Columns {
  public:
    Columns(bool subtract, std::vector<NumberRange> ranges, Carrying rule)
        : subtract_(subtract),
          ranges_(std::move(ranges)),
          rule_(rule),
          numbers_(static_cast<int>(ranges_.size())),
          columns_(ColumnsOf(ranges_)),
          sums_(subtract ? 2 * kTen : numbers_ * kTen),
          masks_(1 << (2 * numbers_)),
          regroupStates_(rule == Carrying::Once ? 2 : 1) {
        const int steps = columns_ * numbers_;
        ways_.assign(static_cast<std::size_t>(steps) + 1,
                     std::vector<WideCount>(static_cast<std::size_t>(States()), 0));
        for (int state = 0; state < States(); ++state) {
            ways_.back()[static_cast<std::size_t>(state)] = Ends(Unpack(state)) ? 1 : 0;
        }
        for (int step = steps - 1; step >= 0; --step) {
            FillStep(step);
        }
    }

    [[nodiscard]] WideCount Count() const { return ways_.front()[Pack(Start())]; }

    // Numbers drawn digit by digit, each digit as likely as the ways it leaves open.
    [[nodiscard]] std::vector<int> Draw(RandomSource& source) const {
        std::vector<int> numbers(static_cast<std::size_t>(numbers_), 0);
        State state = Start();
        for (int step = 0; step < columns_ * numbers_; ++step) {
            const auto& next = ways_[static_cast<std::size_t>(step) + 1];
            const auto fraction = static_cast<long double>(RandomBelow(source, kFractionSteps)) /
                                  static_cast<long double>(kFractionSteps);
            auto left = fraction * static_cast<long double>(
                                       ways_[static_cast<std::size_t>(step)][Pack(state)]);
            int chosen = -1;
            for (int digit = 0; digit < kTen; ++digit) {
                const WideCount ways = next[Pack(Next(state, step, digit))];
                if (ways == 0) {
                    continue;
                }
                chosen = digit;
                left -= static_cast<long double>(ways);
                if (left < 0) {
                    break;
                }
            }
            numbers[static_cast<std::size_t>(step % numbers_)] +=
                chosen * PowerOfTen(step / numbers_);
            state = Next(state, step, chosen);
        }
        return numbers;
    }

  private:
    struct State {
        int sum = 0;
        int mask = 0;  // per number: bit 0 below its lowest, bit 1 above its highest
        int regroups = 0;
    };

    static int ColumnsOf(const std::vector<NumberRange>& ranges) {
        int columns = 1;
        for (const NumberRange& range : ranges) {
            columns = std::max(columns, static_cast<int>(QString::number(range.highest).size()));
        }
        return std::min(columns, kDigitsOfAddend);
    }

    [[nodiscard]] int States() const { return sums_ * masks_ * regroupStates_; }
    [[nodiscard]] std::size_t Pack(const State& state) const {
        const int index = (state.regroups * masks_ + state.mask) * sums_ + state.sum;
        return static_cast<std::size_t>(index);
    }
    [[nodiscard]] State Unpack(int index) const {
        return {index % sums_, (index / sums_) % masks_, index / (sums_ * masks_)};
    }
    [[nodiscard]] State Start() const { return {subtract_ ? kTen : 0, 0, 0}; }

    // A difference ends without a borrow, so never below 0.
    [[nodiscard]] bool Ends(const State& state) const {
        return state.mask == 0 && state.regroups < regroupStates_ &&
               (!subtract_ || state.sum == kTen);
    }

    // The state after the step's number takes the digit in the step's column; after the
    // last number the column is carried into the next. A state past the rule has no ways.
    [[nodiscard]] State Next(State state, int step, int digit) const {
        const int number = step % numbers_;
        const int column = step / numbers_;
        const NumberRange& range = ranges_[static_cast<std::size_t>(number)];
        const int low = DigitInColumn(range.lowest, column);
        const int high = DigitInColumn(range.highest, column);
        const int shift = 2 * number;
        int below = (state.mask >> shift) & 1;
        int above = (state.mask >> (shift + 1)) & 1;
        below = digit < low ? 1 : (digit > low ? 0 : below);
        above = digit > high ? 1 : (digit < high ? 0 : above);
        state.mask = (state.mask & ~(3 << shift)) | (below << shift) | (above << (shift + 1));
        state.sum += (subtract_ && number > 0) ? -digit : digit;
        if (number == numbers_ - 1) {
            const bool regrouped = subtract_ ? state.sum < kTen : state.sum >= kTen;
            state.sum = subtract_ ? (regrouped ? kTen - 1 : kTen) : state.sum / kTen;
            state.regroups += regrouped && rule_ != Carrying::Any ? 1 : 0;
        }
        return state;
    }

    void FillStep(int step) {
        auto& here = ways_[static_cast<std::size_t>(step)];
        const auto& next = ways_[static_cast<std::size_t>(step) + 1];
        for (int index = 0; index < States(); ++index) {
            const State state = Unpack(index);
            WideCount ways = 0;
            for (int digit = 0; digit < kTen; ++digit) {
                const State after = Next(state, step, digit);
                if (after.regroups < regroupStates_ && after.sum >= 0 && after.sum < sums_) {
                    ways += next[Pack(after)];
                }
            }
            here[static_cast<std::size_t>(index)] = ways;
        }
    }

    bool subtract_;
    std::vector<NumberRange> ranges_;
    Carrying rule_;
    int numbers_;
    int columns_;
    int sums_;
    int masks_;
    int regroupStates_;
    std::vector<std::vector<WideCount>> ways_;  // from each step's states to the end
};

namespace {

using ColumnsKey = std::tuple<bool, std::vector<std::pair<int, int>>, Carrying>;

// The column tables of the sections drawn lately: a class set draws the same sections
// for every sheet, and a table of four six-digit numbers takes a while to fill.
std::shared_ptr<const WrittenDrawer::Columns> SharedColumns(const SheetSection& section,
                                                            OperationRow operation);

}  // namespace

NumberRange WrittenLimits(OperationRow operation) {
    switch (operation) {
        case OperationRow::Multiply:
            return {kMostWrittenFactor, kMostWrittenSmall};
        case OperationRow::Divide:
            return {kMostWrittenDividend, kMostWrittenSmall};
        case OperationRow::Add:
        case OperationRow::Subtract:
        case OperationRow::Mix:
            break;
    }
    return {kMostWrittenAddend, kMostWrittenAddend};
}

std::optional<OperationRow> WrittenOperation(const SheetSection& section) {
    const std::vector<OperationRow> operations = OperationsOf(section.operations);
    if (operations.size() != 1 || (section.operations & ~kAllOperations) != 0) {
        return std::nullopt;
    }
    return operations.front();
}

int RegroupingColumns(OperationRow operation, const std::vector<int>& numbers) {
    int columns = 0;
    int carry = 0;
    const int widest = *std::max_element(numbers.begin(), numbers.end());
    for (int column = 0; PowerOfTen(column) <= widest; ++column) {
        int sum = operation == OperationRow::Subtract
                      ? DigitInColumn(numbers.front(), column) - carry
                      : carry;
        for (std::size_t index = operation == OperationRow::Subtract ? 1 : 0;
             index < numbers.size(); ++index) {
            const int digit = DigitInColumn(numbers[index], column);
            sum += operation == OperationRow::Subtract ? -digit : digit;
        }
        carry = operation == OperationRow::Subtract ? (sum < 0 ? 1 : 0) : sum / kTen;
        columns += carry > 0 ? 1 : 0;
    }
    return columns;
}

std::optional<QString> WrittenFieldFault(const SheetSection& section) {
    const std::optional<OperationRow> operation = WrittenOperation(section);
    if (!operation) {
        return WrittenText(QT_TRANSLATE_NOOP(
            "tallyworth::Sections", "operation: a written section takes one of +, -, * and /."));
    }
    const NumberRange limits = WrittenLimits(*operation);
    if (auto fault = WrittenRangeFault("first", section.first, limits.lowest)) {
        return fault;
    }
    if (auto fault = WrittenRangeFault("second", section.second, limits.highest)) {
        return fault;
    }
    const int most = *operation == OperationRow::Add ? kMostAddends : kLeastAddends;
    if (section.addends < kLeastAddends || section.addends > most) {
        return WrittenText(QT_TRANSLATE_NOOP("tallyworth::Sections",
                                             "addends: a written sum adds 2 to %1 numbers; the "
                                             "other operations take 2."))
            .arg(kMostAddends);
    }
    return WrittenRulesFault(section, *operation);
}

std::int64_t CountWrittenProblems(const SheetSection& section) {
    const std::optional<OperationRow> operation = WrittenOperation(section);
    if (!operation || WrittenFieldFault(section)) {
        return 0;
    }
    WideCount count = 0;
    if (IsColumnWork(*operation)) {
        count = SharedColumns(section, *operation)->Count();
    } else if (*operation == OperationRow::Multiply) {
        count = WideCount{Span(section.first)} * Span(section.second);
    } else {
        for (int divisor = section.second.lowest; divisor <= section.second.highest; ++divisor) {
            const int lowest = std::max(section.first.lowest, divisor);
            if (lowest > section.first.highest) {
                continue;
            }
            const int multiples = section.first.highest / divisor - (lowest - 1) / divisor;
            const int all = section.first.highest - lowest + 1;
            count += static_cast<WideCount>(section.remainderPercent == 0 ? multiples
                                            : section.remainderPercent >= kHundredPercent
                                                ? all - multiples
                                                : all);
        }
    }
    constexpr auto kMost = static_cast<WideCount>(std::numeric_limits<std::int64_t>::max());
    return static_cast<std::int64_t>(std::min(count, kMost));
}

WrittenDrawer::WrittenDrawer(const SheetSection& section)
    : section_(section), operation_(WrittenOperation(section).value_or(OperationRow::Add)) {
    if (IsColumnWork(operation_) && !WrittenFieldFault(section)) {
        columns_ = SharedColumns(section, operation_);
    }
}

WrittenDrawer::~WrittenDrawer() = default;

bool WrittenDrawer::HasProblems() const {
    return CountWrittenProblems(section_) > 0;
}

Problem WrittenDrawer::Draw(RandomSource& source, bool remainder) {
    Problem problem = DrawOnce(source, remainder);
    const auto isUsed = [this](const Problem& candidate) {
        if (section_.rules.noRepeats) {
            return std::find(drawn_.begin(), drawn_.end(), candidate) != drawn_.end();
        }
        return !drawn_.empty() && drawn_.back() == candidate;
    };
    for (int draw = 1; draw < kFreshDraws && isUsed(problem); ++draw) {
        problem = DrawOnce(source, remainder);
    }
    drawn_.push_back(problem);
    return problem;
}

Problem WrittenDrawer::DrawOnce(RandomSource& source, bool remainder) const {
    Problem problem;
    problem.operation = operation_;
    problem.written = true;
    if (columns_) {
        const std::vector<int> numbers = columns_->Draw(source);
        problem.first = numbers[0];
        problem.second = numbers[1];
        for (std::size_t index = 2; index < numbers.size(); ++index) {
            problem.more[index - 2] = numbers[index];
        }
        return problem;
    }
    if (operation_ == OperationRow::Divide) {
        return DrawDivision(source, remainder);
    }
    problem.first =
        section_.first.lowest + static_cast<int>(RandomBelow(source, Span(section_.first)));
    problem.second =
        section_.second.lowest + static_cast<int>(RandomBelow(source, Span(section_.second)));
    return problem;
}

// A divisor as likely as the dividends it takes, then one of those dividends: so each
// allowed pair equally likely.
Problem WrittenDrawer::DrawDivision(RandomSource& source, bool remainder) const {
    const bool exact = section_.remainderPercent == 0;
    const bool leaves = remainder || section_.remainderPercent >= kHundredPercent;
    const auto weight = [&](int divisor) -> std::uint64_t {
        const int lowest = std::max(section_.first.lowest, divisor);
        if (lowest > section_.first.highest) {
            return 0;
        }
        const int multiples = section_.first.highest / divisor - (lowest - 1) / divisor;
        const int all = section_.first.highest - lowest + 1;
        return static_cast<std::uint64_t>(exact ? multiples : (leaves ? all - multiples : all));
    };
    std::uint64_t total = 0;
    for (int divisor = section_.second.lowest; divisor <= section_.second.highest; ++divisor) {
        total += weight(divisor);
    }
    std::uint64_t nth = RandomBelow(source, std::max<std::uint64_t>(total, 1));
    int divisor = section_.second.lowest;
    while (divisor < section_.second.highest && nth >= weight(divisor)) {
        nth -= weight(divisor++);
    }
    const int lowest = std::max(section_.first.lowest, divisor);
    Problem problem{OperationRow::Divide, lowest, divisor};
    problem.written = true;
    problem.withRemainder = !exact;
    if (exact) {
        problem.first = ((lowest + divisor - 1) / divisor + static_cast<int>(nth)) * divisor;
        return problem;
    }
    const std::uint64_t span = static_cast<std::uint64_t>(section_.first.highest - lowest) + 1U;
    do {
        problem.first = lowest + static_cast<int>(RandomBelow(source, span));
    } while (leaves && problem.first % divisor == 0);
    return problem;
}

namespace {

std::shared_ptr<const WrittenDrawer::Columns> SharedColumns(const SheetSection& section,
                                                            OperationRow operation) {
    std::vector<NumberRange> ranges{section.first};
    const int numbers = operation == OperationRow::Add ? section.addends : kLeastAddends;
    ranges.insert(ranges.end(), static_cast<std::size_t>(numbers - 1), section.second);
    std::vector<std::pair<int, int>> bounds;
    bounds.reserve(ranges.size());
    for (const NumberRange& range : ranges) {
        bounds.emplace_back(range.lowest, range.highest);
    }
    ColumnsKey key{operation == OperationRow::Subtract, bounds, section.carrying};
    static std::mutex guard;
    static std::map<ColumnsKey, std::shared_ptr<const WrittenDrawer::Columns>> tables;
    constexpr std::size_t kKeptTables = 4;
    const std::scoped_lock lock(guard);
    if (const auto found = tables.find(key); found != tables.end()) {
        return found->second;
    }
    if (tables.size() >= kKeptTables) {
        tables.clear();
    }
    auto table =
        std::make_shared<const WrittenDrawer::Columns>(std::get<0>(key), ranges, section.carrying);
    tables.emplace(std::move(key), table);
    return table;
}

}  // namespace

}  // namespace tallyworth
