// A class set as a teacher makes one for a whole class: 30 different sheets of 100
// problems, each followed by its answer key, written as one PDF into memory.
#include "core/class_set.h"
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

void BM_ClassSet_30SheetsWithKeys(benchmark::State& bench) {
    const ClassSetRequest request{
        {{OperationRow::Add, 10, 99, 100, false, false}, 0x5EED}, 30, AnswerKeys::AfterEach, true};
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
BENCHMARK(BM_ClassSet_30SheetsWithKeys)->Unit(benchmark::kMillisecond);

}  // namespace
