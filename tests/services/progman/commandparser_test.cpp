// The command language as the setup program and a user's own commands write it.
#include "services/progman/commandparser.h"

#include <gtest/gtest.h>

namespace orupim::progman {
namespace {

struct Case {
    const char* text;
    std::vector<DdeCommand> commands;
    bool complete;
};

TEST(CommandParser, ParsesCommandsArgumentsQuotesAndBlanks) {
    const Case cases[] = {
        {"[CreateGroup(Tools)]\r\n", {{"CreateGroup", {"Tools"}}}, true},
        {"[AddItem(c:\\tmp\\App\\app.exe,My App)]\r\n",
         {{"AddItem", {"c:\\tmp\\App\\app.exe", "My App"}}},
         true},
        {"[CreateGroup(A)][AddItem(x.exe,X)]", {{"CreateGroup", {"A"}}, {"AddItem", {"x.exe", "X"}}}, true},
        {"  [ ShowGroup ( Main , 1 ) ]  \r\n [Reload]", {{"ShowGroup", {"Main", "1"}}, {"Reload", {}}}, true},
        {"[AddItem(\"c:\\a,b (x)\\p.exe\",\" Name [1] \")]",
         {{"AddItem", {"c:\\a,b (x)\\p.exe", " Name [1] "}}},
         true},
        {"[AddItem(x.exe,trailing   )]", {{"AddItem", {"x.exe", "trailing"}}}, true},
        {"[AddItem(x.exe,)]", {{"AddItem", {"x.exe", ""}}}, true},
        {"[AddItem(say \"hi\".exe,q)]", {{"AddItem", {"say \"hi\".exe", "q"}}}, true},
        {"", {}, true},
        {"[CreateGroup(A)]junk[AddItem(x,y)]", {{"CreateGroup", {"A"}}}, false},
        {"[CreateGroup(A)", {}, false},
        {"[CreateGroup(\"A)]", {}, false},
        {"[CreateGroup(A) x]", {}, false},
        {"[(A)]", {}, false},
        {"[CreateGroup(A(B))]", {}, false},
        {"[A][B(\"x\"y)]", {{"A", {}}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ParsedCommands parsed = parseCommands(c.text);
        EXPECT_EQ(parsed.commands, c.commands);
        EXPECT_EQ(parsed.complete, c.complete);
    }
}

} // namespace
} // namespace orupim::progman
