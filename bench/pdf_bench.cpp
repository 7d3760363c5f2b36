// Writing a full 100-problem page as a PDF, the work behind both Save as PDF and a
// print (which renders the same PDF before handing it to the printer's queue).
#include "core/composer.h"
#include "core/operations.h"
#include "core/random_source.h"
#include "core/worksheet_state.h"
#include "page_model/build_worksheet.h"
#include "page_model/page_controls.h"
#include "page_model/page_fill.h"
#include "page_model/page_layout.h"
#include "printing/page_printing.h"
#include "render/page_painter.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cstdint>
#include <random>

namespace {

using namespace tallyworth;

constexpr int kPdfDotsPerInch = 1200;

class FixedFractions final : public RandomSource {
  public:
    float NextFraction() override {
        return static_cast<float>(engine_() >> 8U) * (1.0F / 16777216.0F);
    }
    void Reseed(const ProblemRules& /*rules*/, const PageOptions& /*page*/) override {
        engine_.seed(7U);
    }

  private:
    std::mt19937 engine_{7U};
};

class QuietHost final : public ComposerHost {
  public:
    void SetProgressRange(int /*minimum*/, int /*maximum*/) override {}
    void SetProgressValue(int /*value*/) override {}
    [[nodiscard]] bool AllowsNegativeResults() const override { return false; }
};

class IgnoringReporter final : public FailureReporter {
  public:
    void ReportFailure(const QString& /*text*/) override {}
};

// Drawing text needs a GUI application. The benchmark program's own main makes one;
// this covers a run without it.
void EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "tallyworth_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

// The densest page there is: 100 additions of two-digit numbers with their solutions.
PageControls FullGridPage() {
    WorksheetState state = StateWithOperations();
    state.divisionSymbol = QString(QChar(kLineAndDotsMarker));
    state.operation = 1;
    state.showSolutions = true;
    PageControls page = MakeDesignPageControls();
    FixedFractions source;
    QuietHost host;
    IgnoringReporter reporter;
    HideEverything(page);
    ArrangeFields(page, state);
    BuildTest(state, page, source, host, reporter, 10, 99, 100);
    SetSolutionsVisible(page, state, state.currentPage, true);
    return page;
}

void BM_SavePageAsPdf_FullGrid(benchmark::State& bench) {
    EnsureGuiApplication();
    const std::vector<PrintedPage> pages{PrintedPageOf(FullGridPage(), PageSigns{})};
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("sheet.pdf"));
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores)
    for (auto _ : bench) {
        const PrintOutcome outcome =
            SavePagesAsPdf([&pages](const QRectF& /*area*/) { return pages; }, file);
        if (!outcome.Succeeded()) {
            bench.SkipWithError(outcome.message.toStdString().c_str());
            return;
        }
    }
    bench.counters["pdf_bytes"] = static_cast<double>(QFileInfo(file).size());
}
BENCHMARK(BM_SavePageAsPdf_FullGrid)->Unit(benchmark::kMillisecond);

// The drawing alone, into memory: what remains once the disk is out of the picture.
void BM_PdfDrawIntoMemory_FullGrid(benchmark::State& bench) {
    EnsureGuiApplication();
    const PrintedPage page = PrintedPageOf(FullGridPage(), PageSigns{});
    qint64 bytes = 0;
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores)
    for (auto _ : bench) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setPageSize(QPageSize(QPageSize::Letter));
            writer.setPageMargins(QMarginsF());
            writer.setResolution(kPdfDotsPerInch);
            QPainter painter(&writer);
            PaintPage(painter, page, kPdfDotsPerInch, PageText::ReadingOrder);
        }
        bytes = buffer.size();
        benchmark::DoNotOptimize(bytes);
    }
    bench.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PdfDrawIntoMemory_FullGrid)->Unit(benchmark::kMillisecond);

}  // namespace
