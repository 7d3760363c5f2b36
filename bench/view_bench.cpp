// View from the button to the picture: the settings checks, the preparation of a
// 100-problem worksheet and the painting of its page at screen resolution.
#include "core/operations.h"
#include "core/random_source.h"
#include "core/validation.h"
#include "core/worksheet_state.h"
#include "page_model/page_controls.h"
#include "page_model/prepare_worksheet.h"
#include "render/page_painter.h"
#include "windows/main_window.h"
#include "windows/page_view.h"
#include "windows/page_window.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>

#include <cstdint>
#include <random>

namespace {

using namespace tallyworth;

class RunningFractions final : public RandomSource {
  public:
    float NextFraction() override {
        return static_cast<float>(engine_() >> 8U) * (1.0F / 16777216.0F);
    }
    void Reseed(const ProblemRules& /*rules*/, const PageOptions& /*page*/) override {}

  private:
    std::mt19937 engine_{3U};
};

class QuietHost final : public PreparationHost {
  public:
    void SetProgressRange(int /*minimum*/, int /*maximum*/) override {}
    void SetProgressValue(int value) override { benchmark::DoNotOptimize(value); }
    [[nodiscard]] bool AllowsNegativeResults() const override { return false; }
    void SetProgressVisible(bool /*visible*/) override {}
};

class QuietReporter final : public FailureReporter {
  public:
    void ReportFailure(const QString& /*text*/) override {}
};

class NoList final : public OperationList {
  public:
    void AppendOperation(const QString& /*symbol*/) override {}
};

class QuietMessages final : public UserMessages {
  public:
    void ShowMessage(const QString& /*title*/, const QString& /*text*/,
                     MessageIcon /*icon*/) override {}
    [[nodiscard]] bool AskYesNo(const QString& /*title*/, const QString& /*text*/) override {
        return true;
    }
};

class KeptColor final : public ColorChooser {
  public:
    ColorValue ChooseColor(ColorValue current) override { return current; }
};

class NoFile final : public FileChooser {
  public:
    std::optional<QString> ChooseSaveFile() override { return std::nullopt; }
};

class NoOutput final : public PageOutput {
  public:
    PrintOutcome Print(const PageMaker& /*pages*/) override { return PrintOutcome::Done(); }
    PrintOutcome SaveAsPdf(const PageMaker& /*pages*/, const QString& /*name*/,
                           const QString& /*sheetCode*/) override {
        return PrintOutcome::Done();
    }
    PrintOutcome WriteClassSetPdf(const ClassSetRequest& /*request*/,
                                  QPageSize::PageSizeId /*paper*/, const QString& /*name*/,
                                  SetProgress& /*progress*/) override {
        return PrintOutcome::Done();
    }
    PrintOutcome PrintClassSet(const ClassSetRequest& /*request*/, QPrinter& /*printer*/,
                               SetProgress& /*progress*/) override {
        return PrintOutcome::Done();
    }
};

class NoDialogs final : public SheetCodeAsker, public ClassSetAsker, public PrinterChooser {
  public:
    std::optional<QString> AskSheetCode() override { return std::nullopt; }
    std::optional<ClassSetChoice> AskClassSet() override { return std::nullopt; }
    std::unique_ptr<QPrinter> ChoosePrinter() override { return nullptr; }
};

QImage ScreenPage() {
    QImage image(816, 1056, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image;
}

// The flow of the View button on plain data: operation row 1 is "+", row 4 division.
void BM_ViewHundredProblems(benchmark::State& benchState, int operationRow) {
    WorksheetState state;
    NoList list;
    InitGlobals(state, list);
    PageControls page = MakeDesignPageControls();
    RunningFractions source;
    QuietHost host;
    QuietReporter reporter;
    QImage image = ScreenPage();
    const QString operation = state.operations[static_cast<std::size_t>(operationRow)].symbol;
    const SettingsTexts texts{QStringLiteral("1"), QStringLiteral("9"), QStringLiteral("100")};
    // The loop variable only drives the benchmark.
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores)
    for (auto _ : benchState) {
        const ValidationResult checked =
            ValidateSettings(texts.highest, texts.lowest, texts.count, operation);
        if (!checked.verdict) {
            benchState.SkipWithError("settings refused");
            break;
        }
        state.operation = static_cast<std::int16_t>(operationRow);
        state.showSolutions = false;
        PrepareTest(state, page, texts, source, host, reporter);
        QPainter painter(&image);
        PaintPage(painter, PrintedPageOf(page, SignsOf(state.pageOptions, QLocale::English)),
                  PageView::kDotsPerInch);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK_CAPTURE(BM_ViewHundredProblems, addition, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ViewHundredProblems, division, 4)->Unit(benchmark::kMillisecond);

// The same through the real windows: the View button's handler, then the page widget
// rendered into an image as the screen would draw it.
void BM_ViewThroughTheWindows(benchmark::State& benchState) {
    WorksheetState state;
    RunningFractions source;
    QuietMessages messages;
    KeptColor colors;
    NoFile files;
    NoOutput output;
    NoDialogs dialogs;
    MainWindow window(state, {messages, colors, files, output, dialogs, dialogs, dialogs}, source);
    window.show();
    window.findChild<QLineEdit*>(QStringLiteral("txtNoOfProblems"))->setText(QStringLiteral("100"));
    QImage image = ScreenPage();
    // The loop variable only drives the benchmark.
    // NOLINTNEXTLINE(clang-analyzer-deadcode.DeadStores)
    for (auto _ : benchState) {
        window.View();
        auto* pageView =
            window.ExistingPageWindow()->findChild<PageView*>(QStringLiteral("Picture1"));
        pageView->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    window.ExistingPageWindow()->hide();
}
BENCHMARK(BM_ViewThroughTheWindows)->Unit(benchmark::kMillisecond);

}  // namespace
