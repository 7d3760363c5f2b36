#pragma once

#include "core/composer.h"
#include "core/operations.h"
#include "core/random_source.h"
#include "core/worksheet_state.h"
#include "support/value_printers.h"

#include <QStringList>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tallyworth::testing_support {

enum class Notation { LineAndDots, UpsideDownSeven };

// The numbers a worksheet asks for: problems from lowest to highest, and how many.
struct Numbers {
    int lowest = 0;
    int highest = 0;
    int count = 0;
};

// Hands out the scripted fractions first, then those of a Mersenne Twister from the seed,
// made as the program's own sources make them: the top 24 bits times 2^-24, never 1. Every
// reseed starts over, as the program's seeded source does, so the seed fixes a composition.
struct ScriptedRandomSource final : RandomSource {
    explicit ScriptedRandomSource(std::uint32_t startSeed, std::vector<float> fractions = {})
        : seed(startSeed), script(std::move(fractions)), engine(startSeed) {}
    float NextFraction() override {
        if (used < script.size()) {
            return script[used++];
        }
        return static_cast<float>(engine() >> 8U) * 0x1p-24F;
    }
    void Reseed(const ProblemRules& /*rules*/, const PageOptions& /*page*/) override {
        used = 0;
        engine.seed(seed);
    }

    std::uint32_t seed;
    std::vector<float> script;
    std::mt19937 engine;
    std::size_t used = 0;  // scripted fractions handed out since the last reseed
};

// The main window as the composer and start-up see it. Records the progress ranges and
// counts the questions about negative results; a progress value can be made to fail, as
// an overflow in the program would.
struct RecordingHost final : ComposerHost, OperationList {
    void SetProgressRange(int minimum, int maximum) override {
        ranges.emplace_back(minimum, maximum);
    }
    void SetProgressValue(int value) override {
        if (value == failAtProgress) {
            throw std::runtime_error("Overflow");
        }
    }
    [[nodiscard]] bool AllowsNegativeResults() const override {
        ++questions;
        return allowNegative;
    }
    void AppendOperation(const QString& /*symbol*/) override {}

    bool allowNegative = false;
    int failAtProgress = -1;
    std::vector<std::pair<int, int>> ranges;
    mutable int questions = 0;
};

// Each problem of a set, its numbers and the captions of its labels, one string apiece.
inline std::vector<std::string> Captions(const ProblemSet& set) {
    std::vector<std::string> captions;
    for (std::size_t index = 0; index < set.problems.size(); ++index) {
        const Problem& problem = set.problems[index];
        const CellCaptions cell = OriginalCaptions(set, static_cast<int>(index));
        captions.push_back(QStringLiteral("%1 %2 %3 %4 %5=%6")
                               .arg(QString::number(problem.first), cell.operatorSign,
                                    QString::number(problem.second), cell.first, cell.second,
                                    cell.solution)
                               .toStdString());
    }
    return captions;
}

// A two-sample chi-square statistic over equal sample sizes, with about as many degrees of
// freedom as there are outcomes. The bound is generous and the seeds fixed: never flaky.
template <typename Outcome>
bool SameDistribution(std::map<Outcome, double> one, std::map<Outcome, double> other) {
    for (const auto& entry : other) {
        one[entry.first];
    }
    double statistic = 0.0;
    for (const auto& [outcome, x] : one) {
        statistic += std::pow(x - other[outcome], 2) / (x + other[outcome]);
    }
    const auto degrees = static_cast<double>(one.size());
    return statistic < degrees + 8.0 * std::sqrt(2.0 * degrees) + 10.0;
}

// Where the main window's operation list shows a row: the rows in order, from 0.
constexpr int ListPosition(OperationRow row) {
    return RowNumber(row) - 1;
}

// The start-up state, as InitGlobals leaves it, with an operation row, the numbers and the
// division notation chosen.
inline WorksheetState MakeState(OperationRow row, Numbers numbers = {},
                                Notation notation = Notation::LineAndDots) {
    WorksheetState state;
    RecordingHost list;
    InitGlobals(state, list);
    state.operation = RowNumber(row);
    state.lowestNumber = static_cast<std::int16_t>(numbers.lowest);
    state.highestNumber = static_cast<std::int16_t>(numbers.highest);
    state.numberOfProblems = static_cast<std::int16_t>(numbers.count);
    if (notation == Notation::UpsideDownSeven) {
        state.divisionSymbol = state.divideSign;
    }
    return state;
}

}  // namespace tallyworth::testing_support
