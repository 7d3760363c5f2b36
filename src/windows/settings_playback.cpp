#include "windows/settings_playback.h"

#include <variant>

namespace tallyworth {

bool PlayBackSettings(const ValidationResult& result, UserMessages& messages,
                      const std::function<bool(SettingsField)>& moveFocus) {
    const QString title = SettingsMessageTitle();
    MessageIcon lastIcon = MessageIcon::Information;
    for (const SettingsEffect& effect : result.effects) {
        if (const auto* message = std::get_if<SettingsMessage>(&effect)) {
            messages.ShowMessage(title, message->text, message->icon);
            lastIcon = message->icon;
            continue;
        }
        // A field that cannot take the focus is harmless after an unreadable number
        // (the check has already failed) but stops the checks of the rules.
        if (!moveFocus(std::get<FocusMove>(effect).field) && lastIcon != MessageIcon::Stop) {
            messages.ShowMessage(title, CheckYourInputText(), MessageIcon::Stop);
            return false;
        }
    }
    return result.verdict;
}

}  // namespace tallyworth
