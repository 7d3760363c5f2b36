#include "i18n/i18n_test_support.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <array>

namespace tallyworth {
namespace {

using testing_support::CatalogueEntry;
using testing_support::ReadSourceCatalogue;

// The place holders of a text (%1, %2, ...), sorted, each as often as it occurs.
QStringList PlaceHolders(const QString& text) {
    static const QRegularExpression kPlaceHolder(QStringLiteral("%\\d+"));
    QStringList found;
    for (const QRegularExpressionMatch& match : kPlaceHolder.globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    return found;
}

class CatalogueTest : public ::testing::TestWithParam<QString> {
  protected:
    std::vector<CatalogueEntry> entries = ReadSourceCatalogue(GetParam());
};

TEST_P(CatalogueTest, EveryTextHasAFinishedTranslationWithTheSamePlaceHolders) {
    ASSERT_FALSE(entries.empty());
    for (const CatalogueEntry& entry : entries) {
        const std::string where =
            (entry.context + QStringLiteral(" / ") + entry.source).toStdString();
        EXPECT_TRUE(entry.state.isEmpty()) << where << " is " << entry.state.toStdString();
        EXPECT_FALSE(entry.translation.trimmed().isEmpty()) << where;
        for (const QString& form :
             entry.forms.isEmpty() ? QStringList{entry.translation} : entry.forms) {
            EXPECT_EQ(PlaceHolders(form), PlaceHolders(entry.source)) << where;
            // A plural form without the count would drop the number from the sentence.
            EXPECT_EQ(form.contains(u"%Ln"), entry.source.contains(u"%Ln")) << where;
        }
    }
}

// One word a language for each of the program's terms, in the windows, the help and the
// PDF alike: a teacher who reads "Klassensatz" in a menu finds it on the page.
struct Term {
    const char* language;
    const char* english;
    const char* translated;
};

// clang-format off
const std::array kGlossary{
    Term{"de", "class set", "Klassensatz"}, Term{"de", "answer key", "Lösungsbl"}, Term{"de", "carrying", "Übertrag"},
    Term{"es", "class set", "juego de fichas"}, Term{"es", "sheet code", "código de ficha"}, Term{"es", "worksheet", "ficha"},
    Term{"fr", "class set", "jeu de fiches"}, Term{"fr", "answer key", "corrigé"}, Term{"fr", "lowest number", "plus petit nombre"},
    Term{"nl", "class set", "klassenset"}, Term{"nl", "sheet code", "werkbladcode"}, Term{"nl", "highest number", "grootste getal"},
};
// clang-format on

QString Plain(const QString& text) {
    return QString(text).remove(u'&').toLower();
}

TEST(CatalogueTermsTest, EachTermHasOneTranslationALanguage) {
    for (const Term& term : kGlossary) {
        for (const CatalogueEntry& entry :
             ReadSourceCatalogue(QString::fromLatin1(term.language))) {
            if (Plain(entry.source).contains(QString::fromUtf8(term.english))) {
                EXPECT_TRUE(
                    Plain(entry.translation).contains(QString::fromUtf8(term.translated).toLower()))
                    << term.language << ": " << entry.translation.toStdString() << " lacks "
                    << term.translated;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, CatalogueTest, ::testing::ValuesIn(testing_support::kLanguages),
                         testing_support::LanguageName);

}  // namespace
}  // namespace tallyworth
