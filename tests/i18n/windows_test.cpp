#include "i18n/i18n_test_support.h"
#include "support/caption_checks.h"
#include "support/fake_user_interfaces.h"
#include "windows/about_box.h"
#include "windows/class_set_dialog.h"
#include "windows/main_window.h"
#include "windows/page_window.h"
#include "windows/problem_rules_dialog.h"
#include "windows/sheet_code_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <initializer_list>
#include <memory>
#include <set>

namespace tallyworth {
namespace {

QStringList AccessKeyClashes(const QList<QAction*>& items, const QString& where) {
    QStringList found;
    std::set<QString> keys;
    for (const QAction* item : items) {
        if (item->isSeparator()) {
            continue;
        }
        const QString key = QKeySequence::mnemonic(item->text()).toString();
        if (key.isEmpty() || !keys.insert(key.toLower()).second) {
            found << QStringLiteral("%1: '%2' (%3)").arg(where, item->text(), key);
        }
    }
    return found;
}

// Items without an access key, or sharing one with another item of their menu; the lines
// between groups of items are no items.
QStringList AccessKeyClashes(QMainWindow& window) {
    QStringList found = AccessKeyClashes(window.menuBar()->actions(), QStringLiteral("menu bar"));
    for (const QAction* menu : window.menuBar()->actions()) {
        found << AccessKeyClashes(menu->menu()->actions(), menu->objectName());
    }
    return found;
}

// Prompts that lead nowhere or share their access key with another control of the dialog.
QStringList DialogAccessKeyClashes(const QDialog& dialog) {
    QStringList found;
    std::set<QString> keys;
    const auto check = [&](const QString& caption, bool needsKey) {
        const QString key = QKeySequence::mnemonic(caption).toString().toLower();
        if ((key.isEmpty() && needsKey) || (!key.isEmpty() && !keys.insert(key).second)) {
            found << QStringLiteral("'%1' (%2)").arg(caption, key);
        }
    };
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            check(label->text(), true);
        }
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        const bool choice = qobject_cast<const QPushButton*>(button) == nullptr;
        check(button->text(), choice);
    }
    return found;
}

// Shown controls that take the focus but have no name, found through the accessibility
// interfaces as a screen reader finds them: "role objectName" each.
void CollectUnnamed(QAccessibleInterface* node, QStringList& found) {
    if (node == nullptr || node->state().invisible) {
        return;
    }
    if (node->state().focusable && node->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* object = node->object();
        found << QStringLiteral("%1 %2")
                     .arg(static_cast<int>(node->role()))
                     .arg(object != nullptr ? object->objectName() : QString());
    }
    for (int child = 0; child < node->childCount(); ++child) {
        CollectUnnamed(node->child(child), found);
    }
}

QStringList Unnamed(QWidget& window) {
    QStringList found;
    CollectUnnamed(QAccessible::queryAccessibleInterface(&window), found);
    return found;
}

// The windows and dialogs of a run in one language.
class WindowsTest : public ::testing::TestWithParam<QString>,
                    protected testing_support::FakeUserInterfaces {
  protected:
    void SetUp() override {
        ASSERT_TRUE(InstallTranslations(QLocale(GetParam()), CatalogueDirectory()));
        window = std::make_unique<MainWindow>(state, Bundle(), source);
        window->show();
        window->View();
        window->OpenAbout();
        codeDialog = std::make_unique<SheetCodeDialog>();
        codeDialog->show();
        setDialog = std::make_unique<ClassSetDialog>();
        setDialog->show();
        window->OpenProblemRules();
        rules = window->OpenRulesDialog();
    }
    void TearDown() override {
        window.reset();
        testing_support::RemoveTranslations();
    }
    [[nodiscard]] PageWindow* Page() const { return window->ExistingPageWindow(); }
    std::vector<QWidget*> Windows() {
        return {window.get(),     Page(),          window->OpenAboutBox(),
                codeDialog.get(), setDialog.get(), rules};
    }

    WorksheetState state;
    ClockSeededRandomSource source;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<SheetCodeDialog> codeDialog;
    std::unique_ptr<ClassSetDialog> setDialog;
    ProblemRulesDialog* rules = nullptr;
};

TEST_P(WindowsTest, EveryCaptionFitsItsControl) {
    for (const QWidget* shown : Windows()) {
        for (const QWidget* control : testing_support::CaptionedControls(*shown)) {
            testing_support::ExpectCaptionFits(*control);
        }
    }
}

TEST_P(WindowsTest, EveryControlThatTakesTheFocusHasAName) {
    for (QWidget* shown : Windows()) {
        EXPECT_EQ(Unnamed(*shown), QStringList()) << shown->objectName().toStdString();
    }
}

// Every prompt, check box and option of a dialog has its own access key, different from
// those of the dialog's buttons, whatever the desktop calls them; so has every menu item.
TEST_P(WindowsTest, AccessKeysAreUniqueInEachDialogAndMenu) {
    for (const QDialog* dialog :
         std::initializer_list<const QDialog*>{codeDialog.get(), setDialog.get(), rules}) {
        EXPECT_EQ(DialogAccessKeyClashes(*dialog), QStringList())
            << dialog->objectName().toStdString();
    }
    EXPECT_EQ(AccessKeyClashes(*window), QStringList());
    EXPECT_EQ(AccessKeyClashes(*Page()), QStringList());
    Page()->ToggleSolutions();  // the solutions item now offers to hide them
    EXPECT_EQ(AccessKeyClashes(*Page()), QStringList());
}

// English, the design's own captions, is held to the same rules.
INSTANTIATE_TEST_SUITE_P(Languages, WindowsTest,
                         ::testing::ValuesIn(QStringList{QStringLiteral("en")} +
                                             testing_support::kLanguages),
                         testing_support::LanguageName);

}  // namespace
}  // namespace tallyworth
