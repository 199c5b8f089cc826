// Texts of the old platform's code page and UTF-8.
#include "platform/core/codepage.h"

#include <gtest/gtest.h>

namespace orupim {
namespace {

TEST(CodePage, TakesUtf8AsItIsAndReadsAnythingElseAsWindows1252) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain ASCII", "plain ASCII"},
        {"Gr\xc3\xbc\xc3\x9f \xe2\x82\xac \xf0\x9f\x98\x80",
         "Gr\xc3\xbc\xc3\x9f \xe2\x82\xac \xf0\x9f\x98\x80"},
        {"Caf\xe9", "Caf\xc3\xa9"},
        {"\x80 \x85 \x99 \x9f \xff", "\xe2\x82\xac \xe2\x80\xa6 \xe2\x84\xa2 \xc5\xb8 \xc3\xbf"},
        {"\x81\x8d\x8f\x90\x9d",
         "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},     // undefined there
        {"\xc3", "\xc3\x83"},                                                 // a cut sequence
        {"\xc0\xaf", "\xc3\x80\xc2\xaf"},                                     // an overlong form
        {"\xed\xa0\x80", "\xc3\xad\xc2\xa0\xe2\x82\xac"},                     // a surrogate
        {"\xf4\x90\x80\x80", "\xc3\xb4\xef\xbf\xbd\xe2\x82\xac\xe2\x82\xac"}, // past U+10FFFF
    };
    for (const auto& [bytes, utf8] : cases) {
        SCOPED_TRACE(bytes);
        EXPECT_EQ(textAsUtf8(bytes), utf8);
        EXPECT_TRUE(isValidUtf8(textAsUtf8(bytes)));
    }
}

} // namespace
} // namespace orupim
