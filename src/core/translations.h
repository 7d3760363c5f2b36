#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

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

// The language the program speaks: that of its catalogue installed last, English without
// one. A sheet's signs follow it where the user chose none (LanguageSigns).
[[nodiscard]] QLocale::Language SpokenLanguage();

}  // namespace tallyworth
