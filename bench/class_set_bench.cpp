// Class sets as a teacher makes them: 30 different sheets of 100 problems for a class, and
// the largest set there is, 500 of them, each sheet followed by its answer key, written as
// one PDF into memory.
#include "core/class_set.h"
#include "core/settings_limits.h"
#include "core/sheet_section.h"
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

void WriteSet(benchmark::State& bench, const ClassSetRequest& request) {
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

void BM_ClassSetWithKeys(benchmark::State& bench, int sheets, PageOptions page) {
    SheetSettings settings{OperationRow::Add, 10, 99, 100, false, false};
    settings.page = page;
    WriteSet(bench, {SheetCodeOf(settings, 0x5EED), sheets, AnswerKeys::AfterEach, true});
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

// A week's set of three sections: sums, missing factors, remainders, 60 problems a sheet.
void BM_ClassSetOfSectionsWithKeys(benchmark::State& bench) {
    SheetSection sums;
    sums.operations = OperationBit(OperationRow::Add);
    sums.first = sums.second = {1, 20};
    sums.count = 20;
    sums.title = QStringLiteral("Sums within 40");
    SheetSection missing = sums;
    missing.kind = SectionKind::Missing;
    missing.operations = OperationBit(OperationRow::Multiply);
    missing.first = missing.second = {2, 12};
    missing.title = QStringLiteral("Missing factors");
    SheetSection remainders = sums;
    remainders.kind = SectionKind::Remainder;
    remainders.first = {10, 99};
    remainders.second = {2, 9};
    remainders.remainderPercent = 100;
    remainders.title = QStringLiteral("Remainders");
    const SheetSettings settings = SettingsOfSections({sums, missing, remainders}, false, {});
    WriteSet(bench, {FairSheetCode(settings, 0x5EED), 30, AnswerKeys::AfterEach, true});
}
BENCHMARK(BM_ClassSetOfSectionsWithKeys)->Unit(benchmark::kMillisecond);

}  // namespace
