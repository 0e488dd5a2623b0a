#include <gtest/gtest.h>

#include <QApplication>

// Test programs that build widgets or pictures run inside one application object, always
// headless: also when the build lists their tests, where no test environment is set.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
