#include "i18n/i18n_test_support.h"
#include "support/fake_user_interfaces.h"
#include "windows/main_window.h"
#include "windows/page_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>

#include <memory>

namespace tallyworth {
namespace {

using testing_support::RecordedMessage;

// A German user: German texts, and numbers written the German way.
class GermanSettingsTest : public ::testing::Test, protected testing_support::FakeUserInterfaces {
  protected:
    void SetUp() override {
        previousLocale = QLocale();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ASSERT_TRUE(InstallTranslations(QLocale(), CatalogueDirectory()));
        window = std::make_unique<MainWindow>(state, Bundle(), source);
        window->show();
    }
    void TearDown() override {
        window.reset();
        testing_support::RemoveTranslations();
        QLocale::setDefault(previousLocale);
    }
    void View(const char* lowest, const char* highest, const char* count) const {
        window->findChild<QLineEdit*>(QStringLiteral("txtMinValue"))
            ->setText(QString::fromUtf8(lowest));
        window->findChild<QLineEdit*>(QStringLiteral("txtMaxValue"))
            ->setText(QString::fromUtf8(highest));
        window->findChild<QLineEdit*>(QStringLiteral("txtNoOfProblems"))
            ->setText(QString::fromUtf8(count));
        window->View();
    }

    QLocale previousLocale;
    WorksheetState state;
    ClockSeededRandomSource source;
    std::unique_ptr<MainWindow> window;
};

// 5,5 rounds to 6 and 10,5 to 10, halves to even; a failed check speaks German.
TEST_F(GermanSettingsTest, ReadsDecimalCommasAndSaysWhatFailsInGerman) {
    View("1", "5,5", "10,5");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.highestNumber, 6);
    EXPECT_EQ(state.numberOfProblems, 10);
    View("5", "5", "10");
    EXPECT_EQ(messages.shown,
              std::vector<RecordedMessage>({{QStringLiteral("Hoppla"),
                                             QStringLiteral("Die kleinste Zahl darf nicht gleich "
                                                            "der größten Zahl sein."),
                                             MessageIcon::Information}}));
}

}  // namespace
}  // namespace tallyworth
