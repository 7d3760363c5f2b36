#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class QTranslator;

namespace tallyworth {

// Where the program's catalogues lie relative to the program: the same in the build
// tree and once installed (bin/ and share/ side by side).
inline constexpr const char* kCatalogueFolder = "../share/tallyworth/translations";

// The folder of the program's catalogues for the running program.
[[nodiscard]] QString CatalogueDirectory();

// The language to speak, from the user's languages in order of preference: the first
// that is English, the program's own language, or has a catalogue in catalogueDir.
// English when none does.
[[nodiscard]] QLocale ChooseLanguage(const QStringList& uiLanguages, const QString& catalogueDir);

// Installs the program's catalogue for language from catalogueDir, and Qt's own for its
// dialogs and buttons, into the running application; for English only the program's,
// which gives the plural forms of its counted texts. Returns false when the program's
// catalogue cannot be loaded; the program then speaks English, its counts in the plural.
[[nodiscard]] bool InstallTranslations(const QLocale& language, const QString& catalogueDir);

// The start of every run, windows or command line, before any text is made: installs the
// catalogues of the language ChooseLanguage picks from the system's languages. A
// catalogue that cannot be loaded is reported as a warning, and the program speaks
// English.
void SpeakTheUsersLanguage();

// The language the program speaks: that of the thread's SpeakingIn, or else of its
// catalogue installed last, English without one. A sheet's signs follow it where the user
// chose none (LanguageSigns).
[[nodiscard]] QLocale::Language SpokenLanguage();

// The locale a sheet is drawn for: the spoken language, in the country of the thread's
// SpeakingIn, or else of the system when it speaks that language; without a country the
// language alone decides (SignsOf).
[[nodiscard]] QLocale SpokenLocale();

// One language's catalogue, loaded once and only read after, so that threads may share it.
struct Catalogue {
    QLocale::Language language = QLocale::English;
    std::unique_ptr<const QTranslator> translator;  // none when it could not be loaded
};

// Every language's catalogue from a folder, loaded at once, for a program that speaks to
// many people in their own languages at the same time (the server). Made on the main
// thread after the application's catalogues are installed and before any thread speaks,
// it makes SpeakingIn possible; the application's catalogues stay as they are.
class Catalogues {
  public:
    explicit Catalogues(const QString& catalogueDir);
    // The catalogue of the language ChooseLanguage picks from languages.
    [[nodiscard]] std::shared_ptr<const Catalogue> For(const QStringList& languages) const;

  private:
    QString catalogueDir_;
    std::map<QLocale::Language, std::shared_ptr<const Catalogue>> loaded_;
};

// While it lives, every text the running thread makes through the catalogues
// (QCoreApplication::translate and tr) comes from catalogue, or stays English where it has
// none, and SpokenLanguage is its language; other threads go on in theirs. The catalogue
// comes from a Catalogues, which must have been made first. The country, where known,
// is that of SpokenLocale.
class SpeakingIn {
  public:
    explicit SpeakingIn(std::shared_ptr<const Catalogue> catalogue,
                        QLocale::Territory territory = QLocale::AnyTerritory);
    ~SpeakingIn();
    SpeakingIn(const SpeakingIn&) = delete;
    SpeakingIn& operator=(const SpeakingIn&) = delete;

  private:
    std::shared_ptr<const Catalogue> catalogue_;
    const Catalogue* outer_;
    QLocale::Territory outerTerritory_;
};

}  // namespace tallyworth
