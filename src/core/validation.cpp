#include "core/validation.h"

#include "core/number_conversion.h"
#include "core/settings_limits.h"
#include "core/worksheet_state.h"

#include <QCoreApplication>

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
    ValidationResult Take() { return std::move(result_); }

  private:
    ValidationResult result_{true, {}};
};

bool OutsideAllowedRange(int value) {
    return value < kLeastNumber || value > kMostNumber;
}

// The rule checks after all three texts have been read; each failing check is reported
// and the next one still runs.
void CheckRules(EffectRecorder& recorder, int highest, int lowest, double count,
                const QString& operationText) {
    if (count > kMostProblems || count < kLeastProblems) {
        recorder.Fail(QT_TRANSLATE_NOOP("tallyworth::SettingsValidation",
                                        "Number of Problems must be between 1 and 100."),
                      MessageIcon::Information);
    }
    if (lowest > highest) {
        recorder.Fail(QT_TRANSLATE_NOOP("tallyworth::SettingsValidation",
                                        "Lowest Number must be less than Highest Number!"),
                      MessageIcon::Information, SettingsField::MinValue);
    }
    if (OutsideAllowedRange(highest)) {
        recorder.Fail(QT_TRANSLATE_NOOP("tallyworth::SettingsValidation",
                                        "Highest Number must be between 1 and 99."),
                      MessageIcon::Information, SettingsField::MaxValue);
    }
    if (OutsideAllowedRange(lowest)) {
        recorder.Fail(QT_TRANSLATE_NOOP("tallyworth::SettingsValidation",
                                        "Lowest Number must be between 1 and 99."),
                      MessageIcon::Information, SettingsField::MinValue);
    }
    if (lowest == highest) {
        recorder.Fail(QT_TRANSLATE_NOOP("tallyworth::SettingsValidation",
                                        "Lowest Number cannot equal Highest Number."),
                      MessageIcon::Information, SettingsField::MinValue);
    }
    if (operationText == DivideSignText() && lowest == 0) {
        recorder.Fail(
            QT_TRANSLATE_NOOP("tallyworth::SettingsValidation", "You can't divide by zero."),
            MessageIcon::Information);
    }
}

}  // namespace

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
    if (!ToWholeNumber(countText, locale) || !count) {
        recorder.Fail(QT_TRANSLATE_NOOP("tallyworth::SettingsValidation",
                                        "Please check your Number of Problems."),
                      MessageIcon::Stop, SettingsField::NoOfProblems);
        return recorder.Take();
    }
    CheckRules(recorder, *highest, *lowest, *count, operationText);
    return recorder.Take();
}

}  // namespace tallyworth
