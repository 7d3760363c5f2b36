#include "core/composer.h"
#include "core/operations.h"
#include "core/problem_rules.h"
#include "core/random_source.h"
#include "core/sheet_composer.h"
#include "core/worksheet_state.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace tallyworth {
namespace {

class QuietHost final : public ComposerHost {
  public:
    explicit QuietHost(bool allowNegative) : allowNegative_(allowNegative) {}
    void SetProgressRange(int /*minimum*/, int /*maximum*/) override {}
    void SetProgressValue(int /*value*/) override {}
    [[nodiscard]] bool AllowsNegativeResults() const override { return allowNegative_; }

  private:
    bool allowNegative_;
};

class IgnoredList final : public OperationList {
  public:
    void AppendOperation(const QString& /*symbol*/) override {}
};

// The start-up state with an operation and a range, asking for 100 problems.
WorksheetState HundredProblems(OperationRow row, std::int16_t lowest, std::int16_t highest) {
    WorksheetState state;
    IgnoredList list;
    InitGlobals(state, list);
    state.operation = RowNumber(row);
    state.lowestNumber = lowest;
    state.highestNumber = highest;
    state.numberOfProblems = 100;
    return state;
}

// Composes a 100-problem worksheet per iteration.
void Compose(benchmark::State& run, OperationRow row, std::int16_t lowest, std::int16_t highest,
             bool allowNegative) {
    WorksheetState state = HundredProblems(row, lowest, highest);
    ClockSeededRandomSource source;
    QuietHost host(allowNegative);
    while (run.KeepRunning()) {
        ProblemSet set = ComposeProblems(state, source, host);
        benchmark::DoNotOptimize(set);
    }
}

// Brings back a two-page division worksheet from its code per iteration.
void ComposeFromCode(benchmark::State& run) {
    const SheetCode code{{OperationRow::Divide, 1, 99, 100, false, false}, 0x5EED};
    while (run.KeepRunning()) {
        ProblemSet set = ComposeSheet(code);
        benchmark::DoNotOptimize(set);
    }
}

constexpr OperationRow kPlus = OperationRow::Add;
constexpr OperationRow kMinus = OperationRow::Subtract;
constexpr OperationRow kTimes = OperationRow::Multiply;
constexpr OperationRow kDivide = OperationRow::Divide;
constexpr OperationRow kMix = OperationRow::Mix;

BENCHMARK_CAPTURE(Compose, Plus_1_9, kPlus, 1, 9, false);
BENCHMARK_CAPTURE(Compose, Minus_1_9, kMinus, 1, 9, false);
BENCHMARK_CAPTURE(Compose, Times_1_9, kTimes, 1, 9, false);
BENCHMARK_CAPTURE(Compose, Divide_1_9, kDivide, 1, 9, false);
BENCHMARK_CAPTURE(Compose, Mix_1_9, kMix, 1, 9, false);
BENCHMARK_CAPTURE(Compose, Plus_1_99, kPlus, 1, 99, false);
BENCHMARK_CAPTURE(Compose, Minus_1_99, kMinus, 1, 99, false);
BENCHMARK_CAPTURE(Compose, Times_1_99, kTimes, 1, 99, false);
BENCHMARK_CAPTURE(Compose, Divide_1_99, kDivide, 1, 99, false);
BENCHMARK_CAPTURE(Compose, Mix_1_99, kMix, 1, 99, false);
BENCHMARK_CAPTURE(Compose, Worst_Minus_98_99, kMinus, 98, 99, false);
BENCHMARK_CAPTURE(Compose, Worst_Divide_98_99, kDivide, 98, 99, false);
BENCHMARK_CAPTURE(Compose, Worst_Mix_98_99, kMix, 98, 99, false);
BENCHMARK_CAPTURE(Compose, Worst_Divide_1_2, kDivide, 1, 2, false);
BENCHMARK(ComposeFromCode);

// Composes a 100-problem worksheet per iteration under problem rules.
void ComposeRuled(benchmark::State& run, OperationRow row, std::int16_t lowest,
                  std::int16_t highest, const ProblemRules& rules) {
    WorksheetState state = HundredProblems(row, lowest, highest);
    ClockSeededRandomSource source;
    QuietHost host(false);
    while (run.KeepRunning()) {
        ProblemSet set = ComposeProblems(state, source, host, rules);
        benchmark::DoNotOptimize(set);
    }
}

constexpr ProblemRules kEveryRule{true, 7, Regrouping::Always, true};
constexpr ProblemRules kEveryRuleNever{true, 7, Regrouping::Never, true};
constexpr ProblemRules kEveryRuleButFixed{true, 0, Regrouping::Always, true};

BENCHMARK_CAPTURE(ComposeRuled, Plus_1_99, kPlus, 1, 99, kEveryRule);
BENCHMARK_CAPTURE(ComposeRuled, Minus_1_99, kMinus, 1, 99, kEveryRule);
BENCHMARK_CAPTURE(ComposeRuled, Times_1_99, kTimes, 1, 99, kEveryRule);
BENCHMARK_CAPTURE(ComposeRuled, Divide_1_99, kDivide, 1, 99, kEveryRule);
BENCHMARK_CAPTURE(ComposeRuled, Mix_1_99, kMix, 1, 99, kEveryRule);
BENCHMARK_CAPTURE(ComposeRuled, Mix_1_99_Never, kMix, 1, 99, kEveryRuleNever);
// The narrowest ranges with a problem left: 3 + 7 and 4 + 7, 10 - 7 and 11 - 7, 2 * 7, 14 / 7;
// "Mix" on 1..2 has only 2 * 7, so every problem repeats.
BENCHMARK_CAPTURE(ComposeRuled, Narrowest_Plus_3_4, kPlus, 3, 4, kEveryRule);
BENCHMARK_CAPTURE(ComposeRuled, Narrowest_Minus_10_11, kMinus, 10, 11, kEveryRule);
BENCHMARK_CAPTURE(ComposeRuled, Narrowest_Times_1_2, kTimes, 1, 2, kEveryRule);
BENCHMARK_CAPTURE(ComposeRuled, Narrowest_Divide_13_14, kDivide, 13, 14, kEveryRule);
BENCHMARK_CAPTURE(ComposeRuled, Narrowest_Mix_1_2, kMix, 1, 2, kEveryRule);
// Without a fixed number every pair of the range is listed first.
BENCHMARK_CAPTURE(ComposeRuled, NotFixed_Plus_1_99, kPlus, 1, 99, kEveryRuleButFixed);
BENCHMARK_CAPTURE(ComposeRuled, NotFixed_Mix_1_99, kMix, 1, 99, kEveryRuleButFixed);

// The exact count shown beside the rules.
void CountProblems(benchmark::State& run, OperationRow row, int lowest, int highest,
                   bool allowNegative, const ProblemRules& rules) {
    const ProblemSettings settings{row, lowest, highest, allowNegative};
    while (run.KeepRunning()) {
        benchmark::DoNotOptimize(CountDistinctProblems(settings, rules));
    }
}

constexpr ProblemRules kNoTrivialAlways{true, 0, Regrouping::Always, false};

BENCHMARK_CAPTURE(CountProblems, Plus_1_9, kPlus, 1, 9, false, kEveryRule);
BENCHMARK_CAPTURE(CountProblems, Mix_1_99_EveryRule, kMix, 1, 99, false, kEveryRule);
BENCHMARK_CAPTURE(CountProblems, Mix_1_99_NoTrivial, kMix, 1, 99, true,
                  ProblemRules{true, 0, Regrouping::Any, false});
BENCHMARK_CAPTURE(CountProblems, Mix_1_99_NoTrivialAlways, kMix, 1, 99, true, kNoTrivialAlways);

}  // namespace
}  // namespace tallyworth
