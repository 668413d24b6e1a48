#include <QApplication>
#include <gtest/gtest.h>

// Every test program gets one QApplication (offscreen under CTest), so that
// GUI tests can create widgets and core tests lose nothing by it.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
