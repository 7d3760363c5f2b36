#pragma once

#include "core/composer.h"
#include "core/operations.h"
#include "core/random_source.h"
#include "core/worksheet_state.h"
#include "page/build_test.h"
#include "page/page_controls.h"
#include "page/page_fill.h"
#include "page/page_layout.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <random>

namespace tallyworth::cups_test {

inline constexpr std::int16_t kAddition = 1;
inline constexpr std::int16_t kDivision = 4;

// The same fractions on every run, so a printed worksheet can be compared with the
// page it came from.
class FixedRandomSource final : public RandomSource {
  public:
    float NextFraction() override {
        return static_cast<float>(engine_() >> 8U) * (1.0F / 16777216.0F);
    }
    void Reseed() override { engine_.seed(kSeed); }

  private:
    static constexpr std::uint32_t kSeed = 8511U;
    std::mt19937 engine_{kSeed};
};

class SilentHost final : public ComposerHost {
  public:
    void SetProgressRange(int /*minimum*/, int /*maximum*/) override {}
    void SetProgressValue(int /*value*/) override {}
    [[nodiscard]] bool AllowsNegativeResults() const override { return false; }
};

class CollectingReporter final : public FailureReporter {
  public:
    void ReportFailure(const QString& text) override { failures.append(text); }
    QStringList failures;
};

// A worksheet made the way the program makes one: layout, composition, page 1 shown
// with its solutions hidden.
struct Worksheet {
    WorksheetState state;
    PageControls page = MakeDesignPageControls();
    CollectingReporter reporter;

    Worksheet(std::int16_t operation, std::int16_t count, bool upsideDownSeven = false) {
        state.gDivideSign = DivideSignText();
        state.gDivisionSymbol =
            upsideDownSeven ? state.gDivideSign : QString(QChar(kLineAndDotsMarker));
        InitOperations(state);
        state.gOperation = operation;
        state.gShowSolutions = false;
        FixedRandomSource source;
        SilentHost host;
        HideEverything(page);
        ArrangeFields(page, state);
        BuildTest(state, page, source, host, reporter, 1, 12, count);
        SetSolutionsVisible(page, state, state.gCurrentPage, state.gShowSolutions);
    }

    void ShowPage(std::int16_t pageNo) {
        state.gCurrentPage = pageNo;
        DisplayProblems(page, state, pageNo, reporter);
    }

    void ShowSolutions(bool shown) {
        state.gShowSolutions = shown;
        SetSolutionsVisible(page, state, state.gCurrentPage, shown);
    }
};

}  // namespace tallyworth::cups_test
