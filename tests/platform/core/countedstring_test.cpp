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

// A byte that starts no character of its own sequence (a stray continuation byte, an invalid lead byte) is
// one character, so that no text escapes the 255-character cut.
TEST(CountedString, CountsStrayBytesAsCharacters) {
    struct Case {
        std::string text;
        std::size_t characters;
    };
    const Case cases[] = {
        {std::string(300, '\x80'), 255},
        {std::string(300, '\xFF'), 255},
        {"\xC3\xA4\x80", 2},            // a whole character, then a stray byte
        {"\xE2\x80", 1},                // a sequence cut short is one character
        {"\xC3" + std::string("a"), 2}, // a lead byte without its continuation
        {"\xF0\x9F\x98\x80\x80", 2},    // four bytes, then a stray one
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.size());
        CountedString s(c.text);
        EXPECT_EQ(s.length(), std::min<std::size_t>(c.characters, 255));
        EXPECT_EQ(characterCount(s.str()), s.length());
    }
    EXPECT_EQ(CountedString(std::string(300, '\x80')).str().size(), 255u);
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
