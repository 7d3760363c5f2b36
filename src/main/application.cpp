#include "main/application.h"

#include "core/random_source.h"
#include "core/worksheet_state.h"
#include "main/main_window.h"
#include "page/qt_user_interfaces.h"

#include <QApplication>

namespace tallyworth {

int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyworth"));
    // The one worksheet of the run and everything the windows borrow live here.
    WorksheetState state;
    ClockSeededRandomSource random;
    DefaultUserInterfaces interfaces;
    MainWindow window(state, interfaces.Bundle(), random);
    window.show();
    return QApplication::exec();
}

}  // namespace tallyworth
