#include "core/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <utility>

namespace tallyworth {

namespace {

constexpr const char* kCatalogueName = "tallyworth";

QString CataloguePath(const QString& catalogueDir, QLocale::Language language) {
    return QDir(catalogueDir)
        .filePath(QStringLiteral("%1_%2.qm")
                      .arg(QString::fromLatin1(kCatalogueName), QLocale::languageToCode(language)));
}

// A translator owned by the application, so that it lives as long as the windows.
bool InstallCatalogue(const QLocale& language, const QString& name, const QString& dir) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(name);
    if (!translator->load(language, name, QStringLiteral("_"), dir) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

// The catalogue of the running thread's SpeakingIn; none outside one.
thread_local const Catalogue* speaking = nullptr;
thread_local QLocale::Territory speakingTerritory = QLocale::AnyTerritory;

// Installed in front of the application's catalogues: it answers from the running
// thread's catalogue, and leaves a thread outside a SpeakingIn to the application's.
class ThreadCatalogue final : public QTranslator {
  public:
    [[nodiscard]] QString translate(const char* context, const char* sourceText,
                                    const char* disambiguation, int n) const override {
        if (speaking == nullptr) {
            return {};
        }
        QString text;
        if (speaking->translator) {
            text = speaking->translator->translate(context, sourceText, disambiguation, n);
        }
        // A text the catalogue lacks stays English rather than fall through to the
        // application's language.
        return text.isNull() ? QString::fromUtf8(sourceText) : text;
    }
    [[nodiscard]] bool isEmpty() const override { return false; }
};

// In front of the catalogues installed so far: one installed later would answer first.
void PutThreadCatalogueInFront() {
    static ThreadCatalogue threadCatalogue;
    QCoreApplication::removeTranslator(&threadCatalogue);
    QCoreApplication::installTranslator(&threadCatalogue);
}

std::shared_ptr<const Catalogue> LoadCatalogue(QLocale::Language language, const QString& dir) {
    auto catalogue = std::make_shared<Catalogue>();
    catalogue->language = language;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QLocale(language), QString::fromLatin1(kCatalogueName),
                         QStringLiteral("_"), dir)) {
        catalogue->translator = std::move(translator);
    }
    return catalogue;
}

}  // namespace

QString CatalogueDirectory() {
    return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                               .filePath(QString::fromLatin1(kCatalogueFolder)));
}

QLocale ChooseLanguage(const QStringList& uiLanguages, const QString& catalogueDir) {
    for (const QString& name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English) {
            break;
        }
        if (language != QLocale::C && QFileInfo::exists(CataloguePath(catalogueDir, language))) {
            return QLocale(name);
        }
    }
    return QLocale(QLocale::English);
}

bool InstallTranslations(const QLocale& language, const QString& catalogueDir) {
    if (!InstallCatalogue(language, QString::fromLatin1(kCatalogueName), catalogueDir)) {
        return false;
    }
    // English's catalogue holds only the plural forms of its counted texts, and Qt's
    // dialogs speak English without one.
    if (language.language() == QLocale::English) {
        return true;
    }
    // Qt's own catalogue may be missing (its package is only recommended); the
    // program's texts are translated all the same.
    (void)InstallCatalogue(language, QStringLiteral("qtbase"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

void SpeakTheUsersLanguage() {
    const QString catalogues = CatalogueDirectory();
    if (!InstallTranslations(ChooseLanguage(QLocale::system().uiLanguages(), catalogues),
                             catalogues)) {
        qWarning("Tallyworth: the catalogue of the user's language could not be loaded");
    }
}

QLocale::Language SpokenLanguage() {
    if (speaking != nullptr) {
        return speaking->language;
    }
    // The program's catalogue installed last is the one the texts come from.
    const QList<QTranslator*> catalogues = QCoreApplication::instance()->findChildren<QTranslator*>(
        QString::fromLatin1(kCatalogueName), Qt::FindDirectChildrenOnly);
    return catalogues.isEmpty() ? QLocale::English
                                : QLocale(catalogues.constLast()->language()).language();
}

QLocale SpokenLocale() {
    const QLocale::Language language = SpokenLanguage();
    if (speaking != nullptr) {
        return {language, speakingTerritory};
    }
    const QLocale system;
    return {language, system.language() == language ? system.territory() : QLocale::AnyTerritory};
}

Catalogues::Catalogues(const QString& catalogueDir) : catalogueDir_(catalogueDir) {
    PutThreadCatalogueInFront();
    const QStringList files =
        QDir(catalogueDir)
            .entryList({QStringLiteral("%1_*.qm").arg(QString::fromLatin1(kCatalogueName))},
                       QDir::Files);
    for (const QString& file : files) {
        const QString code = file.section(u'_', 1).section(u'.', 0, 0);
        const QLocale::Language language = QLocale::codeToLanguage(code);
        if (language != QLocale::AnyLanguage) {
            loaded_[language] = LoadCatalogue(language, catalogueDir);
        }
    }
    if (!loaded_.contains(QLocale::English)) {
        loaded_[QLocale::English] = std::make_shared<const Catalogue>();
    }
}

std::shared_ptr<const Catalogue> Catalogues::For(const QStringList& languages) const {
    const auto found = loaded_.find(ChooseLanguage(languages, catalogueDir_).language());
    return found != loaded_.end() ? found->second : loaded_.at(QLocale::English);
}

SpeakingIn::SpeakingIn(std::shared_ptr<const Catalogue> catalogue, QLocale::Territory territory)
    : catalogue_(std::move(catalogue)), outer_(speaking), outerTerritory_(speakingTerritory) {
    speaking = catalogue_.get();
    speakingTerritory = territory;
}

SpeakingIn::~SpeakingIn() {
    speaking = outer_;
    speakingTerritory = outerTerritory_;
}

}  // namespace tallyworth
