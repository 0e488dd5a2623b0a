#include <gtest/gtest.h>

#include <QApplication>

// Test programs that build widgets or pictures run inside one application object.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
