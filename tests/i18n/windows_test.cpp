#include "i18n/i18n_test_support.h"
#include "support/caption_checks.h"
#include "support/fake_user_interfaces.h"
#include "windows/about_box.h"
#include "windows/class_set_dialog.h"
#include "windows/focus_ring.h"
#include "windows/main_window.h"
#include "windows/page_options_dialog.h"
#include "windows/page_window.h"
#include "windows/problem_rules_dialog.h"
#include "windows/sheet_code_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <initializer_list>
#include <map>
#include <memory>
#include <set>

namespace tallyworth {
namespace {

// Captions lacking the access key they need, or sharing one with another of their group.
struct AccessKeys {
    QStringList clashes;
    std::set<QString> keys;
    void Check(const QString& caption, bool needsKey) {
        const QString key = QKeySequence::mnemonic(caption).toString().toLower();
        if ((key.isEmpty() && needsKey) || (!key.isEmpty() && !keys.insert(key).second)) {
            clashes << QStringLiteral("'%1' (%2)").arg(caption, key);
        }
    }
};

// The menu bar and each menu are a group; the lines between groups of items are no items.
QStringList AccessKeyClashes(QMainWindow& window) {
    QList<QList<QAction*>> groups{window.menuBar()->actions()};
    for (const QAction* menu : window.menuBar()->actions()) {
        groups << menu->menu()->actions();
    }
    QStringList found;
    for (const QList<QAction*>& group : groups) {
        AccessKeys keys;
        for (const QAction* item : group) {
            if (!item->isSeparator()) {
                keys.Check(item->text(), true);
            }
        }
        found << keys.clashes;
    }
    return found;
}

// A dialog's prompts lead somewhere, and its choices and buttons are one group.
QStringList DialogAccessKeyClashes(const QDialog& dialog) {
    AccessKeys keys;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            keys.Check(label->text(), true);
        }
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        keys.Check(button->text(), qobject_cast<const QPushButton*>(button) == nullptr);
    }
    return keys.clashes;
}

// Shown elements a screen reader would read as nothing: controls that take the focus and
// empty elements (a separator aside) with no name, found through the accessibility
// interfaces as a screen reader finds them: "role objectName" each.
void CollectUnnamed(QAccessibleInterface* node, QStringList& found) {
    if (node == nullptr || node->state().invisible) {
        return;
    }
    const bool empty = node->childCount() == 0 && node->role() != QAccessible::Separator;
    if ((node->state().focusable || empty) && node->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* object = node->object();
        found << QStringLiteral("%1 %2")
                     .arg(static_cast<int>(node->role()))
                     .arg(object != nullptr ? object->objectName() : QString());
    }
    for (int child = 0; child < node->childCount(); ++child) {
        CollectUnnamed(node->child(child), found);
    }
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
        window->OpenPageOptions();
        window->OpenSections();
    }
    void TearDown() override {
        window.reset();
        testing_support::RemoveTranslations();
    }
    [[nodiscard]] PageWindow* Page() const { return window->ExistingPageWindow(); }
    std::vector<QWidget*> Windows() {
        return {window.get(),    Page(), window->OpenAboutBox(),   codeDialog.get(),
                setDialog.get(), rules,  window->OpenPageDialog(), window->OpenSectionsDialog()};
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
        for (const QListWidget* list : shown->findChildren<QListWidget*>()) {
            testing_support::ExpectEntriesFit(*list);
        }
    }
}

// The focus ring drawn round each window's focused control is no element of its own.
TEST_P(WindowsTest, EveryControlThatTakesTheFocusHasAName) {
    const FocusRing ring;
    for (QWidget* shown : Windows()) {
        QApplication::setActiveWindow(shown);
        QStringList unnamed;
        CollectUnnamed(QAccessible::queryAccessibleInterface(shown), unnamed);
        EXPECT_EQ(unnamed, QStringList()) << shown->objectName().toStdString();
    }
}

// Every prompt, check box and option of a dialog has its own access key, different from
// those of the dialog's buttons, whatever the desktop calls them; so has every menu item.
TEST_P(WindowsTest, AccessKeysAreUniqueInEachDialogAndMenu) {
    for (const QDialog* dialog : std::initializer_list<const QDialog*>{
             codeDialog.get(), setDialog.get(), rules, window->OpenSectionsDialog(),
             window->OpenPageDialog()}) {
        EXPECT_EQ(DialogAccessKeyClashes(*dialog), QStringList())
            << dialog->objectName().toStdString();
    }
    EXPECT_EQ(AccessKeyClashes(*window), QStringList());
    EXPECT_EQ(AccessKeyClashes(*Page()), QStringList());
    Page()->ToggleSolutions();  // the solutions item now offers to hide them
    EXPECT_EQ(AccessKeyClashes(*Page()), QStringList());
}

// The signs the schools of each language teach, in the operation list the windows open with;
// the list keeps the design's width where its words fit it, as English's do.
TEST_P(WindowsTest, TheOperationListWritesTheSignsTheLanguageTeaches) {
    static const std::map<QString, QString> kTaught{
        {"en", "×÷"}, {"de", "⋅:"}, {"fr", "×:"}, {"es", "×:"}, {"nl", "×:"}};
    const auto* list = window->findChild<QListWidget*>(QStringLiteral("lbOperation"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->item(2)->text() + list->item(3)->text(), kTaught.at(GetParam()));
    EXPECT_EQ(list->geometry() == QRect(236, 104, 49, 84), GetParam() == u"en");
}

// English, the design's own captions, is held to the same rules.
INSTANTIATE_TEST_SUITE_P(Languages, WindowsTest,
                         ::testing::ValuesIn(QStringList{QStringLiteral("en")} +
                                             testing_support::kLanguages),
                         testing_support::LanguageName);

}  // namespace
}  // namespace tallyworth
