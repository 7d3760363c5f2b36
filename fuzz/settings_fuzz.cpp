// Feeds arbitrary settings texts to the number conversions, the settings checks and,
// when the checks pass, the composer, and stops on any broken promise.
#include "core/composer.h"
#include "core/number_conversion.h"
#include "core/operations.h"
#include "core/rounding.h"
#include "core/validation.h"
#include "core/worksheet_state.h"

#include <QLocale>
#include <QString>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string_view>
#include <variant>

namespace {

using namespace tallyworth;

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

// Splits the input at newlines into the highest, lowest, count and operation texts.
std::array<QString, 4> SplitTexts(std::string_view input) {
    std::array<QString, 4> texts;
    for (std::size_t field = 0; field < texts.size(); ++field) {
        const std::size_t end = field + 1 < texts.size() ? input.find('\n') : input.npos;
        const std::string_view part = input.substr(0, end);
        texts[field] = QString::fromUtf8(part.data(), static_cast<qsizetype>(part.size()));
        input = end == input.npos ? std::string_view{} : input.substr(end + 1);
    }
    return texts;
}

void CheckConversions(const QString& text, const QLocale& locale) {
    const std::optional<std::int16_t> whole = ToWholeNumber(text, locale);
    const std::optional<double> real = ToRealNumber(text, locale);
    if (whole) {
        Require(real.has_value(), "a whole number is also a real number");
        Require(RoundHalfToEven(*real) == *whole, "whole is the real rounded half to even");
    }
    if (real) {
        Require(std::isfinite(*real), "real numbers are finite");
        const double rounded = RoundHalfToEven(*real);
        const bool fits = rounded >= std::numeric_limits<std::int16_t>::min() &&
                          rounded <= std::numeric_limits<std::int16_t>::max();
        Require(fits == whole.has_value(), "whole fails exactly when out of range");
    }
    if (text.trimmed().isEmpty()) {
        Require(!real.has_value(), "empty or blank text fails");
    }
}

// Fractions from a small generator seeded by the input, so runs reproduce.
class InputSource final : public RandomSource {
  public:
    explicit InputSource(std::uint64_t seed) : state_(seed) {}
    float NextFraction() override {
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t mixed = state_;
        mixed = (mixed ^ (mixed >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        mixed = (mixed ^ (mixed >> 27U)) * 0x94D049BB133111EBULL;
        mixed ^= mixed >> 31U;
        return static_cast<float>(mixed >> 40U) * (1.0F / 16777216.0F);
    }
    void Reseed() override {}

  private:
    std::uint64_t state_;
};

class QuietHost final : public ComposerHost {
  public:
    explicit QuietHost(bool allowNegative) : allowNegative_(allowNegative) {}
    void SetProgressRange(int /*minimum*/, int /*maximum*/) override {}
    void SetProgressValue(int /*value*/) override {}
    [[nodiscard]] bool AllowsNegativeResults() const override { return allowNegative_; }

  private:
    bool allowNegative_;
};

class IgnoredList final : public OperationList {
  public:
    void AppendOperation(const QString& /*symbol*/) override {}
};

void ComposeAccepted(const std::array<QString, 4>& texts, const QLocale& locale,
                     std::uint64_t seed) {
    const auto highest = ToWholeNumber(texts[0], locale);
    const auto lowest = ToWholeNumber(texts[1], locale);
    const auto count = ToWholeNumber(texts[2], locale);
    Require(highest && lowest && count, "accepted settings convert");
    Require(1 <= *lowest && *lowest < *highest && *highest <= 99, "accepted range");
    Require(1 <= *count && *count <= 100, "accepted count");

    WorksheetState state;
    IgnoredList list;
    InitGlobals(state, list);
    state.gOperation = static_cast<std::int16_t>(1 + seed % 5);
    state.gShowCellNumbers = *lowest == 61 && *highest == 62;
    state.gLowestNumber = *lowest;
    state.gHighestNumber = *highest;
    state.gNumberOfProblems = *count;
    InputSource source(seed);
    QuietHost host((seed & 8U) != 0U);
    const ProblemSet set = ComposeProblems(state, source, host);
    Require(set.problems.size() == static_cast<std::size_t>(*count), "one entry per problem");
    for (const ProblemEntry& entry : set.problems) {
        Require(entry.First >= *lowest && entry.First <= *highest, "first number in range");
        Require(entry.Second >= *lowest && entry.Second <= *highest, "second number in range");
        if (entry.Operator == DivideSignText() && !state.gShowCellNumbers) {
            Require(entry.First % entry.Second == 0, "whole quotients");
        }
    }
}

void CheckValidation(const std::array<QString, 4>& texts, const QLocale& locale,
                     std::uint64_t seed) {
    const ValidationResult result =
        ValidateSettings(texts[0], texts[1], texts[2], texts[3], locale);
    Require(result.verdict == result.effects.empty(), "verdict true exactly without messages");
    Require(result.effects.size() <= 12, "at most every check once");
    if (!result.effects.empty()) {
        Require(std::holds_alternative<SettingsMessage>(result.effects.front()),
                "a message comes first");
    }
    if (result.verdict) {
        const auto count = ToRealNumber(texts[2], locale);
        Require(count && *count >= 1.0 && *count <= 100.0, "accepted count in 1..100");
        ComposeAccepted(texts, locale, seed);
    }
}

std::uint64_t Fingerprint(std::string_view input) {
    std::uint64_t hash = 1469598103934665603ULL;
    for (const char byte : input) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211ULL;
    }
    return hash;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QLocale german(QLocale::German, QLocale::Germany);
    static const QLocale plain = QLocale::c();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::array<QString, 4> texts = SplitTexts(input);
    const std::uint64_t seed = Fingerprint(input);
    for (const QLocale* locale : {&plain, &german}) {
        for (const QString& text : texts) {
            CheckConversions(text, *locale);
        }
        CheckValidation(texts, *locale, seed);
    }
    return 0;
}
