#include "platform/core/numberrule.h"

#include <gtest/gtest.h>

namespace orupim {
namespace {

struct NumberCase {
    const char* text;
    std::optional<std::int32_t> expected;
};

TEST(NumberRule, ReadsDecimalAndHexadecimalTexts) {
    const NumberCase cases[] = {
        {"0", 0},
        {"1", 1},
        {"2", 2},
        {"-1", -1},
        {"+7", 7},
        {"0x10", 16},
        {"0X1f", 31},
        {"0xFFFFFFFF", -1},
        {"0x7fffffff", INT32_MAX},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt},
        {"0x100000000", std::nullopt},
        {"abc", std::nullopt},
        {"yes", std::nullopt},
        {"", std::nullopt},
        {"0x", std::nullopt},
        {"0xg", std::nullopt},
        {"12abc", std::nullopt},
        {" 1", std::nullopt},
        {"1 ", std::nullopt},
        {"-", std::nullopt},
        {"010", 10},
        {"0x-1", std::nullopt},
        {"+-1", std::nullopt},
        {"0x+1", std::nullopt},
        {"--1", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseNumber(c.text), c.expected);
    }
}

TEST(NumberRule, HexDigitsStopAtTheirLimit) {
    EXPECT_EQ(parseHexDigits("ff", 2), 255u);
    EXPECT_EQ(parseHexDigits("FFFFFFFF", 8), 0xFFFFFFFFu);
    for (const char* text : {"", "fff", "-1", "+1", "0x1", "1 ", "g"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(parseHexDigits(text, 2), std::nullopt);
    }
    EXPECT_EQ(parseHexDigits("123456789", 9), std::nullopt);
}

TEST(NumberRule, FallsBackOnlyForNoNumber) {
    EXPECT_EQ(numberOr("abc", 5), 5);
    EXPECT_EQ(numberOr("0", 5), 0);
}

} // namespace
} // namespace orupim
