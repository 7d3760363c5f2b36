#include "core/page_options.h"
#include "core/problem_rules.h"
#include "core/translations.h"
#include "i18n/i18n_test_support.h"
#include "support/named_cases.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <array>
#include <latch>
#include <optional>
#include <string>
#include <thread>

namespace tallyworth {
namespace {

using namespace Qt::StringLiterals;

struct ChoiceCase {
    const char* name;
    QStringList uiLanguages;
    QLocale::Language expected;
};

class ChooseLanguageTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ChooseLanguageTest, TakesTheFirstLanguageThatIsEnglishOrHasACatalogue) {
    EXPECT_EQ(ChooseLanguage(GetParam().uiLanguages, CatalogueDirectory()).language(),
              GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(UserLanguages, ChooseLanguageTest, ::testing::Values(
    ChoiceCase{"SpanishInMexico", {u"es-MX"_s}, QLocale::Spanish},
    ChoiceCase{"ItalianHasNoCatalogueSoDutchIsNext", {u"it-IT"_s, u"nl"_s}, QLocale::Dutch},
    ChoiceCase{"EnglishBeforeGermanStaysEnglish", {u"en-GB"_s, u"de-DE"_s}, QLocale::English}),
    testing_support::kCaseName);
// clang-format on

class InstallTranslationsTest : public ::testing::Test {
  protected:
    void TearDown() override { testing_support::RemoveTranslations(); }
};

TEST_F(InstallTranslationsTest, GermanTranslatesTheProgramAndQtsOwnButtons) {
    ASSERT_TRUE(
        InstallTranslations(QLocale(QLocale::German, QLocale::Germany), CatalogueDirectory()));
    EXPECT_EQ(QCoreApplication::translate("tallyworth::MainWindow", "Lowest Number"),
              QStringLiteral("Kleinste Zahl"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

// English takes only its plural forms: one problem is a problem, and Qt's buttons stay.
TEST_F(InstallTranslationsTest, EnglishCountsInTheSingularAndThePlural) {
    ASSERT_TRUE(InstallTranslations(QLocale(QLocale::English), CatalogueDirectory()));
    EXPECT_EQ(QCoreApplication::instance()->findChildren<QTranslator*>().size(), 1);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    EXPECT_EQ(PossibleProblemsText(1, 1), QStringLiteral("1 different problem"));
    EXPECT_EQ(PossibleProblemsText(2, 2), QStringLiteral("2 different problems"));
}

// Fewer problems than asked: one repeats as "it", more as "some", in each language.
struct RepeatCase {
    const char* name;
    QLocale::Language language;
    const char* one;
    const char* two;
};

class RepeatCountTest : public InstallTranslationsTest,
                        public ::testing::WithParamInterface<RepeatCase> {};

TEST_P(RepeatCountTest, SaysWhatRepeatsInTheSingularAndThePlural) {
    ASSERT_TRUE(InstallTranslations(QLocale(GetParam().language), CatalogueDirectory()));
    EXPECT_EQ(PossibleProblemsText(1, 2), QString::fromUtf8(GetParam().one));
    EXPECT_EQ(PossibleProblemsText(2, 3), QString::fromUtf8(GetParam().two));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Languages, RepeatCountTest, ::testing::Values(
    RepeatCase{"en", QLocale::English, "only 1 different problem: it will repeat", "only 2 different problems: some will repeat"},
    RepeatCase{"de", QLocale::German, "nur 1 mögliche Aufgabe: sie wird sich wiederholen", "nur 2 verschiedene Aufgaben: manche werden sich wiederholen"},
    RepeatCase{"es", QLocale::Spanish, "solo 1 ejercicio distinto: se repetirá", "solo 2 ejercicios distintos: algunos se repetirán"},
    RepeatCase{"fr", QLocale::French, "seulement 1 calcul différent\u00A0: il se répétera", "seulement 2 calculs différents\u00A0: certains se répéteront"},
    RepeatCase{"nl", QLocale::Dutch, "maar 1 verschillende som: die komt vaker voor", "maar 2 verschillende sommen: sommige komen vaker voor"}),
    testing_support::kCaseName);
// clang-format on

// Where no catalogue lies the program chooses English and stays in it.
TEST_F(InstallTranslationsTest, MissingCatalogueLeavesTheProgramInEnglish) {
    const QTemporaryDir empty;
    EXPECT_EQ(ChooseLanguage({QStringLiteral("de-DE")}, empty.path()).language(), QLocale::English);
    EXPECT_FALSE(InstallTranslations(QLocale(QLocale::French), empty.path()));
    EXPECT_EQ(QCoreApplication::translate("tallyworth::MainWindow", "View"),
              QStringLiteral("View"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

// Two threads speak two languages at the same time, each in its own while the other is in
// the middle of its texts, and the application's own language stays for everyone else.
TEST(SpeakingInTest, EachThreadSpeaksItsOwnLanguageAtOnce) {
    const Catalogues catalogues(CatalogueDirectory());
    std::latch bothSpeaking(2);
    std::latch bothAsked(2);
    const auto speak = [&](const QString& language, QString& said, QLocale::Language& spoken) {
        const SpeakingIn speaking(catalogues.For({language}));
        bothSpeaking.arrive_and_wait();
        said = QCoreApplication::translate("tallyworth::MainWindow", "Lowest Number");
        spoken = SpokenLanguage();
        bothAsked.arrive_and_wait();
    };
    QString german;
    QString french;
    QLocale::Language germanSpoken = QLocale::AnyLanguage;
    QLocale::Language frenchSpoken = QLocale::AnyLanguage;
    std::thread first([&] { speak(u"de-AT"_s, german, germanSpoken); });
    std::thread second([&] { speak(u"fr"_s, french, frenchSpoken); });
    first.join();
    second.join();
    EXPECT_EQ(german, u"Kleinste Zahl"_s);
    EXPECT_EQ(french, u"Plus petit nombre"_s);
    EXPECT_EQ(germanSpoken, QLocale::German);
    EXPECT_EQ(frenchSpoken, QLocale::French);
    EXPECT_EQ(QCoreApplication::translate("tallyworth::MainWindow", "Lowest Number"),
              u"Lowest Number"_s);
    EXPECT_EQ(SpokenLanguage(), QLocale::English);
}

struct CountryCase {
    const char* name;
    const char* thread;  // the language of the thread's SpeakingIn, "" for none
    QLocale::Territory territory;
    const char* system;  // the locale the system is in
    WrittenMethod method;
};

// clang-format off
const std::array kCountries{
    CountryCase{"SystemInBritain", "", QLocale::AnyTerritory, "en_GB", WrittenMethod::English},
    CountryCase{"SystemOfAnotherLanguage", "", QLocale::AnyTerritory, "nl_BE", WrittenMethod::American},
    CountryCase{"ThreadInMexico", "es", QLocale::Mexico, "en_GB", WrittenMethod::Mexican},
    CountryCase{"ThreadInBelgium", "nl", QLocale::Belgium, "nl_NL", WrittenMethod::French},
    CountryCase{"ThreadWithoutACountry", "es", QLocale::AnyTerritory, "es_MX", WrittenMethod::Spanish},
};
// clang-format on

class SpokenLocaleTest : public ::testing::TestWithParam<CountryCase> {};

// A sheet's written method follows the country of the thread that draws it, or of the
// system when the program speaks its language.
TEST_P(SpokenLocaleTest, ItsCountryChoosesTheWrittenMethod) {
    const Catalogues catalogues(CatalogueDirectory());
    const QLocale before;
    QLocale::setDefault(QLocale(QString::fromLatin1(GetParam().system)));
    std::optional<SpeakingIn> speaking;
    if (*GetParam().thread != 0) {
        speaking.emplace(catalogues.For({QString::fromLatin1(GetParam().thread)}),
                         GetParam().territory);
    }
    const WrittenMethod method = SignsOf(PageOptions{}, SpokenLocale()).method;
    speaking.reset();
    QLocale::setDefault(before);
    EXPECT_EQ(method, GetParam().method);
}

INSTANTIATE_TEST_SUITE_P(Countries, SpokenLocaleTest, ::testing::ValuesIn(kCountries),
                         testing_support::kCaseName);

// English speaks English in a program that speaks German: its catalogue holds only plurals.
TEST_F(InstallTranslationsTest, EnglishSpokenInAGermanProgramStaysEnglish) {
    ASSERT_TRUE(InstallTranslations(QLocale(QLocale::German), CatalogueDirectory()));
    const Catalogues catalogues(CatalogueDirectory());
    const SpeakingIn speaking(catalogues.For({u"en-GB"_s}));
    EXPECT_EQ(QCoreApplication::translate("tallyworth::MainWindow", "Lowest Number"),
              u"Lowest Number"_s);
    EXPECT_EQ(PossibleProblemsText(1, 1), QStringLiteral("1 different problem"));
}

}  // namespace
}  // namespace tallyworth
