#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace tallyworth {

// Message-box icons, with the style values the messages are documented with.
enum class MessageIcon { Stop = 16, Information = 64 };

enum class SettingsField { MaxValue, MinValue, NoOfProblems };

struct SettingsMessage {
    QString text;
    MessageIcon icon = MessageIcon::Information;
    friend bool operator==(const SettingsMessage&, const SettingsMessage&) = default;
};

struct FocusMove {
    SettingsField field = SettingsField::MaxValue;
    friend bool operator==(const FocusMove&, const FocusMove&) = default;
};

using SettingsEffect = std::variant<SettingsMessage, FocusMove>;

// The three numbers the settings texts read as (ToWholeNumber).
struct SettingsNumbers {
    std::int16_t highest = 0;
    std::int16_t lowest = 0;
    std::int16_t count = 0;
    friend bool operator==(const SettingsNumbers&, const SettingsNumbers&) = default;
};

struct ValidationResult {
    bool verdict = false;
    std::vector<SettingsEffect> effects;  // in the order the window plays them back
    // What the texts read as when all three read, whether the range checks passed or not;
    // with a true verdict, the settings to use, so that nobody reads the texts again.
    std::optional<SettingsNumbers> numbers;
};

// The translation context of the settings messages.
inline constexpr const char* kValidationContext = "tallyworth::SettingsValidation";
// Title of every settings message box.
inline constexpr const char* kSettingsMessageTitle =
    QT_TRANSLATE_NOOP("tallyworth::SettingsValidation", "oops");
// Shown when the window cannot carry out a focus move of the checks.
inline constexpr const char* kCheckYourInput =
    QT_TRANSLATE_NOOP("tallyworth::SettingsValidation", "Please check your input.");

// The two texts above in the user's language.
[[nodiscard]] QString SettingsMessageTitle();
[[nodiscard]] QString CheckYourInputText();

// The numbers the range checks judge, the count as typed: 100.4 is too many although it
// would round to 100.
struct CheckedNumbers {
    int highest = 0;
    int lowest = 0;
    double count = 0.0;
};

// The range checks of the settings, wherever they come from (main window, command line,
// server or sheet code), each with its one message.
enum class RangeCheck { Count, LowestAboveHighest, HighestRange, LowestRange, LowestEqualsHighest };

// Whether the numbers fail the check.
[[nodiscard]] bool FailsRangeCheck(RangeCheck check, const CheckedNumbers& numbers);
// The check's message in the user's language.
[[nodiscard]] QString RangeCheckMessage(RangeCheck check);

// Checks the user's settings; changes nothing. The operation text is the text of the
// selected operation list entry.
ValidationResult ValidateSettings(const QString& highestText, const QString& lowestText,
                                  const QString& countText, const QString& operationText,
                                  const QLocale& locale = QLocale());

}  // namespace tallyworth
