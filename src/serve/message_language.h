#pragma once

#include <QLocale>

#include <functional>
#include <shared_mutex>

namespace tallyworth {

// The catalogues are the application's, one set for every thread: a browser's language is
// put in front of the server's only while its texts are made, and never while a set is
// drawn, whose texts stay the server's, as the command line's are.
class MessageLanguage {
  public:
    // Runs make with language's catalogue in front; in the server's own language when sets
    // keep the catalogues busy too long.
    static void Speak(const QLocale& language, const std::function<void()>& make);
    // Held while a set is drawn.
    [[nodiscard]] static std::shared_lock<std::shared_timed_mutex> Steady();
};

}  // namespace tallyworth
