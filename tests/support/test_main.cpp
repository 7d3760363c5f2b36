#include <gtest/gtest.h>

#include <QApplication>

// Every test program runs under a QApplication, so GUI tests and core tests share one
// main. Tests draw off screen unless QT_QPA_PLATFORM asks for a real display.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
