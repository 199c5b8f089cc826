#include "platform/core/countedstring.h"
#include "platform/core/text.h"

#include <gtest/gtest.h>

namespace orupim {
namespace {

TEST(CountedString, CutsLongTextsTo255Characters) {
    EXPECT_EQ(CountedString(std::string(255, 'a')).length(), 255u);
    EXPECT_EQ(CountedString(std::string(300, 'a')).str(), std::string(255, 'a'));
    CountedString s = std::string(250, 'b');
    s += "0123456789";
    EXPECT_EQ(s.str(), std::string(250, 'b') + "01234");
}

TEST(CountedString, CountsCharactersNotBytes) {
    std::string umlauts;
    for (int i = 0; i < 300; ++i)
        umlauts += "\xc3\xa4"; // a-umlaut, two bytes each
    CountedString s(umlauts);
    EXPECT_EQ(s.length(), 255u);
    EXPECT_EQ(s.str().size(), 510u);
}

TEST(Text, FormatsAndComparesNames) {
    EXPECT_EQ(formatText("Select * from %s where %s like '%s%s%s'", {"flx", "Director", "%", "abc", "%"}),
              "Select * from flx where Director like '%abc%'");
    EXPECT_TRUE(equalsIgnoreCase("OruPIM", "ORUPIM"));
    EXPECT_FALSE(equalsIgnoreCase("OruPIM", "ORUPIM "));
    EXPECT_EQ(trimBlanks(" \t key \t"), "key");
}

} // namespace
} // namespace orupim
