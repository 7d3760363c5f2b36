// Class sets as a teacher makes them: 30 different sheets of 100 problems for a class, and
// the largest set there is, 500 of them, each sheet followed by its answer key, written as
// one PDF into memory.
#include "core/class_set.h"
#include "core/settings_limits.h"
#include "render/class_set_output.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QPageSize>

namespace {

using namespace tallyworth;

class QuietProgress final : public SetProgress {
  public:
    void Start(int /*pages*/) override {}
    [[nodiscard]] bool Advance(int /*pagesDone*/) override { return true; }
};

void BM_ClassSetWithKeys(benchmark::State& bench, int sheets, PageOptions page) {
    SheetSettings settings{OperationRow::Add, 10, 99, 100, false, false};
    settings.page = page;
    const ClassSetRequest request{SheetCodeOf(settings, 0x5EED), sheets, AnswerKeys::AfterEach,
                                  true};
    QuietProgress progress;
    qint64 bytes = 0;
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores)
    for (auto _ : bench) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        const PrintOutcome written =
            WriteClassSetPdfTo(buffer, request, QPageSize(QPageSize::Letter), progress);
        if (!written.Succeeded()) {
            bench.SkipWithError(written.message.toStdString().c_str());
            return;
        }
        bytes = buffer.size();
        benchmark::DoNotOptimize(bytes);
    }
    bench.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK_CAPTURE(BM_ClassSetWithKeys, 30Sheets_Original, 30, OriginalPageOptions())
    ->Unit(benchmark::kMillisecond);
// Four pages a sheet on Letter, and as many for its key: 240 pages.
BENCHMARK_CAPTURE(BM_ClassSetWithKeys, 30Sheets_ExtraLarge, 30,
                  PageOptions{.size = PrintSize::ExtraLarge})
    ->Unit(benchmark::kMillisecond);
// The largest set there is: 1000 pages, its 500 codes in the metadata.
BENCHMARK_CAPTURE(BM_ClassSetWithKeys, 500Sheets_Original, kMostSheets, OriginalPageOptions())
    ->Unit(benchmark::kMillisecond);

}  // namespace
