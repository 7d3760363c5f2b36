#pragma once

#include "core/validation.h"
#include "windows/user_interfaces.h"

#include <functional>

namespace tallyworth {

// Plays the settings checks' effects back in a window: each message shown in a message box,
// each focus move made by moveFocus, which says whether the field could take the focus.
// True when the settings passed the checks and every focus move was made; a field that
// cannot take the focus is harmless after an unreadable number but stops the checks of the
// rules with a request to check the input.
[[nodiscard]] bool PlayBackSettings(const ValidationResult& result, UserMessages& messages,
                                    const std::function<bool(SettingsField)>& moveFocus);

}  // namespace tallyworth
