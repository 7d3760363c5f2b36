// The whole preparation of a 100-problem worksheet, as the main window runs it before
// showing or printing: hide the page, lay it out, compose, write, fill page 1 and
// apply the solutions switch.
#include "core/composer.h"
#include "core/operations.h"
#include "core/random_source.h"
#include "core/sheet_composer.h"
#include "core/sheet_section.h"
#include "core/worksheet_state.h"
#include "page_model/build_worksheet.h"
#include "page_model/flowing_layout.h"
#include "page_model/page_controls.h"
#include "page_model/page_fill.h"
#include "page_model/page_layout.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

namespace {

using namespace tallyworth;

// Reproducible fractions, so every run of a benchmark composes the same worksheets.
class SeededFractions final : public RandomSource {
  public:
    float NextFraction() override {
        return static_cast<float>(engine_() >> 8U) * (1.0F / 16777216.0F);
    }
    void Reseed(const ProblemRules& /*rules*/, const PageOptions& /*page*/) override {
        engine_.seed(++seed_);
    }

  private:
    std::uint32_t seed_ = 1;
    std::mt19937 engine_{1};
};

class SilentHost final : public ComposerHost {
  public:
    void SetProgressRange(int /*minimum*/, int /*maximum*/) override {}
    void SetProgressValue(int value) override { benchmark::DoNotOptimize(value); }
    [[nodiscard]] bool AllowsNegativeResults() const override { return false; }
};

class SilentReporter final : public FailureReporter {
  public:
    void ReportFailure(const QString& /*text*/) override { ++failures; }
    int failures = 0;
};

class NoList final : public OperationList {
  public:
    void AppendOperation(const QString& /*symbol*/) override {}
};

constexpr std::int16_t kProblems = 100;

void Prepare(benchmark::State& bench, std::int16_t operationRow, bool upsideDownSeven) {
    WorksheetState state;
    NoList list;
    InitGlobals(state, list);
    state.operation = operationRow;
    if (upsideDownSeven) {
        state.divisionSymbol = state.divideSign;
    }
    const auto highest = static_cast<std::int16_t>(bench.range(0));
    PageControls page = MakeDesignPageControls();
    SeededFractions source;
    SilentHost host;
    SilentReporter reporter;
    // The loop variable is only the benchmark library's counter.
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores)
    for (auto _ : bench) {
        HideEverything(page);
        ArrangeFields(page, state);
        BuildTest(state, page, source, host, reporter, 1, highest, kProblems);
        SetSolutionsVisible(page, state, state.currentPage, state.showSolutions);
        benchmark::DoNotOptimize(page);
    }
    if (reporter.failures != 0) {
        bench.SkipWithError("a preparation reported a failure");
    }
}

// The page's share alone: the same steps with a set composed once beforehand, so the
// composer's draw loop is left out.
void PreparePageOnly(benchmark::State& bench, std::int16_t operationRow) {
    WorksheetState state;
    NoList list;
    InitGlobals(state, list);
    state.operation = operationRow;
    state.lowestNumber = 1;
    state.highestNumber = static_cast<std::int16_t>(bench.range(0));
    state.numberOfProblems = kProblems;
    PageControls page = MakeDesignPageControls();
    SeededFractions source;
    SilentHost host;
    SilentReporter reporter;
    const ProblemSet set = ComposeProblems(state, source, host);
    // The loop variable is only the benchmark library's counter.
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores)
    for (auto _ : bench) {
        HideEverything(page);
        ArrangeFields(page, state);
        WriteProblems(page, set);
        state.currentPage = 1;
        DisplayProblems(page, state, 1, reporter);
        SetSolutionsVisible(page, state, state.currentPage, state.showSolutions);
        benchmark::DoNotOptimize(page);
    }
}

void BM_PreparePageOnlyGrid(benchmark::State& bench) {
    PreparePageOnly(bench, 1);
}
void BM_PreparePageOnlyDivision(benchmark::State& bench) {
    PreparePageOnly(bench, 4);
}

void BM_PrepareGridAddition(benchmark::State& bench) {
    Prepare(bench, 1, false);
}
void BM_PrepareGridMix(benchmark::State& bench) {
    Prepare(bench, 5, false);
}
void BM_PrepareDivisionLineAndDots(benchmark::State& bench) {
    Prepare(bench, 4, false);
}
void BM_PrepareDivisionUpsideDownSeven(benchmark::State& bench) {
    Prepare(bench, 4, true);
}

// The numbers run from 1 to the argument: 1..9 and 1..99.
void Ranges(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("highest")->Arg(9)->Arg(99)->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK(BM_PrepareGridAddition)->Apply(Ranges);
BENCHMARK(BM_PrepareGridMix)->Apply(Ranges);
BENCHMARK(BM_PrepareDivisionLineAndDots)->Apply(Ranges);
BENCHMARK(BM_PrepareDivisionUpsideDownSeven)->Apply(Ranges);
BENCHMARK(BM_PreparePageOnlyGrid)->Apply(Ranges);
BENCHMARK(BM_PreparePageOnlyDivision)->Apply(Ranges);

// Composes a Mix sheet of 100 problems from its code and lays its pages out anew: the work
// of one sheet of a class set at that size and layout, drawing aside.
void BM_ComposeAndLayOut(benchmark::State& bench, ProblemLayout layout, PrintSize size) {
    SheetSettings settings{OperationRow::Mix, 1, 99, 100, false, false};
    settings.page = {TimesSign::Default, DivideSign::Default, layout, size};
    const SheetCode code = SheetCodeOf(settings, 0x5EED);
    const FlowRequest request{settings, SignsOf(settings.page, QLocale::English), true};
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores)
    for (auto _ : bench) {
        std::vector<PrintedPage> pages = LayOutFlowingPages(ComposeSheet(code), request);
        benchmark::DoNotOptimize(pages);
    }
}
BENCHMARK_CAPTURE(BM_ComposeAndLayOut, StackedLarge, ProblemLayout::Stacked, PrintSize::Large);
BENCHMARK_CAPTURE(BM_ComposeAndLayOut, StackedExtraLarge, ProblemLayout::Stacked,
                  PrintSize::ExtraLarge);
BENCHMARK_CAPTURE(BM_ComposeAndLayOut, LineNormal, ProblemLayout::Line, PrintSize::Normal);
BENCHMARK_CAPTURE(BM_ComposeAndLayOut, LineExtraLarge, ProblemLayout::Line, PrintSize::ExtraLarge);

SheetSection Section(SectionKind kind, OperationSet operations, NumberRange first,
                     NumberRange second, int count, const char* title) {
    SheetSection section;
    section.kind = kind;
    section.operations = operations;
    section.first = first;
    section.second = second;
    section.count = count;
    section.remainderPercent = kind == SectionKind::Remainder ? 50 : 0;
    section.title = QString::fromLatin1(title);
    return section;
}

// A sheet of all six sections it can hold, 100 problems of every kind, titled, on a line.
void BM_ComposeAndLayOutSections(benchmark::State& bench) {
    constexpr OperationSet kPlusMinus =
        OperationBit(OperationRow::Add) | OperationBit(OperationRow::Subtract);
    const SheetSettings settings = SettingsOfSections(
        {Section(SectionKind::Facts, kPlusMinus, {1, 20}, {1, 20}, 20, "Sums and differences"),
         Section(SectionKind::Missing, OperationBit(OperationRow::Multiply), {2, 12}, {2, 12}, 20,
                 "Missing numbers"),
         Section(SectionKind::TableDivision, 0, {2, 12}, {2, 12}, 15, "Division facts"),
         Section(SectionKind::Remainder, 0, {10, 99}, {2, 9}, 15, "Remainders"),
         Section(SectionKind::Facts, kAllOperations, {1, 99}, {1, 99}, 15, "Mixed"),
         Section(SectionKind::Missing, kPlusMinus, {1, 20}, {1, 20}, 15, "More missing numbers")},
        false, {TimesSign::Default, DivideSign::Default, ProblemLayout::Line, PrintSize::Normal});
    const SheetCode code = FairSheetCode(settings, 0x5EED);
    const FlowRequest request{settings, SignsOf(settings.page, QLocale::English), true};
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores)
    for (auto _ : bench) {
        std::vector<PrintedPage> pages = LayOutFlowingPages(ComposeSheet(code), request);
        benchmark::DoNotOptimize(pages);
    }
}
BENCHMARK(BM_ComposeAndLayOutSections);

// A sheet of 20 long divisions, five digits by two with remainders, brought back from its
// code and laid out with every step on its key, on squared paper.
void BM_ComposeAndLayOutLongDivisions(benchmark::State& bench) {
    SheetSection divisions = Section(SectionKind::Written, OperationBit(OperationRow::Divide),
                                     {10'000, 99'999}, {10, 99}, 20, "Long division");
    divisions.remainderPercent = 100;
    PageOptions page;
    page.method = WrittenMethod::German;
    page.keyWorking = true;
    const SheetSettings settings = SettingsOfSections({divisions}, false, page);
    const SheetCode code = FairSheetCode(settings, 0x5EED);
    const FlowRequest request{settings, SignsOf(settings.page, QLocale::German), true};
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores)
    for (auto _ : bench) {
        std::vector<PrintedPage> pages = LayOutFlowingPages(ComposeSheet(code), request);
        benchmark::DoNotOptimize(pages);
    }
}
BENCHMARK(BM_ComposeAndLayOutLongDivisions)->Unit(benchmark::kMicrosecond);
