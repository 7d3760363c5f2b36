#include "core/validation.h"

#include "core/number_conversion.h"
#include "core/settings_limits.h"
#include "core/worksheet_state.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace tallyworth {

namespace {

class EffectRecorder {
  public:
    void Fail(const char* text, MessageIcon icon) {
        result_.verdict = false;
        result_.effects.emplace_back(
            SettingsMessage{QCoreApplication::translate(kValidationContext, text), icon});
    }
    void Fail(const char* text, MessageIcon icon, SettingsField focus) {
        Fail(text, icon);
        result_.effects.emplace_back(FocusMove{focus});
    }
    void Read(const SettingsNumbers& numbers) { result_.numbers = numbers; }
    ValidationResult Take() { return std::move(result_); }

  private:
    ValidationResult result_{true, {}, std::nullopt};
};

bool Outside(double value, int least, int most) {
    return value < least || value > most;
}

// The message of each range check and the field it sends the focus to, if any.
struct RangeRule {
    RangeCheck check;
    const char* text;
    std::optional<SettingsField> focus;
};

// In the order the window reports them.
constexpr std::array kRangeRules{
    RangeRule{RangeCheck::Count,
              QT_TRANSLATE_NOOP("tallyworth::SettingsValidation",
                                "Number of Problems must be between 1 and 100."),
              std::nullopt},
    RangeRule{RangeCheck::LowestAboveHighest,
              QT_TRANSLATE_NOOP("tallyworth::SettingsValidation",
                                "Lowest Number must be less than Highest Number!"),
              SettingsField::MinValue},
    RangeRule{RangeCheck::HighestRange,
              QT_TRANSLATE_NOOP("tallyworth::SettingsValidation",
                                "Highest Number must be between 1 and 99."),
              SettingsField::MaxValue},
    RangeRule{RangeCheck::LowestRange,
              QT_TRANSLATE_NOOP("tallyworth::SettingsValidation",
                                "Lowest Number must be between 1 and 99."),
              SettingsField::MinValue},
    RangeRule{RangeCheck::LowestEqualsHighest,
              QT_TRANSLATE_NOOP("tallyworth::SettingsValidation",
                                "Lowest Number cannot equal Highest Number."),
              SettingsField::MinValue},
};

const RangeRule& RuleOf(RangeCheck check) {
    return *std::ranges::find(kRangeRules, check, &RangeRule::check);
}

// The rule checks after all three texts have been read; each failing check is reported
// and the next one still runs.
void CheckRules(EffectRecorder& recorder, const CheckedNumbers& numbers,
                const QString& operationText) {
    for (const RangeRule& rule : kRangeRules) {
        if (!FailsRangeCheck(rule.check, numbers)) {
            continue;
        }
        if (rule.focus) {
            recorder.Fail(rule.text, MessageIcon::Information, *rule.focus);
        } else {
            recorder.Fail(rule.text, MessageIcon::Information);
        }
    }
    if (operationText == DivideSignText() && numbers.lowest == 0) {
        recorder.Fail(
            QT_TRANSLATE_NOOP("tallyworth::SettingsValidation", "You can't divide by zero."),
            MessageIcon::Information);
    }
}

}  // namespace

bool FailsRangeCheck(RangeCheck check, const CheckedNumbers& numbers) {
    switch (check) {
        case RangeCheck::Count:
            return Outside(numbers.count, kLeastProblems, kMostProblems);
        case RangeCheck::LowestAboveHighest:
            return numbers.lowest > numbers.highest;
        case RangeCheck::HighestRange:
            return Outside(numbers.highest, kLeastNumber, kMostNumber);
        case RangeCheck::LowestRange:
            return Outside(numbers.lowest, kLeastNumber, kMostNumber);
        case RangeCheck::LowestEqualsHighest:
            return numbers.lowest == numbers.highest;
    }
    return false;
}

QString RangeCheckMessage(RangeCheck check) {
    return QCoreApplication::translate(kValidationContext, RuleOf(check).text);
}

QString SettingsMessageTitle() {
    return QCoreApplication::translate(kValidationContext, kSettingsMessageTitle);
}

QString CheckYourInputText() {
    return QCoreApplication::translate(kValidationContext, kCheckYourInput);
}

ValidationResult ValidateSettings(const QString& highestText, const QString& lowestText,
                                  const QString& countText, const QString& operationText,
                                  const QLocale& locale) {
    EffectRecorder recorder;
    const std::optional<std::int16_t> highest = ToWholeNumber(highestText, locale);
    if (!highest) {
        recorder.Fail(QT_TRANSLATE_NOOP("tallyworth::SettingsValidation",
                                        "Please check your Highest Number."),
                      MessageIcon::Stop, SettingsField::MaxValue);
        return recorder.Take();
    }
    const std::optional<std::int16_t> lowest = ToWholeNumber(lowestText, locale);
    if (!lowest) {
        recorder.Fail(
            QT_TRANSLATE_NOOP("tallyworth::SettingsValidation", "Please check your Lowest Number."),
            MessageIcon::Stop, SettingsField::MinValue);
        return recorder.Take();
    }
    // The count must be a whole number in range, but its limits are checked on the
    // value as typed: 100.4 is too many although it would round to 100.
    const std::optional<double> count = ToRealNumber(countText, locale);
    const std::optional<std::int16_t> wholeCount = ToWholeNumber(countText, locale);
    if (!wholeCount || !count) {
        recorder.Fail(QT_TRANSLATE_NOOP("tallyworth::SettingsValidation",
                                        "Please check your Number of Problems."),
                      MessageIcon::Stop, SettingsField::NoOfProblems);
        return recorder.Take();
    }
    recorder.Read({*highest, *lowest, *wholeCount});
    CheckRules(recorder, {*highest, *lowest, *count}, operationText);
    return recorder.Take();
}

}  // namespace tallyworth
