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
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <initializer_list>
#include <map>
#include <memory>
#include <set>

namespace tallyworth {
namespace {

using testing_support::TranslationTable;
using Captions = std::map<QString, QString>;

// Texts that are the same in every language: proper names and signs.
const std::set<QString> kUntranslated{QStringLiteral("Tallyworth"), QStringLiteral("+"),
                                      QStringLiteral("-"), QStringLiteral("*"),
                                      QString(QChar(0x00F7))};

// True for the window's own controls and menus, not those of a dialog it owns.
bool BelongsTo(const QObject& object, const QWidget& window) {
    for (const QObject* owner = &object; owner != nullptr; owner = owner->parent()) {
        const auto* widget = qobject_cast<const QWidget*>(owner);
        if (widget != nullptr && widget->isWindow() &&
            qobject_cast<const QMenu*>(widget) == nullptr) {
            return widget == &window;
        }
    }
    return false;
}

QString WithoutAccessKey(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// Every text a user sees in a window, by the name of the control that shows it.
Captions CaptionsOf(const QWidget& window) {
    Captions captions{{window.objectName(), window.windowTitle()}};
    const auto add = [&captions, &window](const QObject& control, const QString& suffix,
                                          const QString& text) {
        if (BelongsTo(control, window) && !control.objectName().isEmpty() && !text.isEmpty()) {
            captions[control.objectName() + suffix] = text;
        }
    };
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        // A caption's control is named after it: only a name of its own is a text of its own.
        const auto* captioned = qobject_cast<const QLabel*>(widget);
        const auto* pressed = qobject_cast<const QAbstractButton*>(widget);
        const QString caption = captioned != nullptr ? captioned->text()
                                : pressed != nullptr ? pressed->text()
                                                     : QString();
        if (widget->accessibleName() != WithoutAccessKey(caption)) {
            add(*widget, QStringLiteral("#accessible"), widget->accessibleName());
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            add(*label, {}, label->text());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            add(*button, {}, button->text());
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            add(*box, {}, box->title());
        } else if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
            for (int row = 0; row < list->count(); ++row) {
                add(*list, QStringLiteral("[%1]").arg(row), list->item(row)->text());
            }
        }
    }
    for (const QAction* action : window.findChildren<QAction*>()) {
        add(*action, {}, action->text());
    }
    return captions;
}

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

// The three windows of a run in one language.
class WindowsTest : public ::testing::TestWithParam<QString>,
                    protected testing_support::FakeUserInterfaces {
  protected:
    void SetUp() override {
        ASSERT_TRUE(InstallTranslations(QLocale(GetParam()), CatalogueDirectory()));
        OpenWindows();
    }
    void TearDown() override {
        CloseWindows();
        testing_support::RemoveTranslations();
    }
    void OpenWindows() {
        window = std::make_unique<MainWindow>(state, Bundle(), source);
        window->show();
        window->View();
        window->OpenAbout();
        about = window->OpenAboutBox();
        codeDialog = std::make_unique<SheetCodeDialog>();
        codeDialog->show();
        setDialog = std::make_unique<ClassSetDialog>();
        setDialog->show();
        window->OpenProblemRules();
        rules = window->OpenRulesDialog();
    }
    void CloseWindows() {
        setDialog.reset();
        codeDialog.reset();
        rules = nullptr;
        window.reset();
    }
    [[nodiscard]] PageWindow* Page() const { return window->ExistingPageWindow(); }

    WorksheetState state;
    ClockSeededRandomSource source;
    std::unique_ptr<MainWindow> window;
    AboutBox* about = nullptr;
    std::unique_ptr<SheetCodeDialog> codeDialog;
    std::unique_ptr<ClassSetDialog> setDialog;
    ProblemRulesDialog* rules = nullptr;
};

// The windows in one of the program's languages, and the same windows in English.
class TranslatedWindowsTest : public WindowsTest {
  protected:
    void SetUp() override {
        OpenWindows();
        english = {CaptionsOf(*window),     CaptionsOf(*Page()),    CaptionsOf(*about),
                   CaptionsOf(*codeDialog), CaptionsOf(*setDialog), CaptionsOf(*rules)};
        CloseWindows();
        WindowsTest::SetUp();
    }

    // Each caption is its English caption's translation in the context of the window or
    // of the part of it that shows the caption.
    void ExpectTranslated(const Captions& before, const Captions& after,
                          std::initializer_list<const char*> contexts,
                          const Captions& formatted = {}) const {
        for (const auto& [name, text] : before) {
            auto found = table.end();
            for (const char* context : contexts) {
                if (found == table.end()) {
                    found = table.find({QString::fromLatin1(context), text});
                }
            }
            const auto operation = table.find({QStringLiteral("tallyworth::Operations"), text});
            QString expected = text;
            if (formatted.contains(name)) {
                expected = formatted.at(name);
            } else if (found != table.end()) {
                expected = found->second;
            } else if (name.startsWith(QStringLiteral("lbOperation[")) &&
                       operation != table.end()) {
                expected = operation->second;
            } else {
                EXPECT_TRUE(kUntranslated.contains(text))
                    << name.toStdString() << " '" << text.toStdString() << "' is in no catalogue";
            }
            EXPECT_EQ(after.at(name), expected) << name.toStdString();
        }
    }
    [[nodiscard]] QString Translation(const char* context, const char* text) const {
        return table.at({QString::fromLatin1(context), QString::fromLatin1(text)});
    }

    std::array<Captions, 6> english;
    TranslationTable table = testing_support::ReadTranslationTable(GetParam());
};

// The start-up settings give 81 sums; the count starts the rules dialog's last line.
TEST_P(TranslatedWindowsTest, EveryWindowShowsTranslatedCaptions) {
    ExpectTranslated(english[0], CaptionsOf(*window), {"tallyworth::MainWindow"});
    ExpectTranslated(
        english[1], CaptionsOf(*Page()), {"tallyworth::PageWindow", "tallyworth::PageStatusLine"},
        {{QStringLiteral("Picture1#accessible"),
          Translation("tallyworth::PageWindow", "Worksheet, page %1 of %2, solutions hidden")
              .arg(1)
              .arg(1)}});
    ExpectTranslated(
        english[2], CaptionsOf(*about), {"tallyworth::AboutBox"},
        {{QStringLiteral("frmAbout"),
          Translation("tallyworth::AboutBox", "About %1").arg(u"Tallyworth")},
         {QStringLiteral("lblVersion"),
          Translation("tallyworth::AboutBox", "Version %1.%2.%3 BETA").arg(1).arg(2).arg(2)},
         {QStringLiteral("Image1#accessible"),
          Translation("tallyworth::AboutBox", "%1 logo").arg(u"Tallyworth")}});
    ExpectTranslated(english[3], CaptionsOf(*codeDialog), {"tallyworth::SheetCodeDialog"});
    ExpectTranslated(english[4], CaptionsOf(*setDialog), {"tallyworth::ClassSetDialog"});
    ExpectTranslated(english[5], CaptionsOf(*rules), {"tallyworth::ProblemRulesDialog"},
                     {{QStringLiteral("lblPossibleProblems"),
                       Translation("tallyworth::ProblemRules", "%Ln different problems")
                           .replace(QStringLiteral("%Ln"), QStringLiteral("81"))}});
}

TEST_P(WindowsTest, EveryCaptionFitsItsControl) {
    for (const QWidget* shown : std::initializer_list<const QWidget*>{
             window.get(), Page(), about, codeDialog.get(), setDialog.get(), rules}) {
        for (const QWidget* control : testing_support::CaptionedControls(*shown)) {
            testing_support::ExpectCaptionFits(*control);
        }
    }
}

// Every prompt, check box and option of a dialog has its own access key, different from
// those of the dialog's buttons, whatever the desktop calls them.
TEST_P(WindowsTest, EveryControlThatTakesTheFocusHasAName) {
    for (QWidget* shown : std::initializer_list<QWidget*>{
             window.get(), Page(), about, codeDialog.get(), setDialog.get(), rules}) {
        EXPECT_EQ(Unnamed(*shown), QStringList()) << shown->objectName().toStdString();
    }
}

TEST_P(WindowsTest, AccessKeysAreUniqueInEachDialog) {
    for (const QDialog* dialog :
         std::initializer_list<const QDialog*>{codeDialog.get(), setDialog.get(), rules}) {
        EXPECT_EQ(DialogAccessKeyClashes(*dialog), QStringList())
            << dialog->objectName().toStdString();
    }
}

TEST_P(WindowsTest, AccessKeysAreUniqueInEveryMenu) {
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
INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindowsTest,
                         ::testing::ValuesIn(testing_support::kLanguages),
                         testing_support::LanguageName);

}  // namespace
}  // namespace tallyworth
