#include "main/application.h"

#include <QApplication>
#include <QLabel>

namespace tallyworth {

int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel placeholder(QStringLiteral("Tallyworth"));
    placeholder.show();
    return QApplication::exec();
}

}  // namespace tallyworth
