#include "serve/message_language.h"

#include "core/translations.h"

#include <QCoreApplication>
#include <QTranslator>

#include <chrono>
#include <map>
#include <mutex>

namespace tallyworth {

namespace {

std::shared_timed_mutex& Catalogues() {
    static std::shared_timed_mutex catalogues;
    return catalogues;
}

// Loaded once each and kept, under the exclusive lock.
QTranslator* TranslatorFor(QLocale::Language language) {
    static std::map<QLocale::Language, QTranslator*> loaded;
    if (const auto found = loaded.find(language); found != loaded.end()) {
        return found->second;
    }
    auto* translator = new QTranslator;
    if (!translator->load(QLocale(language), QStringLiteral("tallyworth"), QStringLiteral("_"),
                          CatalogueDirectory())) {
        delete translator;
        translator = nullptr;
    }
    loaded[language] = translator;
    return translator;
}

// A request for a page or a message waits this long at most for the sets being drawn.
constexpr std::chrono::seconds kLongestWait{2};

}  // namespace

void MessageLanguage::Speak(const QLocale& language, const std::function<void()>& make) {
    if (language.language() != SpokenLanguage()) {
        std::unique_lock exclusive(Catalogues(), kLongestWait);
        if (exclusive.owns_lock()) {
            // The server's catalogues step aside: English's holds only plurals, and would
            // let the server's language through.
            const QList<QTranslator*> servers =
                QCoreApplication::instance()->findChildren<QTranslator*>();
            for (QTranslator* server : servers) {
                QCoreApplication::removeTranslator(server);
            }
            QTranslator* translator = TranslatorFor(language.language());
            if (translator != nullptr) {
                QCoreApplication::installTranslator(translator);
            }
            make();
            if (translator != nullptr) {
                QCoreApplication::removeTranslator(translator);
            }
            for (QTranslator* server : servers) {
                QCoreApplication::installTranslator(server);
            }
            return;
        }
    }
    const std::shared_lock shared(Catalogues());
    make();
}

std::shared_lock<std::shared_timed_mutex> MessageLanguage::Steady() {
    return std::shared_lock(Catalogues());
}

}  // namespace tallyworth
