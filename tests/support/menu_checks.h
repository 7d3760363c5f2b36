#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace tallyworth::testing_support {

// One menu or menu item as a window shows it: "frmTest mnuPrint &Print".
struct MenuCaption {
    std::string window, item, caption;
    friend auto operator<=>(const MenuCaption&, const MenuCaption&) = default;
};

inline void PrintTo(const MenuCaption& entry, std::ostream* out) {
    *out << entry.window << " " << entry.item << " \"" << entry.caption << "\"";
}

// Every menu and menu item of the program's windows with its caption, by window.
inline std::vector<MenuCaption> ProgramMenus(const std::string& window) {
    // clang-format off
    const std::vector<MenuCaption> all{
        {"frmTallyworth", "mnuAbout", "&About"}, {"frmTallyworth", "mnuClose", "&Close"},
        {"frmTallyworth", "mnuFile", "&File"}, {"frmTallyworth", "mnuHelp", "&Help"},
        {"frmTallyworth", "mnuOpenSheetCode", "&Open Sheet Code..."},
        {"frmTest", "mnuClassSet", "Class &Set..."},
        {"frmTallyworth", "mnuOptions", "&Options"},
        {"frmTallyworth", "mnuProblemRules", "Problem &Rules..."},
        {"frmTest", "mnuClose", "&Close"}, {"frmTest", "mnuColorPicker", "C&olor Picker..."},
        {"frmTest", "mnuConfig", "&Config"}, {"frmTest", "mnuFile", "&File"},
        {"frmTest", "mnuPage1", "Page &1"}, {"frmTest", "mnuPage2", "Page &2"},
        {"frmTest", "mnuPages", "&Pages"}, {"frmTest", "mnuPrint", "&Print"},
        {"frmTest", "mnuSaveAsPdf", "Save as P&DF..."}, {"frmTest", "mnuShowSolutions", "&Show"},
        {"frmTest", "mnuSolutions", "&Solutions"}};
    // clang-format on
    std::vector<MenuCaption> shown;
    std::ranges::copy_if(all, std::back_inserter(shown),
                         [&](const MenuCaption& entry) { return entry.window == window; });
    return shown;
}

// The key a caption gives its item with Alt: the character after a single '&', upper
// case; "&&" is a plain ampersand. Null when the caption has none.
inline QChar AccessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') {
            continue;
        }
        if (caption[i + 1] != u'&') {
            return caption[i + 1].toUpper();
        }
        ++i;
    }
    return {};
}

// The items of one menu (or menu bar) that show, separators left out.
inline std::vector<const QAction*> ShownItems(const QWidget& menu) {
    std::vector<const QAction*> items;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator() && action->isVisible()) {
            items.push_back(action);
        }
    }
    return items;
}

// Records every shown item of a menu (or menu bar) and of the menus it opens, and fails
// for each two items of one menu that share an access key.
inline void WalkMenu(const QWidget& window, const QWidget& menu, std::vector<MenuCaption>& shown,
                     std::set<const QWidget*>& walked) {
    walked.insert(&menu);
    std::set<QChar> keys;
    for (const QAction* item : ShownItems(menu)) {
        const QChar key = AccessKey(item->text());
        EXPECT_TRUE(key.isNull() || keys.insert(key).second)
            << window.objectName().toStdString() << " " << menu.objectName().toStdString() << ": "
            << item->text().toStdString() << " shares its access key";
        shown.push_back({window.objectName().toStdString(), item->objectName().toStdString(),
                         item->text().toStdString()});
        if (item->menu() != nullptr) {
            WalkMenu(window, *item->menu(), shown, walked);
        }
    }
}

// Every menu of the given windows, walked rather than listed, so that a menu added later
// is checked too: what the menu bars open, and any other menu the program named (a
// context menu). Qt's own unnamed overflow menu of a narrow bar is left out. Returns
// every item with its window, sorted, to compare with the program's table.
inline std::vector<MenuCaption> WalkMenus(const std::vector<const QWidget*>& windows) {
    std::vector<MenuCaption> shown;
    std::set<const QWidget*> walked;
    for (const QWidget* window : windows) {
        // A window's own menus only: not those of a dialog it owns, walked on its own.
        for (const QMenuBar* bar : window->findChildren<QMenuBar*>()) {
            if (bar->window() == window) {
                WalkMenu(*window, *bar, shown, walked);
            }
        }
        for (const QMenu* menu : window->findChildren<QMenu*>()) {
            const QWidget* owner = menu->parentWidget();
            if (!walked.contains(menu) && !menu->objectName().isEmpty() && owner != nullptr &&
                owner->window() == window) {
                WalkMenu(*window, *menu, shown, walked);
            }
        }
    }
    std::ranges::sort(shown);
    return shown;
}

}  // namespace tallyworth::testing_support
