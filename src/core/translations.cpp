#include "core/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

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
    // The program's catalogue installed last is the one the texts come from.
    const QList<QTranslator*> catalogues = QCoreApplication::instance()->findChildren<QTranslator*>(
        QString::fromLatin1(kCatalogueName), Qt::FindDirectChildrenOnly);
    return catalogues.isEmpty() ? QLocale::English
                                : QLocale(catalogues.constLast()->language()).language();
}

}  // namespace tallyworth
