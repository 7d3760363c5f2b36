// The classroom page's preview: the first page of a class set drawn by the painter the PDF
// uses, at the preview's resolution, and written as a PNG, as the server answers it.
#include "core/class_set.h"
#include "render/class_set_output.h"

#include <benchmark/benchmark.h>

#include <QPageSize>

namespace {

using namespace tallyworth;

// A full page of 100 problems, with the band of a set of 30.
void BM_PreviewHundredProblems(benchmark::State& bench, OperationRow operation) {
    const SheetSettings settings{operation, 1, 12, 100, false, false};
    const ClassSetRequest request{SheetCodeOf(settings, 0x5EED), 30, AnswerKeys::None, true};
    qsizetype bytes = 0;
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores)
    for (auto _ : bench) {
        const QByteArray png = ClassSetPagePng(request, QPageSize(QPageSize::A4), 0);
        if (png.isEmpty()) {
            bench.SkipWithError("no preview");
            return;
        }
        bytes = png.size();
        benchmark::DoNotOptimize(bytes);
    }
    bench.counters["png_bytes"] = static_cast<double>(bytes);
}
BENCHMARK_CAPTURE(BM_PreviewHundredProblems, Multiply, OperationRow::Multiply)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(11)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_PreviewHundredProblems, Mix, OperationRow::Mix)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(11)
    ->ReportAggregatesOnly(true);

}  // namespace
