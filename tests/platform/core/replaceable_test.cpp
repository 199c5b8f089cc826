// A replaceable operation runs the host's implementation until another is installed, and a Replacement puts
// back exactly what it replaced, also when replacements nest.
#include "platform/core/replaceable.h"

#include <gtest/gtest.h>
#include <string>

namespace orupim {
namespace {

std::string host(int value) {
    return "host " + std::to_string(value);
}

Replaceable<std::string(int)>& operation() {
    static Replaceable<std::string(int)> implementation(host);
    return implementation;
}

using Function = std::function<std::string(int)>;

Function setOperation(Function implementation) {
    return operation().replace(std::move(implementation));
}

TEST(Replaceable, NestedReplacementsPutBackWhatEachReplaced) {
    EXPECT_EQ(operation()(1), "host 1");
    {
        Replacement outer(setOperation, [](int value) { return "outer " + std::to_string(value); });
        EXPECT_EQ(operation()(2), "outer 2");
        {
            Replacement inner(setOperation, [](int value) { return "inner " + std::to_string(value); });
            EXPECT_EQ(operation()(3), "inner 3");
        }
        EXPECT_EQ(operation()(4), "outer 4");
    }
    EXPECT_EQ(operation()(5), "host 5");
    // Nothing is left installed: the setter answers empty, the host's.
    EXPECT_FALSE(setOperation({}));
}

TEST(Replaceable, AnEmptyReplacementRunsTheHostUntilItEnds) {
    Replacement outer(setOperation, [](int) { return std::string("outer"); });
    {
        Replacement empty(setOperation, Function());
        EXPECT_EQ(operation()(6), "host 6");
    }
    EXPECT_EQ(operation()(7), "outer");
}

} // namespace
} // namespace orupim
