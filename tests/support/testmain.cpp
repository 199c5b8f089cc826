#include "temproot.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    orupim::test::installCaseIsolation();
    return RUN_ALL_TESTS();
}
