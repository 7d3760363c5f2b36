#include <gtest/gtest.h>

#include TALLYWORTH_TEST_APPLICATION_HEADER

// Each layer's tests run under the smallest application they need: a QCoreApplication
// for the core and the page model, a QGuiApplication to draw, a QApplication for widgets.
// Tests draw off screen unless QT_QPA_PLATFORM asks for a real display.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    TALLYWORTH_TEST_APPLICATION app(argc, argv);
    return RUN_ALL_TESTS();
}
