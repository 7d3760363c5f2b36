#include <gtest/gtest.h>

#include <QApplication>

// Every test program runs under a QApplication, so GUI tests and core tests share one
// main. The platform is chosen by QT_QPA_PLATFORM (offscreen under ctest).
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
