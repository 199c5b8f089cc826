// The command-line rules that split a parameters text into arguments.
#include "platform/shell/commandline.h"

#include <gtest/gtest.h>

namespace orupim::shell {
namespace {

TEST(CommandLine, SplitsByBlanksAndGroupsByDoubleQuotes) {
    using Words = std::vector<std::string>;
    struct Case {
        const char* text;
        Words arguments;
    };
    const Case cases[] = {
        {"", {}},
        {" \t ", {}},
        {"oruflx.dat", {"oruflx.dat"}},
        {"  a   b\t c  ", {"a", "b", "c"}},
        {"\"C:\\My Files\\a.txt\"", {"C:\\My Files\\a.txt"}},
        {"a\"b c\"d", {"ab cd"}},
        {"\"\"", {""}},
        {"x \"\" y", {"x", "", "y"}},
        {"\"unterminated  quote", {"unterminated  quote"}},
        {"C:\\dir\\ \"C:\\dir two\\\"", {"C:\\dir\\", "C:\\dir two\\"}},
        {"http://www.example.com/faqs/pim.txt?a=1&b=2", {"http://www.example.com/faqs/pim.txt?a=1&b=2"}},
        {"$(rm -rf x) `id` ; | > out", {"$(rm", "-rf", "x)", "`id`", ";", "|", ">", "out"}},
        {"it's 'single quotes'", {"it's", "'single", "quotes'"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(splitCommandLine(c.text), c.arguments);
    }
}

} // namespace
} // namespace orupim::shell
