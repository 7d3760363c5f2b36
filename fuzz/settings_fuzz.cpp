// Feeds arbitrary settings texts to the number conversions, the settings checks and,
// when the checks pass, the composer, and stops on any broken promise.
#include "core/composer.h"
#include "core/number_conversion.h"
#include "core/operations.h"
#include "core/rounding.h"
#include "core/validation.h"

#include <QByteArrayView>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>

namespace {

using namespace tallyworth;  // NOLINT(google-build-using-namespace): the code under test

void Require(bool condition, const char* what) {
    if (!condition)
        qFatal("broken promise: %s", what);
}

// Fractions from a generator seeded by the input, so runs reproduce; the same object
// quietly plays the main window's progress bar, check box (ticked at random for each
// subtraction) and operation list.
struct InputDriven final : RandomSource, ComposerHost, OperationList {
    explicit InputDriven(std::uint64_t seed) : engine(seed) {}
    float NextFraction() override { return static_cast<float>(engine() >> 40U) / 16777216.0F; }
    void Reseed(const ProblemRules& /*rules*/, const PageOptions& /*page*/) override {}
    void SetProgressRange(int /*minimum*/, int /*maximum*/) override {}
    void SetProgressValue(int /*value*/) override {}
    [[nodiscard]] bool AllowsNegativeResults() const override { return (engine() & 8U) != 0U; }
    void AppendOperation(const QString& /*symbol*/) override {}
    mutable std::mt19937_64 engine;
};

void CheckConversions(const QString& text, const QLocale& locale) {
    const auto whole = ToWholeNumber(text, locale);
    const auto real = ToRealNumber(text, locale);
    Require(!real || (std::isfinite(*real) && !text.trimmed().isEmpty()), "finite, not blank");
    const double rounded = real ? RoundHalfToEven(*real) : 0.0;
    const bool fits = real && rounded >= -32768.0 && rounded <= 32767.0;
    Require(fits == whole.has_value(), "whole exactly when the real rounds into 16 bits");
    Require(!whole || rounded == *whole, "whole is the real rounded half to even");
}

void ComposeAccepted(const QStringList& texts, const QLocale& locale, std::uint64_t seed) {
    const auto highest = ToWholeNumber(texts[0], locale).value_or(0);
    const auto lowest = ToWholeNumber(texts[1], locale).value_or(0);
    const auto count = ToWholeNumber(texts[2], locale).value_or(0);
    const double typedCount = ToRealNumber(texts[2], locale).value_or(0.0);
    Require(1 <= lowest && lowest < highest && highest <= 99 && 1 <= count && count <= 100 &&
                typedCount >= 1.0 && typedCount <= 100.0,
            "accepted settings");
    WorksheetState state;
    InputDriven driver(seed);
    InitGlobals(state, driver);
    state.operation = static_cast<std::int16_t>(1 + seed % 5);
    state.showCellNumbers = lowest == 61 && highest == 62;
    std::tie(state.lowestNumber, state.highestNumber, state.numberOfProblems) =
        std::tie(lowest, highest, count);
    const ProblemSet set = ComposeProblems(state, driver, driver);
    Require(set.problems.size() == static_cast<std::size_t>(count), "one entry per problem");
    for (const Problem& entry : set.problems) {
        const bool whole = entry.operation != OperationRow::Divide || state.showCellNumbers ||
                           entry.first % entry.second == 0;
        const auto [smaller, larger] = std::minmax(entry.first, entry.second);
        Require(whole && smaller >= lowest && larger <= highest,
                "numbers in range, whole quotients");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The input holds the highest, lowest, count and operation texts, split at newlines.
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    QStringList texts = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    texts.resize(4);
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        for (const QString& text : texts)
            CheckConversions(text, locale);
        const ValidationResult result =
            ValidateSettings(texts[0], texts[1], texts[2], texts[3], locale);
        const bool messageFirst = result.effects.empty() ||
                                  std::holds_alternative<SettingsMessage>(result.effects.front());
        Require(result.verdict == result.effects.empty() && messageFirst,
                "verdict true exactly without messages; a message comes first");
        if (result.verdict)
            ComposeAccepted(texts, locale, qHash(bytes));
    }
    return 0;
}
