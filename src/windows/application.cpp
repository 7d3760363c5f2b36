#include "windows/application.h"

#include "core/random_source.h"
#include "core/translations.h"
#include "core/worksheet_state.h"
#include "tallyworth/version.h"
#include "windows/focus_ring.h"
#include "windows/main_window.h"
#include "windows/qt_user_interfaces.h"

#include <QApplication>
#include <QIcon>

namespace tallyworth {

int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(version::kTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(version::kDisplayVersion));
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(version::kAppId));
    QApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(version::kAppId)));
    // Whatever style or style sheet the desktop or the user chose, the focus is seen.
    const FocusRing focusRing;
    // Before any window is built, so that every caption is made in the user's language.
    SpeakTheUsersLanguage();
    // The one worksheet of the run and everything the windows borrow live here.
    WorksheetState state;
    ClockSeededRandomSource random;
    DefaultUserInterfaces interfaces;
    MainWindow window(state, interfaces.Bundle(), random);
    window.show();
    return QApplication::exec();
}

}  // namespace tallyworth
