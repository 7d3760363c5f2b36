#include "i18n/i18n_test_support.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

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
        EXPECT_FALSE(entry.forms.isEmpty()) << where;
        for (const QString& form : entry.forms) {
            EXPECT_FALSE(form.trimmed().isEmpty()) << where;
            EXPECT_EQ(PlaceHolders(form), PlaceHolders(entry.source)) << where;
            // A plural form without the count would drop the number from the sentence.
            EXPECT_EQ(form.contains(u"%Ln"), entry.source.contains(u"%Ln")) << where;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, CatalogueTest, ::testing::ValuesIn(testing_support::kLanguages),
                         testing_support::LanguageName);

}  // namespace
}  // namespace tallyworth
