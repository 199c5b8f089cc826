// Test main for tests that drive real windows: a QApplication on the offscreen platform.
#include "temproot.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    orupim::test::installCaseIsolation();
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
