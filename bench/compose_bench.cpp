#include "core/composer.h"
#include "core/operations.h"
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

// Composes a 100-problem worksheet per iteration.
void Compose(benchmark::State& run, OperationRow row, std::int16_t lowest, std::int16_t highest,
             bool allowNegative) {
    WorksheetState state;
    IgnoredList list;
    InitGlobals(state, list);
    state.operation = RowNumber(row);
    state.lowestNumber = lowest;
    state.highestNumber = highest;
    state.numberOfProblems = 100;
    ClockSeededRandomSource source;
    QuietHost host(allowNegative);
    while (run.KeepRunning()) {
        ProblemSet set = ComposeProblems(state, source, host);
        benchmark::DoNotOptimize(set);
    }
}

// Brings back a two-page division worksheet from its code per iteration.
void ComposeFromCode(benchmark::State& run) {
    const SheetCode code{{RowNumber(OperationRow::Divide), 1, 99, 100, false, false}, 0x5EED};
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

}  // namespace
}  // namespace tallyworth
