#pragma once

#include "core/operations.h"
#include "page_model/build_worksheet.h"
#include "page_model/page_dump.h"
#include "page_model/page_layout.h"

#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>

namespace tallyworth {

// Failed expectations name the row by its number.
inline void PrintTo(OperationRow row, std::ostream* out) {
    *out << "row " << RowNumber(row);
}

}  // namespace tallyworth

namespace tallyworth::page_test {

inline constexpr OperationRow kAdd = OperationRow::Add;
inline constexpr OperationRow kSubtract = OperationRow::Subtract;
inline constexpr OperationRow kMultiply = OperationRow::Multiply;
inline constexpr OperationRow kDivide = OperationRow::Divide;
inline constexpr OperationRow kMix = OperationRow::Mix;

enum class Notation { LineAndDots, UpsideDownSeven };

// The start-up state with a chosen operation row and division notation.
inline WorksheetState MakeState(OperationRow operationRow,
                                Notation notation = Notation::LineAndDots) {
    WorksheetState state;
    state.divideSign = DivideSignText();
    state.divisionSymbol =
        notation == Notation::LineAndDots ? QString(QChar(kLineAndDotsMarker)) : state.divideSign;
    InitOperations(state);
    state.currentPage = 1;
    state.operation = RowNumber(operationRow);
    return state;
}

// Repeats the same fractions after every reseed, so a composition is reproducible.
class SeededRandomSource final : public RandomSource {
  public:
    // 24 random bits give every float in [0, 1) on a 2^-24 grid, never 1.
    float NextFraction() override { return static_cast<float>(engine_() >> 8U) * 0x1p-24F; }
    void Reseed() override { engine_.seed(kSeed); }

  private:
    static constexpr std::uint32_t kSeed = 20240531U;
    std::mt19937 engine_{kSeed};
};

class QuietComposerHost : public ComposerHost {
  public:
    void SetProgressRange(int /*minimum*/, int /*maximum*/) override {}
    void SetProgressValue(int value) override {
        if (value == failAtProgress) {
            throw std::runtime_error("Overflow");
        }
    }
    [[nodiscard]] bool AllowsNegativeResults() const override { return false; }
    int failAtProgress = -1;  // a progress value that makes the host fail
};

// A laid-out page and what it takes to fill it; reported failures are kept as one text.
struct Sheet final : FailureReporter {
    explicit Sheet(OperationRow operationRow, Notation notation = Notation::LineAndDots)
        : state(MakeState(operationRow, notation)) {
        ArrangeFields(page, state);
    }
    void ReportFailure(const QString& text) override { failures += text.toStdString(); }
    void Build(std::int16_t lowest, std::int16_t highest, std::int16_t count) {
        BuildTest(state, page, source, host, *this, lowest, highest, count);
    }
    PageControls page = MakeDesignPageControls();
    WorksheetState state;
    SeededRandomSource source;
    QuietComposerHost host;
    std::string failures;
};

inline PageControls ShownAll(PageControls page) {
    const auto show = [](auto&... arrays) {
        (std::for_each(arrays.begin(), arrays.end(), [](auto& item) { item.visible = true; }), ...);
    };
    show(page.valueLabels, page.plusLabels, page.solutionLabels, page.line1, page.line2,
         page.divisionLine, page.equalSignTop, page.equalSignBottom);
    return page;
}

// The dump lines of one control array with every element shown, e.g. Lines(page, "Line2").
inline QStringList Lines(const PageControls& page, const char* array) {
    return DumpVisibleControls(ShownAll(page))
        .split(QLatin1Char('\n'))
        .filter(QLatin1String(array) + QLatin1Char('('));
}

// The shown elements as index runs per array, e.g. "lblValue 0-59 Line1 0-29 40-49".
inline std::string VisibleRuns(const PageControls& page) {
    std::string runs;
    QString array;
    int last = -2;
    for (const QString& line :
         DumpVisibleControls(page).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString name = line.section(QLatin1Char('('), 0, 0);
        const int index = line.section(QLatin1Char('('), 1).section(QLatin1Char(')'), 0, 0).toInt();
        if (name != array || index != last + 1) {
            runs += (last < 0 ? "" : "-" + std::to_string(last) + " ") +
                    (name != array ? name.toStdString() + " " : "") + std::to_string(index);
        }
        array = name;
        last = index;
    }
    return runs.empty() ? runs : runs + "-" + std::to_string(last);
}

}  // namespace tallyworth::page_test
