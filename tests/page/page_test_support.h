#pragma once

#include "core/composer.h"
#include "core/operations.h"
#include "core/random_source.h"
#include "core/worksheet_state.h"
#include "page/page_controls.h"
#include "page/page_dump.h"
#include "page/page_fill.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace tallyworth::page_test {

inline constexpr int kAdd = 1;
inline constexpr int kSubtract = 2;
inline constexpr int kMultiply = 3;
inline constexpr int kDivide = 4;
inline constexpr int kMix = 5;

enum class Notation { LineAndDots, UpsideDownSeven };

// The start-up state with a chosen operation row and division notation.
inline WorksheetState MakeState(int operationRow, Notation notation = Notation::LineAndDots) {
    WorksheetState state;
    state.gDivideSign = DivideSignText();
    state.gDivisionSymbol = notation == Notation::UpsideDownSeven
                                ? state.gDivideSign
                                : QString(QChar(kLineAndDotsMarker));
    InitOperations(state);
    state.gCurrentPage = 1;
    state.gOperation = static_cast<std::int16_t>(operationRow);
    return state;
}

// Repeats the same fractions after every reseed, so a composition is reproducible.
class SeededRandomSource final : public RandomSource {
  public:
    explicit SeededRandomSource(std::uint32_t seed = 20240531U) : seed_(seed), engine_(seed) {}
    float NextFraction() override {
        // 24 random bits give every float in [0, 1) on a 2^-24 grid, never 1.
        return static_cast<float>(engine_() >> 8U) * (1.0F / 16777216.0F);
    }
    void Reseed() override { engine_.seed(seed_); }

  private:
    std::uint32_t seed_;
    std::mt19937 engine_;
};

class QuietComposerHost : public ComposerHost {
  public:
    void SetProgressRange(int minimum, int maximum) override {
        progressMinimum = minimum;
        progressMaximum = maximum;
    }
    void SetProgressValue(int value) override {
        if (value == failAtProgress) {
            throw std::runtime_error("Overflow");
        }
        progressValue = value;
    }
    [[nodiscard]] bool AllowsNegativeResults() const override { return allowNegative; }

    int progressMinimum = 0;
    int progressMaximum = 0;
    int progressValue = 0;
    int failAtProgress = -1;  // a progress value that makes the host fail
    bool allowNegative = false;
};

class RecordingReporter final : public FailureReporter {
  public:
    void ReportFailure(const QString& text) override { failures.append(text); }
    QStringList failures;
};

inline QString ThreeDecimals(float value) {
    return QString::number(static_cast<double>(value), 'f', 3);
}

inline QString Point(float x, float y) {
    return QStringLiteral("(%1,%2)").arg(ThreeDecimals(x), ThreeDecimals(y));
}

inline QString Segment(const PageLine& line) {
    return Point(line.X1, line.Y1) + QLatin1Char('-') + Point(line.X2, line.Y2);
}

namespace detail {
template <typename Labels>
void ShowBareLabels(Labels& labels) {
    for (PageLabel& label : labels) {
        label.Visible = true;
        label.Caption.clear();
        label.Alignment = LabelAlignment::Right;
    }
}
template <typename Lines>
void ShowLines(Lines& lines) {
    for (PageLine& line : lines) {
        line.Visible = true;
    }
}
}  // namespace detail

// The geometry of every control, shown or not, as text: equal texts mean equal
// positions, sizes and border widths, whatever the captions and alignments.
inline QString GeometryOf(PageControls page) {
    detail::ShowBareLabels(page.lblValue);
    detail::ShowBareLabels(page.lblPlus);
    detail::ShowBareLabels(page.lblSolution);
    detail::ShowLines(page.Line1);
    detail::ShowLines(page.Line2);
    detail::ShowLines(page.DivisionLine);
    detail::ShowLines(page.EqualSignTop);
    detail::ShowLines(page.EqualSignBottom);
    return DumpVisibleControls(page);
}

// The dump lines of one control array, e.g. "Line2(".
inline QStringList LinesOf(const QString& dump, const QString& prefix) {
    QStringList picked;
    for (const QString& line : dump.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(prefix)) {
            picked.append(line);
        }
    }
    return picked;
}

// Lines as one text, so a failed comparison prints readably.
inline std::string Joined(const QStringList& lines) {
    return lines.join(QLatin1Char('\n')).toStdString();
}

}  // namespace tallyworth::page_test
