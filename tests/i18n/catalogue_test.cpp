#include "i18n/i18n_test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>
#include <set>

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

std::set<std::pair<QString, QString>> SourceTexts(const std::vector<CatalogueEntry>& entries) {
    std::set<std::pair<QString, QString>> texts;
    for (const CatalogueEntry& entry : entries) {
        texts.insert({entry.context, entry.source});
    }
    return texts;
}

class CatalogueTest : public ::testing::TestWithParam<QString> {
  protected:
    [[nodiscard]] QString BuiltCatalogue() const {
        return QDir(CatalogueDirectory())
            .filePath(QStringLiteral("tallyworth_%1.qm").arg(GetParam()));
    }
    std::vector<CatalogueEntry> entries = ReadSourceCatalogue(GetParam());
};

TEST_P(CatalogueTest, EveryTextHasAFinishedTranslationWithTheSamePlaceHolders) {
    ASSERT_FALSE(entries.empty());
    for (const CatalogueEntry& entry : entries) {
        const std::string where =
            (entry.context + QStringLiteral(" / ") + entry.source).toStdString();
        EXPECT_TRUE(entry.state.isEmpty()) << where << " is " << entry.state.toStdString();
        EXPECT_FALSE(entry.translation.trimmed().isEmpty()) << where;
        EXPECT_EQ(PlaceHolders(entry.translation), PlaceHolders(entry.source)) << where;
    }
}

TEST_P(CatalogueTest, BuiltCatalogueHoldsEveryTranslationOfItsSource) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(BuiltCatalogue())) << BuiltCatalogue().toStdString();
    EXPECT_EQ(QLocale(translator.language()).language(), QLocale(GetParam()).language());
    for (const CatalogueEntry& entry : entries) {
        EXPECT_EQ(translator.translate(entry.context.toUtf8().constData(),
                                       entry.source.toUtf8().constData()),
                  entry.translation)
            << entry.source.toStdString();
    }
}

TEST_P(CatalogueTest, HoldsTheSameTextsAsEveryOtherLanguage) {
    const auto texts = SourceTexts(entries);
    for (const QString& other : testing_support::kLanguages) {
        EXPECT_EQ(SourceTexts(ReadSourceCatalogue(other)), texts) << other.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, CatalogueTest, ::testing::ValuesIn(testing_support::kLanguages),
                         testing_support::LanguageName);

}  // namespace
}  // namespace tallyworth
