#pragma once

#include "core/composer.h"
#include "core/operations.h"
#include "core/random_source.h"
#include "core/worksheet_state.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace tallyworth::testing {

// Hands out the fractions a test lists, in order.
class ScriptedRandomSource final : public RandomSource {
  public:
    explicit ScriptedRandomSource(std::vector<float> fractions)
        : fractions_(std::move(fractions)) {}

    float NextFraction() override {
        if (next_ >= fractions_.size()) {
            ADD_FAILURE() << "the script ran out of fractions";
            return 0.0F;
        }
        return fractions_[next_++];
    }
    void Reseed() override { ++reseeds; }

    [[nodiscard]] std::size_t Used() const { return next_; }
    int reseeds = 0;

  private:
    std::vector<float> fractions_;
    std::size_t next_ = 0;
};

// Reproducible fractions made the way the program's own source makes them; reseeding
// does not change the sequence, so a test's seed fixes the whole run.
class SeededRandomSource final : public RandomSource {
  public:
    explicit SeededRandomSource(std::uint32_t seed) : engine_(seed) {}

    float NextFraction() override {
        return static_cast<float>(engine_() >> 8U) * (1.0F / 16777216.0F);
    }
    void Reseed() override { ++reseeds; }

    int reseeds = 0;

  private:
    std::mt19937 engine_;
};

// Records what the composer does with the progress bar and how often it asks about
// negative results.
class RecordingHost final : public ComposerHost {
  public:
    explicit RecordingHost(bool allowNegative = false) : allowNegative_(allowNegative) {}

    void SetProgressRange(int minimum, int maximum) override {
        ranges.emplace_back(minimum, maximum);
    }
    void SetProgressValue(int value) override { values.push_back(value); }
    [[nodiscard]] bool AllowsNegativeResults() const override {
        ++negativeQuestions;
        return allowNegative_;
    }

    std::vector<std::pair<int, int>> ranges;
    std::vector<int> values;
    mutable int negativeQuestions = 0;

  private:
    bool allowNegative_;
};

class IgnoredOperationList final : public OperationList {
  public:
    void AppendOperation(const QString& /*symbol*/) override {}
};

// Operation rows as the user picks them.
inline constexpr std::int16_t kPlusRow = 1;
inline constexpr std::int16_t kMinusRow = 2;
inline constexpr std::int16_t kTimesRow = 3;
inline constexpr std::int16_t kDivideRow = 4;
inline constexpr std::int16_t kMixRow = 5;

inline WorksheetState MakeState(std::int16_t operationRow, std::int16_t lowest,
                                std::int16_t highest, std::int16_t count) {
    WorksheetState state;
    IgnoredOperationList list;
    InitGlobals(state, list);
    state.gOperation = operationRow;
    state.gLowestNumber = lowest;
    state.gHighestNumber = highest;
    state.gNumberOfProblems = count;
    return state;
}

}  // namespace tallyworth::testing
