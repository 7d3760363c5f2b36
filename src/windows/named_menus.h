#pragma once

class QAction;
class QMenu;
class QMenuBar;
class QString;

namespace tallyworth {

// Menus and items carry the names the program and its tests find them by.
QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption);
QAction* AddItem(QMenu* menu, const char* name, const QString& caption);

}  // namespace tallyworth
