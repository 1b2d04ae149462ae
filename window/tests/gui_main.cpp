// One QApplication for every window test, on whatever platform the test
// command chose (offscreen, or xcb on a private Xvfb).
#include <gtest/gtest.h>

#include <QApplication>

#include "version.h"

int main(int argc, char **argv) {
    ::testing::InitGoogleTest(&argc, argv);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    talvex::applyVersion(application);
    return RUN_ALL_TESTS();
}
