#include "platform/core/errors.h"
#include "platform/core/stringlist.h"

#include <gtest/gtest.h>

namespace orupim {
namespace {

TEST(StringList, IndexPastTheEndRaisesTheListError) {
    StringList list;
    try {
        list.at(0);
        FAIL() << "no error raised";
    } catch (const ListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds");
    }
    list.add("x");
    EXPECT_EQ(list.at(0), "x");
    EXPECT_THROW(list.at(1), ListError);
    EXPECT_THROW(list.at(-1), ListError);
}

TEST(StringList, LooksUpTextsAndNamesWithoutRegardToCase) {
    StringList list{"PATH=C:\\CAT\\", "DEFAULT DRIVER=PARADOX", "plain", "path=second"};
    EXPECT_EQ(list.indexOf("PLAIN"), 2);
    EXPECT_EQ(list.indexOf("missing"), -1);
    EXPECT_EQ(list.value("Path"), "C:\\CAT\\");
    EXPECT_EQ(list.value("default driver"), "PARADOX");
    EXPECT_EQ(list.value("plain"), "");
    EXPECT_EQ(list.name(1), "DEFAULT DRIVER");
    EXPECT_EQ(list.name(2), "plain");
    EXPECT_EQ(list.valueFromIndex(3), "second");
}

} // namespace
} // namespace orupim
